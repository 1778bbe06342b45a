// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

#include <set>

namespace tavlo::turn {
namespace {

using rules::Effet;

class DeuxJoueurs : public JeuTest {
protected:
    void SetUp() override {
        JeuTest::SetUp();
        jeu.MenuNouvelleClick();
        jeu.unJoueur("PAUL"); // a game against ORDY first: MARIE must not be played by it
        jeu.deuxJoueurs(std::pair<std::string, std::string>{"PAUL", "MARIE"});
        // Marie loses ten tokens from the pot, then Paul the last one: Paul opens the unloading
        // phase.
        for (const Faces& faces : {Faces{4, 2, 1}, {5, 3, 2}, {4, 2, 1}, {5, 3, 2}}) {
            jouerTour(faces);
        }
        jeu.prendreEffets();
    }
};

TEST_F(JeuTest, AvantLaPremierePartieSeulLeMenuRepond) {
    jeu.GobeletClick();
    jeu.ButStopClick();
    jeu.DeClick(1);
    EXPECT_EQ(jeu.etat(), rules::EtatJeu{});
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur1 : 0\r\rManches pour Joueur2 : 0");
    EXPECT_EQ(jeu.fenetre().m_imageDe[3], 1);
    EXPECT_TRUE(jeu.jetonVisible(Rangee::Pot, 1)) << "the pot is drawn full";
    jeu.deuxJoueurs(std::nullopt); // the names dialog cancelled gives the default names
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur 1 : 0\r\rManches pour Joueur 2 : 0");
    jeu.unJoueur(std::nullopt);
    EXPECT_EQ(jeu.texteManches(), "Manches pour Joueur 1 : 0\r\rManches pour ORDY : 0");
}

TEST(Generateur, TireLesSixFacesEtAucuneAutre) {
    Generateur g;
    std::set<int> faces;
    for (int tirage = 0; tirage < 600; ++tirage) {
        faces.insert(g.face());
    }
    EXPECT_EQ(faces, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(JeuTest, LeLancerDureSeptTopsEtTireLesFacesDeLHeureDuJour) {
    jeu.MenuNouvelleClick();
    des.prevoirHeure(43'200'000);
    jeu.GobeletClick();
    EXPECT_EQ(jeu.prendreEffets(), std::vector<Effet>{rules::JouerSon{rules::Son::LANCER}});
    EXPECT_TRUE(jeu.fenetre().m_sablier);
    tiquer(6);
    EXPECT_TRUE(jeu.lancerEnCours());
    tiquer(1);
    EXPECT_FALSE(jeu.fenetre().m_sablier);
    EXPECT_EQ(jeu.etat().Valeur, 531) << "noon throws 3, 1, 5";
    EXPECT_EQ(jeu.fenetre().m_imageDe[1], 3);

    jeu.ButStopClick();
    jeu.MenuSonClick();
    tiquer(1); // a tick raised before the click draws the first frame at once
    jeu.GobeletClick();
    EXPECT_TRUE(jeu.prendreEffets().empty()) << "the sound is switched off";
    const int face = jeu.fenetre().m_imageDe[1];
    jeu.BoiteFermee();  // a close with no box open counts for nothing
    jeu.BoiteOuverte(); // a box that the window opens by itself holds the throw
    tiquer(10);
    EXPECT_EQ(jeu.fenetre().m_imageDe[1], face) << "no frame is drawn under the box";
    jeu.BoiteFermee();
    tiquer(4);
    EXPECT_TRUE(jeu.lancerEnCours());
    tiquer(1);
    EXPECT_FALSE(jeu.lancerEnCours()) << "the tick raised under the box drew a frame at once";
}

TEST_F(DeuxJoueurs, LeRecitDitLesDesGardesEtLesJetonsDonnes) {
    const Recit& r = jeu.recit();
    lancer({6, 5, 2});
    jeu.DeClick(1);
    lancer({6, 3, 1});
    EXPECT_EQ(r.m_lancers, 6);
    EXPECT_TRUE(r.m_ecartes[1]);
    EXPECT_FALSE(r.m_ecartes[2] || r.m_ecartes[3]);
    jeu.ButStopClick();
    EXPECT_EQ(r.m_passes, 5);
    EXPECT_EQ(r.m_jetonsDonnes, 0) << "a first player's pass moves no token";
    // Marie's 654 beats Paul's 631: she gives him two of her ten tokens.
    jouerTour({6, 5, 4});
    EXPECT_EQ(r.m_jetonsDonnes, 2);
    EXPECT_EQ(r.m_donneur, Rangee::Joueur2);
    EXPECT_EQ(r.m_receveur, Rangee::Joueur1);
}

TEST_F(DeuxJoueurs, LeSecondJoueurLanceAuPlusAutantQueLePremier) {
    const rules::EtatJeu& e = jeu.etat();
    EXPECT_FALSE(e.Charge);
    lancer({6, 5, 2});
    EXPECT_EQ(jeu.fenetre().m_etiLancer, "Lancer n° 2");
    jouerTour({3, 1, 1});
    EXPECT_EQ(e.NbFaces[6], 0) << "the faces are counted afresh at every throw";
    EXPECT_EQ(e.RangPremier, 6);
    EXPECT_EQ(jeu.etiJoueur(), "MARIE");
    EXPECT_EQ(jeu.fenetre().m_cpsMaxi, "Nombre de coups maxi:2");
    EXPECT_EQ(jeu.fenetre().m_etiLancer, "Lancer n° 1");
    EXPECT_FALSE(jeu.butStopCliquable()) << "Marie must throw before passing";
    EXPECT_FALSE(jeu.deCliquable(1)) << "Marie cannot keep Paul's dice";
    lancer({5, 4, 1});
    lancer({6, 1, 1});
    EXPECT_FALSE(jeu.gobeletCliquable());
    EXPECT_FALSE(jeu.deCliquable(1)) << "dice stay put after the last throw";
    jeu.ButStopClick();
    EXPECT_EQ(compterJetons(e.Jetons1), 7) << "611 beats 311 and is worth six tokens";
    EXPECT_EQ(jeu.etiJoueur(), "PAUL") << "the loser opens the next hand";
    EXPECT_EQ(jeu.fenetre().m_cpsMaxi, "Nombre de coups maxi:3");
    lancer({6, 5, 2});
    lancer({6, 5, 2});
    jouerTour({6, 5, 2});
    EXPECT_EQ(jeu.fenetre().m_cpsMaxi, "Nombre de coups maxi:3") << "Paul threw three times";
}

TEST_F(DeuxJoueurs, LaRemiseAZeroEffaceLesManchesDuSecondJoueur) {
    jouerTour({6, 5, 2});
    jouerTour({4, 2, 1}); // Marie's 421: she gives Paul her ten tokens and he holds all eleven
    EXPECT_EQ(jeu.texteManches(), "Manches pour PAUL : 0\r\rManches pour MARIE : 1");
    jeu.MenuZeroClick();
    EXPECT_EQ(jeu.texteManches(), "Manches pour PAUL : 0\r\rManches pour MARIE : 0");
}

class ClicsDes : public DeuxJoueurs, public testing::WithParamInterface<int> {};

TEST_P(ClicsDes, UnDeMisDeCoteGardeSaFaceJusquAuRetourEnJeu) {
    const int de = GetParam();
    lancer({6, 4, 2});
    const int face = jeu.etat().ValDe[de];
    jeu.DeClick(de);
    EXPECT_EQ(jeu.fenetre().m_imageSelectDe[de], face);
    lancer({1, 1, 1});
    for (int d = 1; d <= 3; ++d) {
        EXPECT_EQ(jeu.fenetre().m_ecarte[d], d == de) << "die " << d;
        EXPECT_EQ(jeu.etat().ValDe[d], d == de ? face : 1) << "die " << d;
        jeu.DeClick(d);
    }
    EXPECT_FALSE(jeu.gobeletCliquable()) << "no throw with all three dice set aside";
    jeu.SelectDeClick(de);
    EXPECT_TRUE(jeu.deCliquable(de));
    EXPECT_TRUE(jeu.gobeletCliquable());
}

INSTANTIATE_TEST_SUITE_P(Des, ClicsDes, testing::Range(1, 4));

TEST_F(DeuxJoueurs, NouvellePartieEnPleinTourRepartAuPropre) {
    lancer({6, 5, 2});
    jouerTour({6, 5, 3}); // Paul throws twice, so Marie may too
    lancer({3, 3, 1});
    jeu.DeClick(1);
    jeu.GobeletClick();
    jeu.MenuNouvelleClick();
    EXPECT_FALSE(jeu.fenetre().m_sablier);
    EXPECT_FALSE(jeu.butStopCliquable()) << "the first player must throw before passing";
    EXPECT_FALSE(jeu.fenetre().m_ecarte[1]);
    EXPECT_EQ(jeu.fenetre().m_imageDe[1], 1) << "the dice show their starting face";
    EXPECT_FALSE(jeu.deCliquable(2));
    EXPECT_EQ(jeu.etat().RangPremier, 0);
    EXPECT_EQ(compterJetons(jeu.etat().Pot), 11);
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 0);
    EXPECT_EQ(jeu.fenetre().m_cpsMaxi, "Nombre de coups maxi:1");
    tiquer(10);
    EXPECT_EQ(jeu.fenetre().m_etiLancer, "Lancer n° 1") << "the cancelled throw is not counted";
    jouerTour({6, 5, 2});
    EXPECT_EQ(jeu.etiJoueur(), "MARIE") << "the first pass of a new game is a first player's";
    jouerTour({6, 5, 2});
    ASSERT_TRUE(jeu.etiReposVisible());
    jeu.MenuNouvelleClick();
    EXPECT_FALSE(jeu.etiReposVisible()) << "a new game drops the tie in progress";
    EXPECT_EQ(jeu.etat().MiseRepos, 0);
}

} // namespace
} // namespace tavlo::turn
