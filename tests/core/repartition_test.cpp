// Copyright 2026 the Tavlo32 developers.
#include "rules/partie.h"

#include <gtest/gtest.h>

namespace tavlo::regles {
namespace {

int compter(const Jetons& j) {
    int n = 0;
    for (int k = 1; k <= NB_JETONS; ++k) {
        n += j[k];
    }
    return n;
}

// Player slots are filled from slot 1, the pot from slot 11 downward, eleven tokens in all.
void verifierJetons(const EtatJeu& e) {
    EXPECT_EQ(compter(e.Pot) + compter(e.Jetons1) + compter(e.Jetons2), NB_JETONS);
    for (int k = 1; k < NB_JETONS; ++k) {
        EXPECT_FALSE(!e.Jetons1[k] && e.Jetons1[k + 1]) << "Jetons1 slot " << k;
        EXPECT_FALSE(!e.Jetons2[k] && e.Jetons2[k + 1]) << "Jetons2 slot " << k;
        EXPECT_FALSE(e.Pot[k] && !e.Pot[k + 1]) << "Pot slot " << k;
    }
}

void donner(Jetons& j, int n) {
    j.remplir(false);
    for (int k = 1; k <= n; ++k) {
        j[k] = true;
    }
}

struct Main {
    int valeurPremier;
    int valeur;
    int coupsRestants;
    Siege gagnant;
    int mise;
};

class Repartition : public testing::Test {
protected:
    Partie p;

    void SetUp() override {
        p.noms = {"PAUL", "MARIE"};
        p.etat.Charge = false;
        donner(p.etat.Jetons1, 5);
        donner(p.etat.Jetons2, 6);
    }

