// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

namespace tavlo::tour {
namespace {

using regles::AfficherBoite;
using regles::Effet;
using regles::JouerSon;
using regles::Son;

class DeuxJoueurs : public JeuTest {
protected:
    void SetUp() override {
        JeuTest::SetUp();
        jeu.MenuNouvelleClick();
        jeu.deuxJoueurs(std::pair<std::string, std::string>{"PAUL", "MARIE"});
    }

    // Marie loses ten tokens from the pot, then Paul the last one: Paul, holding one token, opens
    // the first hand of the unloading phase.
    void jusquAuDechargement() {
        jouerTour({4, 2, 1});
        jouerTour({5, 3, 2});
        jouerTour({4, 2, 1});
        jouerTour({5, 3, 2});
        ASSERT_FALSE(jeu.etat().Charge);
        ASSERT_EQ(jeu.etiJoueur(), "PAUL");
        jeu.prendreEffets();
    }
};

TEST_F(JeuTest, AvantLaPremierePartieSeulLeMenuRepond) {
    jeu.GobeletClick();
    jeu.ButStopClick();
    jeu.De1Click();
    EXPECT_EQ(jeu.etat(), regles::EtatJeu{});
    EXPECT_EQ(jeu.etiJoueur(), "");
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur1 : 0\r\rManches pour Joueur2 : 0");
    for (int de = 1; de <= 3; ++de) {
        EXPECT_EQ(jeu.fenetre().imageDe[de], 1) << "die " << de;
        EXPECT_FALSE(jeu.deCliquable(de)) << "die " << de;
    }
    for (int k = 1; k <= regles::NB_JETONS; ++k) {
        EXPECT_TRUE(jeu.jetonVisible(Rangee::Pot, k)) << "the pot is drawn full, slot " << k;
    }
}

// The faces the generator gives for two times of day, found once and kept.
TEST_F(JeuTest, LeLancerTireLesFacesDeLHeureDuJour) {
    const std::array<std::pair<std::uint32_t, Faces>, 2> cas{
        {{43'200'000, {3, 1, 5}}, {0, {5, 2, 5}}}};
    jeu.MenuNouvelleClick();
    for (const auto& [ms, faces] : cas) {
        des.prevoirHeure(ms);
        jeu.GobeletClick();
        tiquer(7);
        for (int de = 1; de <= 3; ++de) {
            EXPECT_EQ(jeu.etat().ValDe[de], faces[static_cast<std::size_t>(de - 1)]) << ms;
            EXPECT_EQ(jeu.fenetre().imageDe[de], jeu.etat().ValDe[de]) << ms;
        }
        jeu.ButStopClick();
    }
}

TEST_F(JeuTest, LeLancerDureSeptTopsEtSonneSiLeSonEstMis) {
    jeu.MenuNouvelleClick();
    jeu.GobeletClick();
    EXPECT_EQ(jeu.prendreEffets(), std::vector<Effet>{JouerSon{Son::LANCER}});
    EXPECT_TRUE(jeu.fenetre().sablier);
    tiquer(6);
    EXPECT_TRUE(jeu.lancerEnCours());
    tiquer(1);
    EXPECT_FALSE(jeu.lancerEnCours());
    EXPECT_FALSE(jeu.fenetre().sablier);

    jeu.ButStopClick();
    jeu.MenuSonClick();
    jeu.TempoTimer(); // a tick while nothing animates stays raised: the next throw draws at once
    jeu.GobeletClick();
    EXPECT_TRUE(jeu.prendreEffets().empty()) << "the sound is switched off";
    tiquer(5);
    EXPECT_TRUE(jeu.lancerEnCours());
    tiquer(1);
    EXPECT_FALSE(jeu.lancerEnCours());
}

TEST_F(JeuTest, UneBoiteOuverteParLaFenetreSuspendLeLancer) {
    jeu.MenuNouvelleClick();
    jeu.GobeletClick();
    jeu.BoiteOuverte();
    tiquer(10);
    EXPECT_EQ(jeu.etat().CptAnim, 1) << "no frame is drawn under the box";
    jeu.BoiteFermee();
    EXPECT_EQ(jeu.etat().CptAnim, 2) << "the tick raised under the box draws a frame at once";
    tiquer(6);
    EXPECT_TRUE(jeu.butStopCliquable());
}

TEST_F(DeuxJoueurs, LeSecondJoueurLanceAuPlusAutantQueLePremier) {
    jusquAuDechargement();
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:3");
    lancer({6, 5, 2});
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 2");
    lancer({3, 1, 1});
    const regles::EtatJeu& e = jeu.etat();
    EXPECT_EQ(e.NbFaces[1], 2);
    EXPECT_EQ(e.NbFaces[3], 1);
    EXPECT_EQ(e.NbFaces[6], 0) << "the faces are counted afresh at every throw";
    jeu.ButStopClick();
    EXPECT_EQ(e.ValeurPremier, 311);
    EXPECT_EQ(e.RangPremier, 6);
    EXPECT_EQ(jeu.etiJoueur(), "MARIE");
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:2");
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 1");
    EXPECT_FALSE(jeu.butStopCliquable()) << "Marie must throw before passing";
    EXPECT_FALSE(jeu.deCliquable(1)) << "Marie cannot keep Paul's dice";

    lancer({5, 4, 1});
    lancer({6, 1, 1});
    EXPECT_FALSE(jeu.gobeletCliquable());
    EXPECT_FALSE(jeu.deCliquable(1)) << "dice stay put after the last throw";
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 2") << "the label keeps the last throw";
    jeu.ButStopClick();
    // Marie's 611 beats Paul's 311 and is worth six tokens.
    EXPECT_EQ(compterJetons(e.Jetons1), 7);
    EXPECT_EQ(jeu.etiJoueur(), "PAUL") << "the loser opens the next hand";
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:3");
    EXPECT_TRUE(jetonsCoherents(e));
}

struct ClicsDe {
    int de;
    void (Jeu::*mettreDeCote)();
    void (Jeu::*remettreEnJeu)();
};

class ClicsDes : public DeuxJoueurs, public testing::WithParamInterface<ClicsDe> {};

TEST_P(ClicsDes, UnDeMisDeCoteGardeSaFaceJusquAuRetourEnJeu) {
    const auto [de, mettreDeCote, remettreEnJeu] = GetParam();
    jusquAuDechargement();
    lancer({6, 4, 2});
    const int face = jeu.etat().ValDe[de];
    (jeu.*mettreDeCote)();
    EXPECT_EQ(jeu.fenetre().imageSelectDe[de], face);
    EXPECT_TRUE(jeu.selectDeCliquable(de));
    lancer({1, 1, 1});
    for (int d = 1; d <= 3; ++d) {
        EXPECT_EQ(jeu.fenetre().ecarte[d], d == de) << "die " << d;
        EXPECT_EQ(jeu.etat().ValDe[d], d == de ? face : 1) << "die " << d;
    }
    (jeu.*remettreEnJeu)();
    EXPECT_FALSE(jeu.fenetre().ecarte[de]);
    EXPECT_TRUE(jeu.deCliquable(de));
}

INSTANTIATE_TEST_SUITE_P(Des, ClicsDes,
                         testing::Values(ClicsDe{1, &Jeu::De1Click, &Jeu::SelectDe1Click},
                                         ClicsDe{2, &Jeu::De2Click, &Jeu::SelectDe2Click},
                                         ClicsDe{3, &Jeu::De3Click, &Jeu::SelectDe3Click}));

TEST_F(DeuxJoueurs, LeGobeletDisparaitQuandLesTroisDesSontDeCote) {
    jusquAuDechargement();
    lancer({6, 5, 2});
    jeu.De1Click();
    jeu.De2Click();
    EXPECT_TRUE(jeu.gobeletCliquable());
    jeu.De3Click();
    EXPECT_FALSE(jeu.gobeletCliquable());
    jeu.SelectDe2Click();
    EXPECT_TRUE(jeu.gobeletCliquable());
}

TEST_F(DeuxJoueurs, NouvellePartieEnPleinTourRepartAuPropre) {
    jusquAuDechargement();
    jouerTour({6, 5, 2});
    lancer({3, 3, 1});
    jeu.De1Click();
    ASSERT_TRUE(jeu.butStopCliquable());
    jeu.MenuNouvelleClick();
    const regles::EtatJeu& e = jeu.etat();
    EXPECT_FALSE(jeu.butStopCliquable()) << "the first player must throw before passing";
    EXPECT_FALSE(jeu.fenetre().ecarte[1]);
    EXPECT_FALSE(jeu.deCliquable(2));
    EXPECT_EQ(e.ValeurPremier, 0);
    EXPECT_EQ(e.RangPremier, 0);
    EXPECT_TRUE(e.Charge);
    EXPECT_EQ(compterJetons(e.Pot), 11);
    EXPECT_TRUE(jetonsCoherents(e));
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:1");
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 1");
    EXPECT_EQ(jeu.etiJoueur(), "PAUL");
    jouerTour({6, 5, 2});
    EXPECT_EQ(jeu.etiJoueur(), "MARIE") << "the first pass of a new game is a first player's";
}

TEST_F(DeuxJoueurs, NouvellePartieAnnuleLeLancerEtLEgaliteEnCours) {
    jouerTour({6, 5, 2});
    jouerTour({6, 5, 2});
    ASSERT_TRUE(jeu.etiReposVisible());
    jeu.GobeletClick();
    jeu.MenuNouvelleClick();
    EXPECT_FALSE(jeu.lancerEnCours());
    EXPECT_FALSE(jeu.fenetre().sablier);
    EXPECT_FALSE(jeu.etiReposVisible());
    EXPECT_EQ(jeu.etat().MiseRepos, 0);
    tiquer(10);
    EXPECT_EQ(jeu.etat().NumLancer, 1) << "the cancelled throw is not counted";
    EXPECT_TRUE(jeu.gobeletCliquable());
}

// A whole game between two humans: the loading phase with a tie and its one-throw replay, the
// unloading phase, and the end of the round with its message; then nothing until a new game.
TEST_F(DeuxJoueurs, PartieComplete) {
    jouerTour({6, 5, 2});
    jouerTour({6, 5, 2});
    EXPECT_TRUE(jeu.etiReposVisible());
    EXPECT_EQ(jeu.etiJoueur(), "PAUL") << "the tied hand's first player opens the replay";
    jouerTour({3, 2, 1});
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:1");
    jouerTour({6, 5, 3}); // Paul's 321 wins the replay, but only the carried stake of 1
    EXPECT_FALSE(jeu.etiReposVisible());
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 1);
    EXPECT_EQ(jeu.etiJoueur(), "MARIE");

