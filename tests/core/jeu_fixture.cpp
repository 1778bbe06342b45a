// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

#include "turn/generateur.h"

#include <variant>

namespace tavlo::tour {

std::array<int, 3> facesDeLaGraine(std::uint32_t graine) {
    Generateur g;
    g.semer(graine);
    std::array<int, 3> faces{};
    for (int tirage = 0; tirage < 21; ++tirage) {
        faces[static_cast<std::size_t>(tirage % 3)] = g.face();
    }
    return faces;
}

std::uint32_t graineDonnant(std::array<int, 3> voulues, std::uint32_t depuis) {
    for (std::uint32_t graine = depuis;; ++graine) {
        const std::array<int, 3> faces = facesDeLaGraine(graine);
        bool bon = true;
        for (std::size_t i = 0; i < 3; ++i) {
            bon = bon && (voulues[i] == 0 || voulues[i] == faces[i]);
        }
        if (bon) {
            return graine;
        }
    }
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

void JeuTest::finirLeLancer() {
    for (int tick = 0; tick < 10 && jeu.lancerEnCours(); ++tick) {
        jeu.TempoTimer();
    }
    ASSERT_FALSE(jeu.lancerEnCours());
}

void JeuTest::lancer(std::array<int, 3> faces) {
    for (int de = 1; de <= 3; ++de) {
        if (jeu.fenetre().ecarte[de]) {
            faces[static_cast<std::size_t>(de - 1)] = 0;
        }
    }
    horloge.ms = graineDonnant(faces);
    ASSERT_TRUE(jeu.gobeletCliquable());
    jeu.GobeletClick();
    finirLeLancer();
}

void JeuTest::jouerTour(std::array<int, 3> faces) {
    lancer(faces);
    ASSERT_TRUE(jeu.butStopCliquable());
    jeu.ButStopClick();
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
