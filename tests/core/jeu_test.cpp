// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

#include "rules/textes.h"

namespace tavlo::tour {
namespace {

using regles::AfficherBoite;
using regles::Effet;
using regles::JouerSon;
using regles::Son;

class Partie2Joueurs : public JeuTest {
protected:
    void SetUp() override {
        JeuTest::SetUp();
        jeu.MenuNouvelleClick();
        jeu.deuxJoueurs(std::pair<std::string, std::string>{"PAUL", "MARIE"});
    }

    // Two loading hands: Marie receives ten tokens, then Paul the pot's last one. Paul, with one
    // token, opens the first hand of the unloading phase, with three throws.
    void jusquAuDechargement() {
        jouerTour({4, 2, 1});
        jouerTour({5, 3, 2});
        jouerTour({4, 2, 1});
        jouerTour({5, 3, 2});
        ASSERT_FALSE(jeu.etat().Charge);
        ASSERT_EQ(jeu.etiJoueur(), "PAUL");
        ASSERT_EQ(compterJetons(jeu.etat().Jetons1), 1);
        ASSERT_EQ(jeu.etat().CoupsMaxi, 3);
        jeu.prendreEffets();
    }
};

TEST_F(JeuTest, AvantLaPremierePartieSeulLeMenuJoue) {
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi: 1");
    EXPECT_EQ(jeu.etiJoueur(), "");
    EXPECT_EQ(jeu.fenetre().etiLancer, "");
    EXPECT_EQ(jeu.nomJoueur(Siege::Un), "Joueur1");
    EXPECT_EQ(jeu.nomJoueur(Siege::Deux), "Joueur2");
    EXPECT_EQ(jeu.fenetre().imageDe, (regles::TableauUn<int, 3>(1)));
    EXPECT_FALSE(jeu.gobeletCliquable());
    EXPECT_FALSE(jeu.butStopCliquable());
    for (int de = 1; de <= 3; ++de) {
        EXPECT_FALSE(jeu.deCliquable(de));
        EXPECT_FALSE(jeu.selectDeCliquable(de));
    }
    // The pot is drawn full although no game has filled it yet.
    EXPECT_TRUE(jeu.jetonVisible(Rangee::Pot, 1));
    EXPECT_FALSE(jeu.etat().Pot[1]);
    EXPECT_EQ(jeu.etat(), regles::EtatJeu{});
    jeu.GobeletClick();
    jeu.ButStopClick();
    EXPECT_FALSE(jeu.lancerEnCours());
}

TEST_F(JeuTest, NouvellePartieOuvreLeChargementAuJoueur1) {
    jeu.MenuNouvelleClick();
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:1");
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 1");
    EXPECT_EQ(jeu.etiJoueur(), "Joueur1");
    EXPECT_TRUE(jeu.gobeletCliquable());
    EXPECT_FALSE(jeu.butStopCliquable()) << "the first player must throw before passing";
    EXPECT_TRUE(jeu.etat().Charge);
    EXPECT_TRUE(jetonsCoherents(jeu.etat()));
    EXPECT_EQ(compterJetons(jeu.etat().Pot), 11);
}

struct Graine {
    std::uint32_t ms;
    std::array<int, 3> faces;
    int valeur;
    int rang;
};

class Graines : public JeuTest, public testing::WithParamInterface<Graine> {};

TEST_P(Graines, LeLancerDonneLesFacesDeSaGraine) {
    jeu.MenuNouvelleClick();
    horloge.ms = GetParam().ms;
    jeu.GobeletClick();
    finirLeLancer();
    const regles::EtatJeu& e = jeu.etat();
    EXPECT_EQ(e.ValDe[1], GetParam().faces[0]);
    EXPECT_EQ(e.ValDe[2], GetParam().faces[1]);
    EXPECT_EQ(e.ValDe[3], GetParam().faces[2]);
    EXPECT_EQ(e.Valeur, GetParam().valeur);
    EXPECT_EQ(e.Rang, GetParam().rang);
    EXPECT_EQ(jeu.fenetre().imageDe[1], GetParam().faces[0]);
}

INSTANTIATE_TEST_SUITE_P(Midi, Graines,
                         testing::Values(Graine{43'200'000, {3, 1, 5}, 531, 17},
                                         Graine{0, {5, 2, 5}, 552, 17}));

TEST_F(JeuTest, UnTopDejaLeveDessineLaPremiereImageTout) {
    jeu.MenuNouvelleClick();
    jeu.TempoTimer(); // a tick while nothing animates stays raised
    jeu.GobeletClick();
    EXPECT_EQ(jeu.etat().CptAnim, 2);
    for (int tick = 0; tick < 5; ++tick) {
        jeu.TempoTimer();
    }
    EXPECT_TRUE(jeu.lancerEnCours());
    EXPECT_TRUE(jeu.fenetre().sablier);
    jeu.TempoTimer();
    EXPECT_FALSE(jeu.lancerEnCours());
    EXPECT_FALSE(jeu.fenetre().sablier);
    EXPECT_EQ(jeu.etat().CptAnim, 8);
}

TEST_F(JeuTest, UneBoiteOuverteParLaFenetreSuspendLeLancer) {
    jeu.MenuNouvelleClick();
    jeu.GobeletClick();
    jeu.TempoTimer();
    jeu.BoiteOuverte();
    for (int tick = 0; tick < 10; ++tick) {
        jeu.TempoTimer();
    }
    EXPECT_EQ(jeu.etat().CptAnim, 2) << "no frame is drawn under the box";
    EXPECT_FALSE(jeu.butStopCliquable());
    jeu.BoiteFermee();
    EXPECT_EQ(jeu.etat().CptAnim, 3) << "the tick raised under the box draws a frame at once";
}

TEST_F(JeuTest, SansTopLeveLeLancerAttendSeptTops) {
    jeu.MenuNouvelleClick();
    jeu.GobeletClick();
    EXPECT_EQ(jeu.etat().CptAnim, 1);
    for (int tick = 0; tick < 6; ++tick) {
        jeu.TempoTimer();
    }
    EXPECT_TRUE(jeu.lancerEnCours());
    jeu.TempoTimer();
    EXPECT_FALSE(jeu.lancerEnCours());
}

TEST_F(JeuTest, LeSonDuLancerSuitLInterrupteur) {
    jeu.MenuNouvelleClick();
    jeu.GobeletClick();
    EXPECT_EQ(jeu.prendreEffets(), std::vector<Effet>{JouerSon{Son::LANCER}});
    finirLeLancer();
    jeu.ButStopClick();
    jeu.MenuSonClick();
    jeu.GobeletClick();
    EXPECT_TRUE(jeu.prendreEffets().empty());
}

TEST_F(Partie2Joueurs, PendantLAnimationRienNePrendDeClic) {
    jusquAuDechargement();
    lancer({6, 5, 2});
    jeu.DeClick(1);
    jeu.GobeletClick();
    ASSERT_TRUE(jeu.lancerEnCours());
    const Fenetre avant = jeu.fenetre();
    jeu.ButStopClick();
    jeu.GobeletClick();
    jeu.DeClick(2);
    jeu.SelectDeClick(1);
    EXPECT_EQ(jeu.fenetre(), avant);
    EXPECT_EQ(jeu.etat().ValeurPremier, 0) << "no pass while the dice roll";
    EXPECT_FALSE(jeu.butStopCliquable());
    EXPECT_FALSE(jeu.gobeletCliquable());
}

TEST_F(Partie2Joueurs, UnDeEcarteGardeSaFaceEtSesTiragesSontJetes) {
    jusquAuDechargement();
    lancer({6, 4, 2});
    jeu.De2Click();
    EXPECT_EQ(jeu.fenetre().imageSelectDe[2], 4);
    horloge.ms = 43'200'000;
    jeu.GobeletClick();
    finirLeLancer();
    const regles::EtatJeu& e = jeu.etat();
    EXPECT_EQ(e.ValDe[1], 3);
    EXPECT_EQ(e.ValDe[2], 4) << "the die set aside keeps its face";
    EXPECT_EQ(e.ValDe[3], 5);
    EXPECT_EQ(e.Valeur, 543);
    EXPECT_EQ(e.Rang, 14);
}

TEST_F(Partie2Joueurs, TourDeTroisLancers) {
    jusquAuDechargement();
    lancer({6, 5, 2});
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 2");
    EXPECT_TRUE(jeu.gobeletCliquable());
    EXPECT_TRUE(jeu.deCliquable(1));
    lancer({6, 5, 3});
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 3");
    lancer({6, 6, 3});
    const regles::EtatJeu& e = jeu.etat();
    EXPECT_EQ(e.NumLancer, 4);
    EXPECT_EQ(e.CoupsRestants, 0);
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 3") << "the label keeps the last throw";
    EXPECT_FALSE(jeu.fenetre().gobeletVisible);
    EXPECT_FALSE(jeu.deCliquable(1)) << "dice stay put after the last throw";
    EXPECT_TRUE(jeu.butStopCliquable());
}

TEST_F(Partie2Joueurs, LeGobeletDisparaitAuTroisiemeDeEcarte) {
    jusquAuDechargement();
    lancer({6, 5, 2});
    jeu.De1Click();
    jeu.De2Click();
    EXPECT_TRUE(jeu.fenetre().gobeletVisible);
    jeu.De3Click();
    EXPECT_FALSE(jeu.fenetre().gobeletVisible);
    EXPECT_FALSE(jeu.deCliquable(3));
    EXPECT_TRUE(jeu.selectDeCliquable(3));
    jeu.SelectDe2Click();
    EXPECT_TRUE(jeu.fenetre().gobeletVisible);
    EXPECT_FALSE(jeu.fenetre().ecarte[2]);
    jeu.SelectDe1Click();
    EXPECT_TRUE(jeu.fenetre().gobeletVisible);
}

TEST_F(Partie2Joueurs, LeSecondJoueurLanceAuPlusAutantQueLePremier) {
    jusquAuDechargement();
    lancer({6, 5, 2});
    lancer({6, 5, 3});
    jeu.ButStopClick();
    EXPECT_EQ(jeu.etiJoueur(), "MARIE");
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:2");
    EXPECT_EQ(jeu.fenetre().etiLancer, "Lancer n° 1");
    EXPECT_EQ(jeu.fenetre().ecarte, (regles::TableauUn<bool, 3>(false)));
    EXPECT_TRUE(jeu.gobeletCliquable());
    EXPECT_FALSE(jeu.butStopCliquable());
    // The pass left the dice disabled: Marie cannot keep Paul's dice.
    EXPECT_FALSE(jeu.deCliquable(1));
    lancer({5, 4, 1});
    lancer({6, 6, 4});
    EXPECT_FALSE(jeu.gobeletCliquable());
    EXPECT_EQ(jeu.etat().CoupsRestants, 0);
    jeu.ButStopClick();
    // Marie's 664 beats Paul's 653: she gives him one of her tokens.
    EXPECT_EQ(compterJetons(jeu.etat().Jetons1), 2);
    EXPECT_EQ(jeu.etiJoueur(), "PAUL") << "the loser opens the next hand";
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:3");
    EXPECT_TRUE(jetonsCoherents(jeu.etat()));
}

TEST_F(Partie2Joueurs, NouvellePartiePendantUnLancerRepartAuPropre) {
    jusquAuDechargement();
    jouerTour({5, 5, 2}); // Paul passes after one throw; ValeurPremier is set
    jeu.GobeletClick();
    ASSERT_TRUE(jeu.lancerEnCours());
    const int manches1 = jeu.etat().Manches1;
    jeu.MenuNouvelleClick();
    EXPECT_FALSE(jeu.lancerEnCours());
    EXPECT_FALSE(jeu.fenetre().sablier);
    EXPECT_EQ(jeu.etat().ValeurPremier, 0);
    EXPECT_EQ(jeu.etat().RangPremier, 0);
    EXPECT_FALSE(jeu.etiReposVisible());
    EXPECT_FALSE(jeu.butStopCliquable());
    EXPECT_EQ(jeu.etiJoueur(), "PAUL");
    EXPECT_EQ(jeu.nomJoueur(Siege::Deux), "MARIE");
    EXPECT_EQ(jeu.etat().Manches1, manches1);
    for (int tick = 0; tick < 10; ++tick) {
        jeu.TempoTimer();
    }
    EXPECT_EQ(jeu.etat().NumLancer, 1) << "the cancelled throw is not counted";
    EXPECT_TRUE(jetonsCoherents(jeu.etat()));
}

TEST_F(Partie2Joueurs, NouvellePartieEffaceUneEgaliteEnAttente) {
    jouerTour({6, 5, 2});
    jouerTour({6, 5, 2});
    ASSERT_TRUE(jeu.etiReposVisible());
    jeu.MenuNouvelleClick();
    EXPECT_FALSE(jeu.etiReposVisible());
    EXPECT_EQ(jeu.etat().MiseRepos, 0);
}

// A whole game between two humans: the loading phase with a tie and its one-throw replay, the
// unloading phase, and the end of the round with its message; then nothing until a new game.
TEST_F(Partie2Joueurs, PartieComplete) {
    jouerTour({6, 5, 2});
    jouerTour({6, 5, 2});
    EXPECT_TRUE(jeu.etiReposVisible());
    EXPECT_EQ(jeu.etiJoueur(), "PAUL") << "the tied hand's first player opens the replay";
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:1");
    jouerTour({3, 2, 1});
    EXPECT_EQ(jeu.fenetre().cpsMaxi, "Nombre de coups maxi:1");
    jouerTour({6, 5, 3}); // Paul's 321 wins the replay, but only the carried stake of 1
    EXPECT_FALSE(jeu.etiReposVisible());
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 1);
    EXPECT_EQ(jeu.etiJoueur(), "MARIE");
    EXPECT_TRUE(jetonsCoherents(jeu.etat()));

