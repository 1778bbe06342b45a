// Copyright 2026 the Tavlo32 developers.
#include "rules/partie.h"

#include "jeu_fixture.h"

namespace tavlo::rules {
namespace {

using turn::compterJetons;

void donner(Jetons& j, int n) {
    for (int k = 1; k <= NB_JETONS; ++k) {
        j[k] = k <= n;
    }
}

class Repartition : public testing::Test {
protected:
    Partie p;

    void SetUp() override {
        p.m_noms = {"PAUL", "MARIE"};
        donner(p.m_etat.Jetons1, 5);
        donner(p.m_etat.Jetons2, 6);
    }

    // Player 1 opened the hand, player 2 has just passed.
    void regler(int valeurPremier, int valeur, int coupsRestants = 0) {
        p.m_tour = Siege::Deux;
        p.m_etat.ValeurPremier = valeurPremier;
        p.m_etat.RangPremier = 99; // never read: combinations are told by their values
        p.m_etat.Valeur = valeur;
        p.m_etat.CoupsRestants = coupsRestants;
        REPARTITION(p);
    }
};

struct Main {
    int valeurPremier, valeur, coupsRestants;
    Siege gagnant;
    int mise;
};

class Mains : public Repartition, public testing::WithParamInterface<Main> {};

// In the loading phase the loser takes from the pot what the better combination is worth.
TEST_P(Mains, LePerdantRecoitCeQueVautLaMeilleureCombinaison) {
    const Main m = GetParam();
    SCOPED_TRACE(testing::Message() << m.valeurPremier << " puis " << m.valeur);
    p.m_etat.Charge = true;
    donner(p.m_etat.Jetons1, 0);
    donner(p.m_etat.Jetons2, 0);
    p.m_etat.Pot.remplir(true);
    regler(m.valeurPremier, m.valeur, m.coupsRestants);
    EXPECT_EQ(p.m_tour, autre(m.gagnant)) << "the loser opens the next hand";
    EXPECT_EQ(compterJetons(p.jetons(autre(m.gagnant))), m.mise);
    EXPECT_EQ(compterJetons(p.m_etat.Pot), NB_JETONS - m.mise);
    EXPECT_EQ(p.m_etat.ValeurPremier, 0);
    EXPECT_EQ(p.m_etat.RangPremier, 0);
    EXPECT_TRUE(p.m_effets.empty());
}

// Equal values with throws to spare win the hand for the second player.
const Main MAINS[] = {
    {421, 111, 0, Siege::Un, 10},  {611, 111, 0, Siege::Deux, 7}, {611, 511, 0, Siege::Un, 6},
    {411, 511, 0, Siege::Deux, 5}, {411, 666, 0, Siege::Un, 4},   {666, 311, 0, Siege::Deux, 3},
    {222, 211, 0, Siege::Un, 3},   {444, 543, 0, Siege::Un, 3},   {555, 333, 0, Siege::Un, 3},
    {333, 654, 0, Siege::Un, 3},   {211, 654, 0, Siege::Un, 2},   {321, 432, 0, Siege::Deux, 2},
    {653, 652, 0, Siege::Un, 1},   {221, 665, 0, Siege::Deux, 1}, {432, 431, 1, Siege::Un, 2},
    {411, 411, 2, Siege::Deux, 4}, {652, 652, 1, Siege::Deux, 1}};

INSTANTIATE_TEST_SUITE_P(ParOrdreDeForce, Mains, testing::ValuesIn(MAINS));

TEST_F(Repartition, UneEgaliteReporteSaMiseSurLaMainRejouee) {
    regler(421, 421);
    EXPECT_TRUE(p.etiReposVisible());
    EXPECT_EQ(p.m_etat.Valeur, 0);
    EXPECT_EQ(p.m_tour, Siege::Un) << "the first player of the tied hand opens the replay";
    EXPECT_EQ(compterJetons(p.m_etat.Jetons1), 5);
    regler(331, 331);
    EXPECT_TRUE(p.etiReposVisible()) << "a second tie carries the first tie's stake again";
    regler(331, 654); // Marie wins the replay and owes the ten of 421: all her six tokens
    EXPECT_FALSE(p.etiReposVisible());
    EXPECT_EQ(compterJetons(p.m_etat.Jetons1), 11);
}

struct FinDeManche {
    bool solo;
    Siege gagnant;
    int manches1Avant, manches2Avant;
    Son son;
    const char* texte;
};

class FinsDeManche : public Repartition, public testing::WithParamInterface<FinDeManche> {};

// The winner holds two tokens and gives them away: the loser holds eleven. ORDY, second, who
// loses the round's last hand does not say that it throws next.
TEST_P(FinsDeManche, LeVainqueurEstAnnonceAvecSonSon) {
    const FinDeManche f = GetParam();
    SCOPED_TRACE(f.texte);
    p.m_etat.ModeSolo = f.solo;
    p.m_noms = {"PAUL", f.solo ? "ORDY" : "MARIE"};
    p.m_etat.Manches1 = f.manches1Avant;
    p.m_etat.Manches2 = f.manches2Avant;
    const bool un = f.gagnant == Siege::Un;
    donner(p.m_etat.Jetons1, un ? 2 : 9);
    donner(p.m_etat.Jetons2, un ? 9 : 2);
    regler(un ? 421 : 532, un ? 532 : 421);
    EXPECT_TRUE(p.m_etat.MancheFinie);
    EXPECT_EQ(compterJetons(p.jetons(f.gagnant)), 0);
    EXPECT_EQ(p.m_etat.Manches1, f.manches1Avant + (un ? 1 : 0));
    EXPECT_EQ(p.m_etat.Manches2, f.manches2Avant + (un ? 0 : 1));
    EXPECT_EQ(p.m_effets, (std::vector<Effet>{JouerSon{f.son},
                                              AfficherBoite{TypeBoite::Information, f.texte}}));
}

const FinDeManche FINS[] = {
    {false, Siege::Un, 0, 0, Son::BRAVO, "Bravo PAUL!\r\rUne autre manche ?"},
    {false, Siege::Deux, 0, 0, Son::BRAVO, "Bravo MARIE!\r\rUne autre manche ?"},
    {false, Siege::Un, 0, 1, Son::BRAVO, "Bravo PAUL!\r\rOn fait la belle ?"},
    {true, Siege::Un, 0, 0, Son::BRAVO, "Bravo PAUL!\r\rUne autre manche ?"},
    {true, Siege::Deux, 1, 0, Son::MEILLEUR,
     "Je suis vraiment le meilleur!\r\rOn fait la belle ?"}};

INSTANTIATE_TEST_SUITE_P(Messages, FinsDeManche, testing::ValuesIn(FINS));

// What broke: with two humans of the same name, every hand was paid to player 2 whoever won.
TEST_F(Repartition, DeuxJoueursDuMemeNomSontPayesSelonLeurPlace) {
    p.m_noms = {"PAUL", "PAUL"};
    regler(532, 533);
    EXPECT_EQ(compterJetons(p.m_etat.Jetons1), 6);
    EXPECT_FALSE(p.m_etat.Jetons2[6]) << "the winner gives his highest token";
    regler(533, 532);
    EXPECT_EQ(compterJetons(p.m_etat.Jetons1), 5);
}

} // namespace
} // namespace tavlo::rules