    // Player 1 opened the hand, player 2 has just passed.
    void regler(int valeurPremier, int valeur, int coupsRestants = 0) {
        p.tour = Siege::Deux;
        p.etat.ValeurPremier = valeurPremier;
        p.etat.RangPremier = 99; // never read: combinations are told by their values
        p.etat.Valeur = valeur;
        p.etat.CoupsRestants = coupsRestants;
        REPARTITION(p);
    }
};

class RepartitionMains : public Repartition, public testing::WithParamInterface<Main> {};

TEST_P(RepartitionMains, LePerdantRecoitLaValeurDeLaMeilleureCombinaison) {
    const Main m = GetParam();
    regler(m.valeurPremier, m.valeur, m.coupsRestants);
    const Siege perdant = autre(m.gagnant);
    EXPECT_EQ(p.tour, perdant) << "the loser opens the next hand";
    EXPECT_EQ(compter(p.jetons(perdant)), (perdant == Siege::Un ? 5 : 6) + m.mise);
    EXPECT_EQ(compter(p.jetons(m.gagnant)), (m.gagnant == Siege::Un ? 5 : 6) - m.mise);
    EXPECT_EQ(p.etat.ValeurPremier, 0);
    EXPECT_EQ(p.etat.RangPremier, 0);
    EXPECT_FALSE(p.etat.Repos);
    EXPECT_TRUE(p.effets.empty());
    verifierJetons(p.etat);
}

INSTANTIATE_TEST_SUITE_P(
    Mains, RepartitionMains,
    testing::Values(Main{411, 511, 0, Siege::Deux, 5}, Main{666, 311, 0, Siege::Deux, 3},
                    Main{211, 654, 0, Siege::Un, 2}, Main{653, 652, 0, Siege::Un, 1},
                    Main{221, 665, 0, Siege::Deux, 1}, Main{222, 211, 2, Siege::Un, 3},
                    Main{432, 431, 1, Siege::Un, 2},
                    Main{411, 411, 2, Siege::Deux, 4}, // equal, with throws to spare
                    Main{652, 652, 1, Siege::Deux, 1}));

TEST_F(Repartition, EgaliteSansCoupRestantReporteLaMise) {
    regler(652, 652, 0);
    EXPECT_TRUE(p.etat.Repos);
    EXPECT_TRUE(p.etiReposVisible());
    EXPECT_EQ(p.etat.MiseRepos, 1);
    EXPECT_EQ(p.etat.Valeur, 0);
    EXPECT_EQ(p.tour, Siege::Un) << "the first player of the tied hand opens the replay";
    EXPECT_EQ(compter(p.etat.Jetons1), 5);
    EXPECT_EQ(compter(p.etat.Jetons2), 6);

    // The replay is won with 421 but pays only the carried stake.
    regler(543, 421, 0);
    EXPECT_FALSE(p.etat.Repos);
    EXPECT_FALSE(p.etiReposVisible());
    EXPECT_EQ(compter(p.etat.Jetons1), 6) << "a tie on 652 carries one token, whatever wins next";
    verifierJetons(p.etat);
}

TEST_F(Repartition, DeuxEgalitesDeSuiteGardentLaPremiereMise) {
    regler(421, 421, 0);
    EXPECT_EQ(p.etat.MiseRepos, 10);
    regler(331, 331, 0);
    EXPECT_TRUE(p.etat.Repos);
    EXPECT_EQ(p.etat.MiseRepos, 10) << "the second tie carries the first tie's stake";
    regler(331, 654, 0);
    EXPECT_EQ(compter(p.etat.Jetons1), 11) << "a replay won with 654 after a tie on 421 moves 10";
    EXPECT_TRUE(p.etat.MancheFinie);
}

TEST_F(Repartition, ChargementPaieDepuisLePotEtSArreteAuDernierJeton) {
    p.etat.Charge = true;
    donner(p.etat.Jetons1, 5);
    donner(p.etat.Jetons2, 3);
    p.etat.Pot.remplir(false);
    p.etat.Pot[9] = p.etat.Pot[10] = p.etat.Pot[11] = true;
    regler(421, 532, 0);
    EXPECT_EQ(compter(p.etat.Jetons2), 6) << "three tokens left in the pot, seven never paid";
    EXPECT_EQ(compter(p.etat.Pot), 0);
    EXPECT_FALSE(p.etat.Charge);
    EXPECT_EQ(compter(p.etat.Jetons1), 5);
    verifierJetons(p.etat);
}

TEST_F(Repartition, FinDeMancheAnnonceLeVainqueurAvecSonSon) {
    donner(p.etat.Jetons1, 2);
    donner(p.etat.Jetons2, 9);
    regler(411, 532, 0); // Paul wins and gives his two tokens away: Marie holds eleven
    EXPECT_EQ(compter(p.etat.Jetons1), 0) << "the winner's last token ends the payment";
    EXPECT_EQ(compter(p.etat.Jetons2), 11);
    ASSERT_TRUE(p.etat.MancheFinie);
    EXPECT_EQ(p.etat.Manches1, 1);
    EXPECT_EQ(p.etat.Manches2, 0);
    verifierJetons(p.etat);
    ASSERT_EQ(p.effets.size(), 2u);
    EXPECT_EQ(p.effets[0], Effet(JouerSon{Son::BRAVO})) << "the sound starts before the box";
    EXPECT_EQ(p.effets[1],
              Effet(AfficherBoite{TypeBoite::Information, "Bravo PAUL!\r\rUne autre manche ?"}));
    EXPECT_EQ(p.boitesOuvertes, 1);
}

TEST_F(Repartition, LaBelleApresUneMancheChacun) {
    p.etat.Manches2 = 1;
    donner(p.etat.Jetons1, 2);
    donner(p.etat.Jetons2, 9);
    regler(421, 532, 0);
    EXPECT_EQ(std::get<AfficherBoite>(p.effets.at(1)).texte, "Bravo PAUL!\r\rOn fait la belle ?");
}

TEST_F(Repartition, OrdyGagneLaMancheEnSeVantant) {
    p.etat.ModeSolo = true;
    p.noms = {"PAUL", "ORDY"};
    donner(p.etat.Jetons1, 9);
    donner(p.etat.Jetons2, 2);
    regler(532, 421, 0); // ORDY, second, wins with 421 and gives its last two tokens
    ASSERT_EQ(p.effets.size(), 2u);
    EXPECT_EQ(p.effets[0], Effet(JouerSon{Son::MEILLEUR}));
    EXPECT_EQ(std::get<AfficherBoite>(p.effets[1]).texte,
              "Je suis vraiment le meilleur!\r\rUne autre manche ?");
    EXPECT_EQ(p.etat.Manches2, 1);
}

TEST_F(Repartition, OrdySecondQuiPerdAnnonceQuIlRelance) {
    p.etat.ModeSolo = true;
    p.noms = {"PAUL", "ORDY"};
    regler(653, 652, 0);
    EXPECT_EQ(p.tour, Siege::Deux);
    ASSERT_EQ(p.effets.size(), 1u);
    EXPECT_EQ(p.effets[0],
              Effet(AfficherBoite{TypeBoite::Personnalise, "C'est à moi de relancer..."}));

    // ORDY second that wins, or ties, says nothing.
    p.effets.clear();
    regler(532, 533, 0);
    regler(532, 532, 0);
    EXPECT_TRUE(p.effets.empty());
}

// What broke: with two humans of the same name, every hand was paid to player 2 whoever won.
TEST_F(Repartition, DeuxJoueursDuMemeNomSontPayesSelonLeurPlace) {
    p.noms = {"PAUL", "PAUL"};
    regler(532, 533, 0); // player 2 wins: player 1 pays
    EXPECT_EQ(compter(p.etat.Jetons1), 6);
    EXPECT_EQ(compter(p.etat.Jetons2), 5);
    EXPECT_EQ(p.tour, Siege::Un);
    regler(533, 532, 0); // player 1 wins: player 2 pays
    EXPECT_EQ(compter(p.etat.Jetons1), 5);
    EXPECT_EQ(compter(p.etat.Jetons2), 6);
    EXPECT_EQ(p.tour, Siege::Deux);
}

TEST_F(Repartition, EtatsHorsJeuRestentDansLesCases) {
    // A winner with no token in the unloading phase, and a loser already holding eleven.
    donner(p.etat.Jetons1, 0);
    donner(p.etat.Jetons2, 11);
    regler(421, 532, 0);
    EXPECT_EQ(compter(p.etat.Jetons1) + compter(p.etat.Jetons2), 11);
    p.etat.Charge = true;
    p.etat.Pot.remplir(false);
    donner(p.etat.Jetons1, 11);
    donner(p.etat.Jetons2, 0);
    regler(532, 421, 0);
    EXPECT_EQ(compter(p.etat.Jetons1), 11);
}

} // namespace
} // namespace tavlo::regles
