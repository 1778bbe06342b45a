// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

#include "turn/generateur.h"

#include <variant>

namespace tavlo::tour {

std::uint32_t graineDonnant(Faces voulues) {
    for (std::uint32_t graine = 0;; ++graine) {
        // Each of the seven frames draws the three dice in turn; the last frame stays.
        Generateur g;
        g.semer(graine);
        Faces faces{};
        for (int tirage = 0; tirage < 21; ++tirage) {
            faces[static_cast<std::size_t>(tirage % 3)] = g.face();
        }
        bool bon = true;
        for (std::size_t i = 0; i < 3; ++i) {
            bon = bon && (voulues[i] == 0 || voulues[i] == faces[i]);
        }
        if (bon) {
            return graine;
        }
    }
}

std::uint32_t DesPrevus::millisecondesDuJour() const {
    if (m_graines.empty()) {
        return 0;
    }
    const std::uint32_t graine = m_graines.front();
    m_graines.pop_front();
    return graine;
}

int compterJetons(const regles::Jetons& j) {
    int n = 0;
    for (int k = 1; k <= regles::NB_JETONS; ++k) {
        n += j[k];
    }
    return n;
}

testing::AssertionResult jetonsCoherents(const regles::EtatJeu& e) {
    const int total = compterJetons(e.Pot) + compterJetons(e.Jetons1) + compterJetons(e.Jetons2);
    if (total != regles::NB_JETONS) {
        return testing::AssertionFailure() << total << " tokens in " << e;
    }
    for (int k = 1; k < regles::NB_JETONS; ++k) {
        if ((!e.Jetons1[k] && e.Jetons1[k + 1]) || (!e.Jetons2[k] && e.Jetons2[k + 1]) ||
            (e.Pot[k] && !e.Pot[k + 1])) {
            return testing::AssertionFailure() << "a gap in the slots at " << k << " in " << e;
        }
    }
    return testing::AssertionSuccess();
}

void JeuTest::tiquer(int ticks) {
    for (int tick = 0; tick < ticks; ++tick) {
        jeu.TempoTimer();
    }
}

void JeuTest::lancer(Faces faces) {
    ASSERT_TRUE(jeu.gobeletCliquable());
    des.prevoir(faces);
    jeu.GobeletClick();
    tiquer(7);
    ASSERT_FALSE(jeu.lancerEnCours());
}

void JeuTest::jouerTour(Faces faces) {
    lancer(faces);
    ASSERT_TRUE(jeu.butStopCliquable());
    jeu.ButStopClick();
}

void JeuTest::laisserJouerOrdy() {
    for (int tick = 0; tick < 40 && jeu.ordyJoue() && !jeu.enAttenteBoite(); ++tick) {
        jeu.TempoTimer();
    }
    ASSERT_TRUE(!jeu.ordyJoue() || jeu.enAttenteBoite());
}

std::vector<regles::Effet> JeuTest::fermerLesBoites() {
    std::vector<regles::Effet> effets = jeu.prendreEffets();
    for (const regles::Effet& effet : effets) {
        if (std::holds_alternative<regles::AfficherBoite>(effet)) {
            jeu.BoiteFermee();
        }
    }
    return effets;
}

} // namespace tavlo::tour