    jouerTour({6, 6, 3});
    jouerTour({1, 1, 1}); // 111 is worth seven tokens
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 8);
    jouerTour({6, 6, 3}); // Marie opens again and loses the pot's last three tokens
    jeu.prendreEffets();
    jouerTour({4, 2, 1});
    ASSERT_TRUE(jeu.etat().MancheFinie);
    EXPECT_EQ(fermerLesBoites(),
              (std::vector<Effet>{JouerSon{Son::LANCER}, JouerSon{Son::BRAVO},
                                  AfficherBoite{regles::TypeBoite::Information,
                                                "Bravo PAUL!\r\rUne autre manche ?"}}));
    EXPECT_FALSE(jeu.gobeletCliquable());
    EXPECT_FALSE(jeu.butStopCliquable());
    EXPECT_EQ(jeu.texteManches(), "Manches pour PAUL : 1\r\rManches pour MARIE : 0");

    jeu.MenuNouvelleClick();
    EXPECT_TRUE(jeu.gobeletCliquable());
    EXPECT_EQ(jeu.etat().Manches1, 1) << "rounds won survive a new game";
    jeu.MenuZeroClick();
    EXPECT_EQ(jeu.texteManches(), "Manches pour PAUL : 0\r\rManches pour MARIE : 0");
}

TEST_F(JeuTest, LeDialogueAnnuleDonneLesNomsParDefaut) {
    jeu.MenuNouvelleClick();
    jeu.deuxJoueurs(std::nullopt);
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur 1 : 0\r\rManches pour Joueur 2 : 0");
    jeu.unJoueur(std::nullopt);
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur 1 : 0\r\rManches pour ORDY : 0");
    EXPECT_EQ(jeu.etiJoueur(), "Joueur 1");
}

} // namespace
} // namespace tavlo::tour