    jouerTour({6, 6, 3});
    jouerTour({1, 1, 1}); // 111 is worth seven tokens
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 8);
    EXPECT_TRUE(jeu.etat().Charge);
    jouerTour({6, 6, 3}); // Marie opens again and loses the pot's last three tokens
    jeu.prendreEffets();
    jouerTour({4, 2, 1});
    EXPECT_FALSE(jeu.etat().Charge);
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 11);
    ASSERT_TRUE(jeu.etat().MancheFinie);
    EXPECT_EQ(jeu.etat().Manches1, 1);
    const std::vector<Effet> effets = fermerLesBoites();
    EXPECT_EQ(effets, (std::vector<Effet>{JouerSon{Son::LANCER}, JouerSon{Son::BRAVO},
                                          AfficherBoite{regles::TypeBoite::Information,
                                                        "Bravo PAUL!\r\rUne autre manche ?"}}));

    // The round is over: no throw and no pass until a new game.
    EXPECT_FALSE(jeu.fenetre().gobeletVisible);
    EXPECT_FALSE(jeu.butStopCliquable());
    for (int de = 1; de <= 3; ++de) {
        EXPECT_FALSE(jeu.deCliquable(de));
    }
    jeu.MenuNouvelleClick();
    EXPECT_TRUE(jeu.gobeletCliquable());
    EXPECT_EQ(jeu.etat().Manches1, 1) << "rounds won survive a new game";
    EXPECT_EQ(compterJetons(jeu.etat().Pot), 11);
}

TEST_F(JeuTest, ModesEtNomsApresLeDialogue) {
    jeu.MenuNouvelleClick();
    jeu.unJoueur(std::nullopt);
    EXPECT_EQ(jeu.nomJoueur(Siege::Un), "Joueur 1");
    EXPECT_EQ(jeu.nomJoueur(Siege::Deux), "ORDY");
    EXPECT_TRUE(jeu.etat().ModeSolo);
    EXPECT_EQ(jeu.etiJoueur(), "Joueur 1");
    jeu.deuxJoueurs(std::nullopt);
    EXPECT_EQ(jeu.nomJoueur(Siege::Un), "Joueur 1");
    EXPECT_EQ(jeu.nomJoueur(Siege::Deux), "Joueur 2");
    EXPECT_FALSE(jeu.etat().ModeSolo);
    jeu.unJoueur("PAUL");
    EXPECT_EQ(jeu.etiJoueur(), "PAUL");
}

TEST_F(JeuTest, TexteDesManchesAvantToutePartie) {
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur1 : 0\r\rManches pour Joueur2 : 0");
}

} // namespace
} // namespace tavlo::tour
