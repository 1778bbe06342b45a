// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

#include "turn/generateur.h"

namespace tavlo::turn {

void DesPrevus::prevoir(Faces faces) {
    for (std::uint32_t graine = 0;; ++graine) {
        // Each of the seven frames draws the three dice in turn; the last frame stays.
        Generateur g;
        g.semer(graine);
        Faces tirees{};
        for (std::size_t tirage = 0; tirage < 21; ++tirage) {
            tirees[tirage % 3] = g.face();
        }
        if (tirees == faces) {
            m_graines.push_back(graine);
            return;
        }
    }
}

std::uint32_t DesPrevus::millisecondesDuJour() const {
    const std::uint32_t graine = m_graines.empty() ? heure : m_graines.front();
    if (!m_graines.empty()) {
        m_graines.pop_front();
    }
    return graine;
}

int compterJetons(const rules::Jetons& j) {
    int n = 0;
    for (int k = 1; k <= rules::NB_JETONS; ++k) {
        n += j[k];
    }
    return n;
}

testing::AssertionResult jetonsCoherents(const rules::EtatJeu& e) {
    const int total = compterJetons(e.Pot) + compterJetons(e.Jetons1) + compterJetons(e.Jetons2);
    for (int k = 1; k < rules::NB_JETONS; ++k) {
        if ((!e.Jetons1[k] && e.Jetons1[k + 1]) || (!e.Jetons2[k] && e.Jetons2[k + 1]) ||
            (e.Pot[k] && !e.Pot[k + 1]) || total != rules::NB_JETONS) {
            return testing::AssertionFailure()
                   << "slot " << k << " or the total in " << testing::PrintToString(e);
        }
    }
    return testing::AssertionSuccess();
}

} // namespace tavlo::turn
