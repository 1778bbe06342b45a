// Copyright 2026 the Tavlo32 developers.
// A monkey plays long random sequences of every input the window can send, in both modes, and the
// game's invariants are checked after every step. A failure names its seed and step, so that the
// run can be replayed.
#include "jeu_fixture.h"

#include <random>

namespace tavlo::turn {
namespace {

class Singe : public testing::TestWithParam<int> {
protected:
    DesPrevus des; // nothing written in advance: every throw reads a random time of day
    Jeu jeu{des};
    std::mt19937 alea;

    int tirer(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea); }

    // Element 0 is the cup, 1..3 the dice in play, 4..6 the dice set aside, 7 the button.
    bool prendClic(int element) const {
        return element == 0   ? jeu.gobeletCliquable()
               : element <= 3 ? jeu.deCliquable(element)
               : element <= 6 ? jeu.selectDeCliquable(element - 3)
                              : jeu.butStopCliquable();
    }
    // Mostly a click that is taken now, so that games go on to their end, sometimes any click.
    void cliquer() {
        const bool nImporteLequel = tirer(4) == 0;
        int element = tirer(8);
        for (int essai = 0; essai < 12 && !nImporteLequel && !prendClic(element); ++essai) {
            element = tirer(8);
        }
        if (element == 0 || element == 7) {
            element == 0 ? jeu.GobeletClick() : jeu.ButStopClick();
        } else {
            element <= 3 ? jeu.DeClick(element) : jeu.SelectDeClick(element - 3);
        }
    }

    // Mostly ticks and clicks, now and then a new game with a names dialog, or a box opened.
    void unPas() {
        des.m_heure = static_cast<std::uint32_t>(tirer(86'400'000));
        const bool occupe = jeu.lancerEnCours() || jeu.ordyJoue() || jeu.enAttenteBoite();
        const rules::EtatJeu etatAvant = jeu.etat();
        const Fenetre fenetreAvant = jeu.fenetre();
        const int choix = tirer(1'000);
        if (jeu.enAttenteBoite() && choix < 300) {
            jeu.BoiteFermee();
        } else if (choix < 500 || (jeu.enAttenteBoite() && choix >= 990)) {
            jeu.TempoTimer(); // a modal box leaves the menu out of reach
        } else if (choix < 990 && !(jeu.etat().MancheFinie && choix > 950)) {
            cliquer();
            // No click is taken while the dice roll, ORDY plays or a box is open.
            ASSERT_TRUE(!occupe || (jeu.etat() == etatAvant && jeu.fenetre() == fenetreAvant));
        } else if (choix < 997 || jeu.etat().MancheFinie) {
            jeu.MenuNouvelleClick();
            // Now and then cancelled; two humans may share a name.
            const auto nom = tirer(4) == 0 ? std::nullopt : std::optional<std::string>("PAUL");
            tirer(2) == 0
                ? jeu.unJoueur(nom)
                : jeu.deuxJoueurs(nom ? std::optional(std::pair(*nom, *nom)) : std::nullopt);
        } else {
            jeu.BoiteOuverte(); // the rounds won, the names dialog or the about box
        }
        jeu.prendreEffets();
    }

    void verifierInvariants() {
        const rules::EtatJeu& e = jeu.etat();
        int total = 0;
        for (int k = 1; k <= rules::NB_JETONS; ++k) {
            total += e.Pot[k] + e.Jetons1[k] + e.Jetons2[k];
            // The players fill their slots from slot 1, the pot empties from slot 1.
            ASSERT_TRUE(k == 1 ||
                        ((e.Jetons1[k - 1] || !e.Jetons1[k]) &&
                         (e.Jetons2[k - 1] || !e.Jetons2[k]) && (e.Pot[k] || !e.Pot[k - 1])))
                << "slot " << k << " in " << testing::PrintToString(e);
        }
        ASSERT_EQ(total, rules::NB_JETONS);
        ASSERT_LE(e.CoupsMaxi, (e.Charge || e.Repos) ? 1 : 3)
            << "one throw a turn while loading and after a tie";
        ASSERT_TRUE(e.MancheFinie ||
                    (e.CoupsMaxi >= 1 && e.NumLancer >= 1 && e.CoupsRestants >= 0 &&
                     e.NumLancer - 1 + e.CoupsRestants == e.CoupsMaxi));
        ASSERT_TRUE(!jeu.ordyJoue() ||
                    (e.ModeSolo && jeu.etiJoueur() == jeu.nomJoueur(Siege::Deux)));
        ASSERT_FALSE(e.MancheFinie && (jeu.gobeletCliquable() || jeu.butStopCliquable()))
            << "nothing is played once a round is over";
    }
};

TEST_P(Singe, InvariantsApresChaquePas) {
    alea.seed(static_cast<std::mt19937::result_type>(GetParam()));
    jeu.FormCreate();
    jeu.MenuNouvelleClick();
    for (int pas = 0; pas < 10'000; ++pas) {
        unPas();
        verifierInvariants();
        ASSERT_FALSE(HasFatalFailure()) << "monkey seed " << GetParam() << ", step " << pas;
    }
}

INSTANTIATE_TEST_SUITE_P(Semences, Singe, testing::Range(1, 21));

} // namespace
} // namespace tavlo::turn
