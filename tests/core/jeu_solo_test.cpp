// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

namespace tavlo::tour {
namespace {

using regles::AfficherBoite;
using regles::Effet;
using regles::JouerSon;
using regles::Son;
using regles::TypeBoite;

class PartieSolo : public JeuTest {
protected:
    void SetUp() override {
        JeuTest::SetUp();
        jeu.MenuNouvelleClick();
        jeu.unJoueur("PAUL");
        jeu.MenuSonClick(); // throws are silent, so the effects show only what matters here
    }

    // Ticks until ORDY is waiting for something else than a tick, at most `maxi` ticks.
    int tiquerTantQueOrdyJoue(int maxi = 40) {
        int ticks = 0;
        while (jeu.ordyJoue() && !jeu.enAttenteBoite() && ticks < maxi) {
            jeu.TempoTimer();
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(PartieSolo, OrdyAuChargementLanceUneFoisFaitSaPauseEtPasse) {
    lancer({4, 2, 1});
    horloge.ms = graineDonnant({5, 3, 2});
    jeu.ButStopClick();
    EXPECT_EQ(jeu.etiJoueur(), "ORDY");
    ASSERT_TRUE(jeu.ordyJoue());
    ASSERT_TRUE(jeu.lancerEnCours()) << "ORDY throws as soon as the turn is his";

    // The human's controls take nothing while ORDY plays.
    const Fenetre avant = jeu.fenetre();
    jeu.GobeletClick();
    jeu.De1Click();
    jeu.ButStopClick();
    EXPECT_EQ(jeu.fenetre(), avant);

    for (int tick = 0; tick < 7; ++tick) {
        jeu.TempoTimer();
    }
    EXPECT_FALSE(jeu.lancerEnCours());
    EXPECT_EQ(jeu.etat().Valeur, 532);
    jeu.TempoTimer();
    EXPECT_TRUE(jeu.ordyJoue()) << "the pause lasts two ticks";
    jeu.TempoTimer();
    EXPECT_FALSE(jeu.lancerEnCours());

    // ORDY lost its hand as second player: it says so before opening the next one.
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 10);
    const std::vector<Effet> aMoi{
        AfficherBoite{TypeBoite::Personnalise, "C'est à moi de relancer..."}};
    EXPECT_EQ(jeu.prendreEffets(), aMoi);
    EXPECT_TRUE(jeu.ordyJoue());
    EXPECT_TRUE(jeu.enAttenteBoite());
    for (int tick = 0; tick < 5; ++tick) {
        jeu.TempoTimer();
    }
    EXPECT_FALSE(jeu.lancerEnCours()) << "nothing starts under the box";
    EXPECT_TRUE(jeu.etat().TopTempo);
    jeu.BoiteFermee();
    EXPECT_TRUE(jeu.lancerEnCours());
    EXPECT_EQ(jeu.etat().CptAnim, 2) << "the tick raised under the box draws the first frame";
}

TEST_F(PartieSolo, PartieJusquALaFinDeLaManche) {
    // Hand 1: ORDY loses ten tokens from the pot.
    lancer({4, 2, 1});
    horloge.ms = graineDonnant({5, 3, 2});
    jeu.ButStopClick();
    tiquerTantQueOrdyJoue();
    ASSERT_TRUE(jeu.enAttenteBoite());

    // Hand 2: ORDY opens as soon as the box is closed, throws 652 once and passes; Paul beats it
    // and ORDY takes the pot's last token.
    horloge.ms = graineDonnant({6, 5, 2});
    fermerLesBoites();
    tiquerTantQueOrdyJoue();
    EXPECT_EQ(jeu.etat().ValeurPremier, 652);
    EXPECT_FALSE(jeu.ordyJoue());
    EXPECT_EQ(jeu.etiJoueur(), "PAUL");
    EXPECT_TRUE(jeu.gobeletCliquable());
    jeu.prendreEffets();
    lancer({6, 5, 4});
    jeu.ButStopClick();
    EXPECT_TRUE(jeu.etat().MancheFinie);
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 11);
    EXPECT_EQ(jeu.etat().Manches1, 1);
    EXPECT_EQ(fermerLesBoites(),
              (std::vector<Effet>{
                  JouerSon{Son::BRAVO},
                  AfficherBoite{TypeBoite::Information, "Bravo PAUL!\r\rUne autre manche ?"}}));
    EXPECT_FALSE(jeu.ordyJoue()) << "ORDY does not play once the round is over";
    EXPECT_FALSE(jeu.gobeletCliquable());
}

TEST_F(PartieSolo, OrdyGagneLaMancheEtSeVante) {
    lancer({5, 3, 2});
    horloge.ms = graineDonnant({4, 2, 1});
    jeu.ButStopClick();
    tiquerTantQueOrdyJoue();
    EXPECT_FALSE(jeu.ordyJoue());
    EXPECT_TRUE(jeu.prendreEffets().empty()) << "ORDY won: no message";
    EXPECT_EQ(jeu.etiJoueur(), "PAUL");
    lancer({5, 3, 2});
    horloge.ms = graineDonnant({4, 2, 1});
    jeu.ButStopClick();
    tiquerTantQueOrdyJoue();
    EXPECT_EQ(jeu.etat().Manches2, 1);
    EXPECT_EQ(
        fermerLesBoites(),
        (std::vector<Effet>{JouerSon{Son::MEILLEUR},
                            AfficherBoite{TypeBoite::Information,
                                          "Je suis vraiment le meilleur!\r\rUne autre manche ?"}}));
}

TEST_F(PartieSolo, NouvellePartieArreteOrdyProprement) {
    lancer({4, 2, 1});
    jeu.ButStopClick();
    ASSERT_TRUE(jeu.ordyJoue());
    jeu.TempoTimer();
    jeu.MenuNouvelleClick();
    EXPECT_FALSE(jeu.ordyJoue());
    EXPECT_FALSE(jeu.lancerEnCours());
    EXPECT_EQ(jeu.etiJoueur(), "PAUL");
    EXPECT_TRUE(jeu.gobeletCliquable());
    EXPECT_EQ(jeu.nomJoueur(Siege::Deux), "ORDY") << "the mode carries over";
    for (int tick = 0; tick < 20; ++tick) {
        jeu.TempoTimer();
    }
    EXPECT_EQ(jeu.etat().ValeurPremier, 0);
    EXPECT_TRUE(jetonsCoherents(jeu.etat()));
}

} // namespace
} // namespace tavlo::tour
