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

void donner(Jetons& j, int n) {
    for (int k = 1; k <= NB_JETONS; ++k) {
        j[k] = k <= n;
    }
}

class Repartition : public testing::Test {
protected:
    Partie p;

    void SetUp() override {
        p.noms = {"PAUL", "MARIE"};
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

struct Main {
    int valeurPremier;
    int valeur;
    int coupsRestants;
    Siege gagnant;
    int mise;
};

void PrintTo(const Main& m, std::ostream* os) {
    *os << m.valeurPremier << " then " << m.valeur << " with " << m.coupsRestants << " left";
}

class Mains : public Repartition, public testing::WithParamInterface<Main> {};

// Loading phase: the loser takes from the full pot what the better combination is worth.
TEST_P(Mains, LePerdantRecoitCeQueVautLaMeilleureCombinaison) {
    const Main m = GetParam();
    p.etat.Charge = true;
    donner(p.etat.Jetons1, 0);
    donner(p.etat.Jetons2, 0);
    p.etat.Pot.remplir(true);
    regler(m.valeurPremier, m.valeur, m.coupsRestants);
    const Siege perdant = autre(m.gagnant);
    EXPECT_EQ(p.tour, perdant) << "the loser opens the next hand";
    EXPECT_EQ(compter(p.jetons(perdant)), m.mise);
    EXPECT_EQ(compter(p.etat.Pot), NB_JETONS - m.mise);
    EXPECT_TRUE(p.etat.Charge);
    EXPECT_EQ(p.etat.ValeurPremier, 0);
    EXPECT_EQ(p.etat.RangPremier, 0);
    EXPECT_FALSE(p.etat.Repos);
    EXPECT_TRUE(p.effets.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ParOrdreDeForce, Mains,
    testing::Values(Main{421, 111, 0, Siege::Un, 10}, Main{611, 111, 0, Siege::Deux, 7},
                    Main{611, 511, 0, Siege::Un, 6}, Main{411, 511, 0, Siege::Deux, 5},
                    Main{411, 666, 0, Siege::Un, 4}, Main{666, 311, 0, Siege::Deux, 3},
                    Main{222, 211, 0, Siege::Un, 3}, Main{211, 654, 0, Siege::Un, 2},
                    Main{321, 432, 0, Siege::Deux, 2}, Main{653, 652, 0, Siege::Un, 1},
                    Main{221, 665, 0, Siege::Deux, 1}, Main{432, 431, 1, Siege::Un, 2},
                    // Matching the first player with throws to spare wins the hand.
                    Main{411, 411, 2, Siege::Deux, 4}, Main{652, 652, 1, Siege::Deux, 1}));

TEST_F(Repartition, LeChargementSArreteAuDernierJetonDuPot) {
    p.etat.Charge = true;
    donner(p.etat.Jetons2, 3);
    p.etat.Pot.remplir(false);
    p.etat.Pot[9] = p.etat.Pot[10] = p.etat.Pot[11] = true;
    regler(421, 532);
    EXPECT_EQ(compter(p.etat.Jetons2), 6) << "three tokens left in the pot, seven never paid";
    EXPECT_EQ(compter(p.etat.Pot), 0);
    EXPECT_FALSE(p.etat.Charge);
}

TEST_F(Repartition, UneEgaliteReporteSaMiseSurLaMainRejouee) {
    regler(421, 421);
    EXPECT_TRUE(p.etiReposVisible());
    EXPECT_EQ(p.etat.Valeur, 0);
    EXPECT_EQ(p.tour, Siege::Un) << "the first player of the tied hand opens the replay";
    EXPECT_EQ(compter(p.etat.Jetons1), 5);
    regler(331, 331);
    EXPECT_TRUE(p.etiReposVisible()) << "a second tie carries the first tie's stake again";
    regler(331, 654); // Marie wins the replay and owes the ten of 421: all her six tokens
    EXPECT_FALSE(p.etiReposVisible());
    EXPECT_EQ(compter(p.etat.Jetons1), 11);
}

struct FinDeManche {
    const char* cas;
    bool solo;
    Siege gagnant;
    int manches1Avant;
    int manches2Avant;
    Son son;
    const char* texte;
};

void PrintTo(const FinDeManche& f, std::ostream* os) {
    *os << f.cas;
}

class FinsDeManche : public Repartition, public testing::WithParamInterface<FinDeManche> {};

TEST_P(FinsDeManche, LeVainqueurEstAnnonceAvecSonSon) {
    const FinDeManche f = GetParam();
    p.etat.ModeSolo = f.solo;
    p.noms = {"PAUL", f.solo ? "ORDY" : "MARIE"};
    p.etat.Manches1 = f.manches1Avant;
    p.etat.Manches2 = f.manches2Avant;
    // The winner holds two tokens and gives them away: the loser holds eleven.
    const bool un = f.gagnant == Siege::Un;
    donner(p.etat.Jetons1, un ? 2 : 9);
    donner(p.etat.Jetons2, un ? 9 : 2);
    regler(un ? 421 : 532, un ? 532 : 421);
    EXPECT_TRUE(p.etat.MancheFinie);
    EXPECT_EQ(compter(p.jetons(f.gagnant)), 0);
    EXPECT_EQ(p.etat.Manches1, f.manches1Avant + (un ? 1 : 0));
    EXPECT_EQ(p.etat.Manches2, f.manches2Avant + (un ? 0 : 1));
    EXPECT_EQ(p.effets,
              (std::vector<Effet>{JouerSon{f.son}, AfficherBoite{TypeBoite::Information, f.texte}}))
        << "no \"C'est à moi de relancer...\" after the round's last hand";
    EXPECT_EQ(p.boitesOuvertes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FinsDeManche,
    testing::Values(FinDeManche{"PAUL", false, Siege::Un, 0, 0, Son::BRAVO,
                                "Bravo PAUL!\r\rUne autre manche ?"},
                    FinDeManche{"MARIE", false, Siege::Deux, 0, 0, Son::BRAVO,
                                "Bravo MARIE!\r\rUne autre manche ?"},
                    FinDeManche{"la belle", false, Siege::Un, 0, 1, Son::BRAVO,
                                "Bravo PAUL!\r\rOn fait la belle ?"},
                    FinDeManche{"ORDY perd", true, Siege::Un, 0, 0, Son::BRAVO,
                                "Bravo PAUL!\r\rUne autre manche ?"},
                    FinDeManche{"ORDY gagne", true, Siege::Deux, 1, 0, Son::MEILLEUR,
                                "Je suis vraiment le meilleur!\r\rOn fait la belle ?"}));

TEST_F(Repartition, OrdySecondNAnnonceQueLaMainPerdue) {
    p.etat.ModeSolo = true;
    p.noms = {"PAUL", "ORDY"};
    regler(532, 533);
    regler(532, 532);
    EXPECT_TRUE(p.effets.empty()) << "ORDY second that wins or ties says nothing";
    regler(653, 652);
    EXPECT_EQ(p.effets, (std::vector<Effet>{
                            AfficherBoite{TypeBoite::Personnalise, "C'est à moi de relancer..."}}));
}

// What broke: with two humans of the same name, every hand was paid to player 2 whoever won.
TEST_F(Repartition, DeuxJoueursDuMemeNomSontPayesSelonLeurPlace) {
    p.noms = {"PAUL", "PAUL"};
    regler(532, 533);
    EXPECT_EQ(compter(p.etat.Jetons1), 6);
    EXPECT_FALSE(p.etat.Jetons2[6]) << "the winner gives his highest token";
    regler(533, 532);
    EXPECT_EQ(compter(p.etat.Jetons1), 5);
}

TEST_F(Repartition, UnEtatHorsJeuNeSortPasDesCases) {
    donner(p.etat.Jetons1, 0); // a winner without tokens in the unloading phase
    regler(421, 532);
    EXPECT_EQ(compter(p.etat.Jetons2), 6);
    p.etat.Charge = true; // a loser who already holds eleven
    p.etat.Pot.remplir(true);
    donner(p.etat.Jetons1, 11);
    regler(532, 421);
    EXPECT_EQ(compter(p.etat.Jetons1), 11);
}

} // namespace
} // namespace tavlo::regles
