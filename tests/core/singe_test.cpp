// Copyright 2026 the Tavlo32 developers.
// A monkey plays long random sequences of every input the window can send, in both modes, and the
// game's invariants are checked after every step. A failure names its seed and step, so that the
// run can be replayed.
#include "jeu_fixture.h"

#include <cstdlib>
#include <random>

namespace tavlo::tour {
namespace {

constexpr int SEMENCES = 40;
constexpr int PAS_PAR_SEMENCE = 25'000;

struct Instantane {
    regles::EtatJeu etat;
    Fenetre fenetre;
    bool operator==(const Instantane&) const = default;
};

class Singe : public testing::TestWithParam<int> {
protected:
    HorlogeFixe horloge;
    Jeu jeu{horloge};
    std::mt19937 alea;
    bool commence = false;

    int tirer(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea); }

    std::string nomAuHasard() {
        static const std::array<std::string, 5> noms{"PAUL", "MARIE", "PAUL", "  ", "ÉLODIE"};
        return noms[static_cast<std::size_t>(tirer(5))];
    }

    // A click on one of the human's controls: mostly one that takes clicks now, so that games go
    // on to their end, sometimes any of them, enabled or not.
    void cliquer() {
        std::vector<int> cliquables;
        for (int element = 0; element < 8; ++element) {
            if ((element == 0 && jeu.gobeletCliquable()) ||
                (element >= 1 && element <= 3 && jeu.deCliquable(element)) ||
                (element >= 4 && element <= 6 && jeu.selectDeCliquable(element - 3)) ||
                (element == 7 && jeu.butStopCliquable())) {
                cliquables.push_back(element);
            }
        }
        const int element =
            !cliquables.empty() && tirer(4) != 0
                ? cliquables[static_cast<std::size_t>(tirer(static_cast<int>(cliquables.size())))]
                : tirer(8);
        if (element == 0) {
            jeu.GobeletClick();
        } else if (element <= 3) {
            jeu.DeClick(element);
        } else if (element <= 6) {
            jeu.SelectDeClick(element - 3);
        } else {
            jeu.ButStopClick();
        }
    }

    // One input, chosen the way a restless player would: mostly ticks and clicks, now and then a
    // menu command at any moment.
    void unPas() {
        horloge.ms = static_cast<std::uint32_t>(tirer(86'400'000));
        const bool occupe = jeu.lancerEnCours() || jeu.ordyJoue() || jeu.enAttenteBoite();
        const Instantane avant{jeu.etat(), jeu.fenetre()};
        const int choix = tirer(10'000);
        if (jeu.enAttenteBoite() && choix < 3'000) {
            jeu.BoiteFermee();
        } else if (choix < 5'000) {
            jeu.TempoTimer();
        } else if (choix < 9'900 && !(jeu.etat().MancheFinie && choix > 9'500)) {
            cliquer();
            if (occupe) {
                ASSERT_EQ((Instantane{jeu.etat(), jeu.fenetre()}), avant)
                    << "a click was taken while the dice rolled, ORDY played or a box was open";
            }
        } else if (jeu.enAttenteBoite()) {
            // A modal box leaves the menu out of reach.
            jeu.TempoTimer();
        } else if (choix < 9'920 || !commence || jeu.etat().MancheFinie) {
            jeu.MenuNouvelleClick();
            commence = true;
        } else if (choix < 9'930) {
            jeu.MenuNouvelleClick();
            if (tirer(2) == 0) {
                jeu.unJoueur(tirer(4) == 0 ? std::nullopt : std::optional(nomAuHasard()));
            } else {
                jeu.deuxJoueurs(tirer(4) == 0
                                    ? std::nullopt
                                    : std::optional(std::pair(nomAuHasard(), nomAuHasard())));
            }
        } else if (choix < 9'940) {
            jeu.BoiteOuverte(); // the rounds won, the names dialog or the about box
        } else if (choix < 9'990) {
            jeu.MenuSonClick();
        } else {
            jeu.MenuZeroClick();
        }
        jeu.prendreEffets();
    }

    void verifierInvariants() {
        const regles::EtatJeu& e = jeu.etat();
        if (!commence) {
            return;
        }
        ASSERT_TRUE(jetonsCoherents(e));
        ASSERT_TRUE(jeu.etiJoueur() == jeu.nomJoueur(Siege::Un) ||
                    jeu.etiJoueur() == jeu.nomJoueur(Siege::Deux))
            << jeu.etiJoueur();
        ASSERT_GE(e.CoupsMaxi, 1);
        ASSERT_LE(e.CoupsMaxi, 3);
        if (e.Charge || e.Repos) {
            ASSERT_EQ(e.CoupsMaxi, 1) << "one throw a turn while loading and after a tie";
        }
        if (!e.MancheFinie) {
            ASSERT_GE(e.NumLancer, 1);
            ASSERT_LE(e.NumLancer, e.CoupsMaxi + 1);
            ASSERT_GE(e.CoupsRestants, 0);
            ASSERT_EQ(e.NumLancer - 1 + e.CoupsRestants, e.CoupsMaxi);
        }
        if (jeu.ordyJoue()) {
            ASSERT_TRUE(e.ModeSolo);
            ASSERT_EQ(jeu.tour(), Siege::Deux);
        }
        if (jeu.gobeletCliquable() || jeu.butStopCliquable()) {
            ASSERT_FALSE(e.MancheFinie) << "nothing is played once a round is over";
        }
    }
};

TEST_P(Singe, InvariantsApresChaquePas) {
    const int semence = GetParam();
    alea.seed(static_cast<std::mt19937::result_type>(semence));
    jeu.FormCreate();
    for (int pas = 0; pas < PAS_PAR_SEMENCE; ++pas) {
        unPas();
        verifierInvariants();
        if (HasFatalFailure()) {
            FAIL() << "monkey seed " << semence << ", step " << pas;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Semences, Singe, testing::Range(1, SEMENCES + 1));

} // namespace
} // namespace tavlo::tour
