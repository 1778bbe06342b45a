// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

namespace tavlo::turn {
namespace {

using rules::AfficherBoite;
using rules::Effet;
using rules::JouerSon;
using rules::Son;

class DeuxJoueurs : public JeuTest {
protected:
    void SetUp() override {
        JeuTest::SetUp();
        jeu.MenuNouvelleClick();
        jeu.deuxJoueurs(std::pair<std::string, std::string>{"PAUL", "MARIE"});
    }

    // Marie loses ten tokens from the pot, then Paul the last one: Paul opens the unloading phase.
    void jusquAuDechargement() {
        for (const Faces& faces : {Faces{4, 2, 1}, {5, 3, 2}, {4, 2, 1}, {5, 3, 2}}) {
            jouerTour(faces);
        }
        ASSERT_FALSE(jeu.etat().Charge);
        jeu.prendreEffets();
    }
};

TEST_F(JeuTest, AvantLaPremierePartieSeulLeMenuRepond) {
    jeu.GobeletClick();
    jeu.ButStopClick();
    jeu.De1Click();
    EXPECT_EQ(jeu.etat(), rules::EtatJeu{});
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur1 : 0\r\rManches pour Joueur2 : 0");
    EXPECT_EQ(jeu.fenetre().imageDe[3], 1);
    EXPECT_TRUE(jeu.jetonVisible(Rangee::Pot, 1)) << "the pot is drawn full";
}

TEST_F(JeuTest, LeLancerDureSeptTopsEtTireLesFacesDeLHeureDuJour) {
    jeu.MenuNouvelleClick();
    des.prevoirHeure(43'200'000);
    jeu.GobeletClick();
    EXPECT_EQ(jeu.prendreEffets(), std::vector<Effet>{JouerSon{Son::LANCER}});
    EXPECT_TRUE(jeu.fenetre().sablier);
    tiquer(6);
    EXPECT_TRUE(jeu.lancerEnCours());
    tiquer(1);
    EXPECT_FALSE(jeu.fenetre().sablier);
    EXPECT_EQ(jeu.etat().Valeur, 531) << "noon throws 3, 1, 5";
    EXPECT_EQ(jeu.fenetre().imageDe[1], 3);

    jeu.ButStopClick();
    jeu.MenuSonClick();
    jeu.GobeletClick();
    EXPECT_TRUE(jeu.prendreEffets().empty()) << "the sound is switched off";
    jeu.BoiteOuverte(); // a box that the window opens by itself holds the throw
    tiquer(10);
    EXPECT_EQ(jeu.etat().CptAnim, 1);
    jeu.BoiteFermee();
    EXPECT_EQ(jeu.etat().CptAnim, 2) << "the tick raised under the box draws a frame at once";
}

TEST_F(DeuxJoueurs, LeRecitDitLesDesGardesEtLesJetonsDonnes) {
    jusquAuDechargement();
    const Recit& r = jeu.recit();
    lancer({6, 5, 2});
    jeu.De1Click();
    lancer({6, 3, 1});
    EXPECT_EQ(r.lancers, 6);
    EXPECT_TRUE(r.ecartes[1] && !r.ecartes[2] && !r.ecartes[3]) << r.ecartes;
    jeu.ButStopClick();
    EXPECT_EQ(r.passes, 5);
    EXPECT_EQ(r.jetonsDonnes, 0) << "a first player's pass moves no token";
    // Marie's 654 beats Paul's 631: she gives him two of her ten tokens.
    jouerTour({6, 5, 4});
    EXPECT_EQ(r.jetonsDonnes, 2);
    EXPECT_EQ(r.donneur, Rangee::Joueur2);
    EXPECT_EQ(r.receveur, Rangee::Joueur1);
}

TEST_F(DeuxJoueurs, LeSecondJoueurLanceAuPlusAutantQueLePremier) {
    jusquAuDechargement();
    lancer({6, 5, 2});
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 2");
    lancer({3, 1, 1});
    const rules::EtatJeu& e = jeu.etat();
    EXPECT_EQ(e.NbFaces[6], 0) << "the faces are counted afresh at every throw";
    jeu.ButStopClick();
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
    jeu.ButStopClick();
    EXPECT_EQ(compterJetons(e.Jetons1), 7) << "611 beats 311 and is worth six tokens";
    EXPECT_EQ(jeu.etiJoueur(), "PAUL") << "the loser opens the next hand";
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:3");
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
    lancer({1, 1, 1});
    for (int d = 1; d <= 3; ++d) {
        EXPECT_EQ(jeu.fenetre().ecarte[d], d == de) << "die " << d;
        EXPECT_EQ(jeu.etat().ValDe[d], d == de ? face : 1) << "die " << d;
    }
    for (int d = 1; d <= 3; ++d) {
        jeu.DeClick(d);
    }
    EXPECT_FALSE(jeu.gobeletCliquable()) << "no throw with all three dice set aside";
    (jeu.*remettreEnJeu)();
    EXPECT_TRUE(jeu.deCliquable(de));
    EXPECT_TRUE(jeu.gobeletCliquable());
}

INSTANTIATE_TEST_SUITE_P(Des, ClicsDes,
                         testing::Values(ClicsDe{1, &Jeu::De1Click, &Jeu::SelectDe1Click},
                                         ClicsDe{2, &Jeu::De2Click, &Jeu::SelectDe2Click},
                                         ClicsDe{3, &Jeu::De3Click, &Jeu::SelectDe3Click}));

TEST_F(DeuxJoueurs, NouvellePartieEnPleinTourRepartAuPropre) {
    jusquAuDechargement();
    lancer({6, 5, 2});
    jouerTour({6, 5, 3}); // Paul throws twice, so Marie may too
    lancer({3, 3, 1});
    jeu.De1Click();
    ASSERT_TRUE(jeu.fenetre().ecarte[1]);
    ASSERT_EQ(jeu.fenetre().etiLancer, "Lancer n° 2");
    jeu.MenuNouvelleClick();
    EXPECT_FALSE(jeu.butStopCliquable()) << "the first player must throw before passing";
    EXPECT_FALSE(jeu.fenetre().ecarte[1]);
    EXPECT_FALSE(jeu.deCliquable(2));
    EXPECT_EQ(jeu.etat().RangPremier, 0);
    EXPECT_EQ(compterJetons(jeu.etat().Pot), 11);
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:1");
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 1");
    jouerTour({6, 5, 2});
    EXPECT_EQ(jeu.etiJoueur(), "MARIE") << "the first pass of a new game is a first player's";
}

TEST_F(DeuxJoueurs, NouvellePartieAnnuleLeLancerEtLEgaliteEnCours) {
    jouerTour({6, 5, 2});
    jouerTour({6, 5, 2});
    jeu.GobeletClick();
    jeu.MenuNouvelleClick();
    EXPECT_FALSE(jeu.fenetre().sablier);
    EXPECT_FALSE(jeu.etiReposVisible());
    EXPECT_EQ(jeu.etat().MiseRepos, 0);
    tiquer(10);
    EXPECT_EQ(jeu.etat().NumLancer, 1) << "the cancelled throw is not counted";
}

// Marie, holding ten tokens, passes with a throw to spare and loses Paul's last token: Paul wins
// the round. Nothing more is played until a new game, which keeps the rounds won.
TEST_F(DeuxJoueurs, FinDeMancheEntreDeuxHumains) {
    jusquAuDechargement();
    lancer({6, 5, 2});
    jouerTour({4, 2, 1});
    jouerTour({5, 3, 2});
    ASSERT_TRUE(jeu.enAttenteBoite());
    jeu.BoiteFermee();
    EXPECT_FALSE(jeu.gobeletCliquable());
    EXPECT_FALSE(jeu.butStopCliquable());
    EXPECT_EQ(jeu.texteManches(), "Manches pour PAUL : 1\r\rManches pour MARIE : 0");
    jeu.MenuNouvelleClick();
    EXPECT_TRUE(jeu.gobeletCliquable());
    EXPECT_EQ(jeu.etat().Manches1, 1);
    jeu.MenuZeroClick();
    EXPECT_EQ(jeu.texteManches(), "Manches pour PAUL : 0\r\rManches pour MARIE : 0");
}

TEST_F(JeuTest, LeDialogueAnnuleDonneLesNomsParDefaut) {
    jeu.deuxJoueurs(std::nullopt);
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur 1 : 0\r\rManches pour Joueur 2 : 0");
    jeu.unJoueur(std::nullopt);
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur 1 : 0\r\rManches pour ORDY : 0");
}

} // namespace
} // namespace tavlo::turn
