// Copyright 2026 the Tavlo32 developers.
// A monkey plays long random sequences of every input the window can send, in both modes, and the
// game's invariants are checked after every step. A failure names its seed and step, so that the
// run can be replayed.
#include "jeu_fixture.h"

#include <random>

namespace tavlo::turn {
namespace {

constexpr int SEMENCES = 40;
constexpr int PAS_PAR_SEMENCE = 10'000;

class Singe : public testing::TestWithParam<int> {
protected:
    DesPrevus des; // nothing written in advance: every throw reads a random time of day
    Jeu jeu{des};
    std::mt19937 alea;
    bool commence = false;

    int tirer(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea); }

    // A click on one of the human's controls, mostly on one that takes clicks now, so that games
    // go on to their end, sometimes on any of them, enabled or not.
    void cliquer() {
        const bool nImporteLequel = tirer(4) == 0;
        int element = tirer(8);
        for (int essai = 0; essai < 12 && !nImporteLequel && !prendClic(element); ++essai) {
            element = tirer(8);
        }
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
    bool prendClic(int element) const {
        return element == 0   ? jeu.gobeletCliquable()
               : element <= 3 ? jeu.deCliquable(element)
               : element <= 6 ? jeu.selectDeCliquable(element - 3)
                              : jeu.butStopCliquable();
    }

    // One input, chosen the way a restless player would: mostly ticks and clicks, now and then a
    // menu command at any moment.
    void unPas() {
        des.heure = static_cast<std::uint32_t>(tirer(86'400'000));
        const bool occupe = jeu.lancerEnCours() || jeu.ordyJoue() || jeu.enAttenteBoite();
        const rules::EtatJeu etatAvant = jeu.etat();
        const Fenetre fenetreAvant = jeu.fenetre();
        const int choix = tirer(10'000);
        if (jeu.enAttenteBoite() && choix < 3'000) {
            jeu.BoiteFermee();
        } else if (choix < 5'000) {
            jeu.TempoTimer();
        } else if (choix < 9'900 && !(jeu.etat().MancheFinie && choix > 9'500)) {
            cliquer();
            if (occupe) {
                // No click is taken while the dice roll, ORDY plays or a box is open.
                ASSERT_EQ(jeu.etat(), etatAvant);
                ASSERT_EQ(jeu.fenetre(), fenetreAvant);
            }
        } else if (jeu.enAttenteBoite()) {
            jeu.TempoTimer(); // a modal box leaves the menu out of reach
        } else if (choix < 9'920 || !commence || jeu.etat().MancheFinie) {
            jeu.MenuNouvelleClick();
            commence = true;
        } else if (choix < 9'930) {
            jeu.MenuNouvelleClick();
            // The names dialog, now and then cancelled; two humans may share a name.
            const std::string nom = tirer(4) == 0 ? "" : "PAUL";
            if (tirer(2) == 0) {
                jeu.unJoueur(nom.empty() ? std::nullopt : std::optional(nom));
            } else {
                jeu.deuxJoueurs(nom.empty() ? std::nullopt : std::optional(std::pair(nom, nom)));
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
        const rules::EtatJeu& e = jeu.etat();
        if (!commence) {
            return;
        }
        ASSERT_TRUE(jetonsCoherents(e));
        for (int k = 1; k <= rules::NB_JETONS; ++k) {
            ASSERT_EQ(jeu.jetonVisible(Rangee::Pot, k), e.Pot[k]) << "pot slot " << k;
            ASSERT_EQ(jeu.jetonVisible(Rangee::Joueur1, k), e.Jetons1[k]) << "J1 slot " << k;
            ASSERT_EQ(jeu.jetonVisible(Rangee::Joueur2, k), e.Jetons2[k]) << "J2 slot " << k;
        }
        ASSERT_TRUE(jeu.etiJoueur() == jeu.nomJoueur(Siege::Un) ||
                    jeu.etiJoueur() == jeu.nomJoueur(Siege::Deux))
            << jeu.etiJoueur();
        ASSERT_EQ(jeu.fenetre().m_cpsMaxi, "Nombre de coups maxi:" + std::to_string(e.CoupsMaxi));
        ASSERT_GE(e.CoupsMaxi, 1);
        ASSERT_LE(e.CoupsMaxi, (e.Charge || e.Repos) ? 1 : 3)
            << "one throw a turn while loading and after a tie";
        if (!e.MancheFinie) {
            ASSERT_GE(e.NumLancer, 1);
            ASSERT_GE(e.CoupsRestants, 0);
            ASSERT_EQ(e.NumLancer - 1 + e.CoupsRestants, e.CoupsMaxi);
        }
        if (jeu.ordyJoue()) {
            ASSERT_TRUE(e.ModeSolo);
            ASSERT_EQ(jeu.etiJoueur(), jeu.nomJoueur(Siege::Deux));
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
} // namespace tavlo::turn
