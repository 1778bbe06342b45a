// Copyright 2026 the Tavlo32 developers.
#include "ordy/tour_ordy.h"

#include "rules/combinaisons.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tavlo::ordy {
namespace {

// A table that records what ORDY's turn does to it; the test ends each throw with chosen faces.
class TableEnregistree final : public Table {
public:
    regles::EtatJeu e;
    bool enLancer = false;
    std::vector<std::string> journal;

    regles::EtatJeu& etatJeu() override { return e; }
    bool lancerEnCours() const override { return enLancer; }
    void LANCER() override {
        enLancer = true;
        journal.push_back("lancer");
    }
    void remettreEnJeu() override { journal.push_back("en jeu"); }
    void ecarter(int de) override { journal.push_back("ecarte " + std::to_string(de)); }
    void passer() override { journal.push_back("passe"); }

    void finirLancer(std::array<int, 3> faces) {
        for (int de = 1; de <= 3; ++de) {
            e.ValDe[de] = faces[static_cast<std::size_t>(de - 1)];
        }
        e.NbFaces.remplir(0);
        regles::valoriser(e);
        e.CoupsRestants -= 1;
        enLancer = false;
    }
    void tenir(int jetons) {
        e.Jetons2.remplir(false);
        for (int k = 1; k <= jetons; ++k) {
            e.Jetons2[k] = true;
        }
    }
};

class TourOrdyTest : public testing::Test {
protected:
    TableEnregistree table;
    TourOrdy tour{table};

    void toutAvancer() {
        while (tour.avancer()) {
        }
    }
    void top() {
        table.e.TopTempo = true;
        toutAvancer();
    }
    // One throw of ORDY's with the given faces, then its two-tick pause.
    void lancerEtPause(std::array<int, 3> faces) {
        ASSERT_TRUE(table.enLancer);
        table.finirLancer(faces);
        toutAvancer();
        top();
        top();
    }
};

TEST_F(TourOrdyTest, LaPauseDureDeuxTopsEtLaisseLeSecondLeve) {
    table.e.CoupsRestants = 3;
    table.tenir(5);
    tour.OrdiJoue();
    table.e.TopTempo = true;
    toutAvancer();
    EXPECT_EQ(table.journal, (std::vector<std::string>{"lancer"}));
    table.finirLancer({6, 5, 2});
    toutAvancer();
    EXPECT_FALSE(table.e.TopTempo) << "the pause starts with the tick flag lowered";
    EXPECT_FALSE(table.e.PremierTop);
    top();
    EXPECT_TRUE(table.e.PremierTop);
    EXPECT_FALSE(table.e.TopTempo) << "the first tick is consumed";
    EXPECT_EQ(table.journal.size(), 2u) << "still pausing";
    top();
    EXPECT_TRUE(table.e.TopTempo) << "the second tick is left for the next throw";
    EXPECT_EQ(table.journal, (std::vector<std::string>{"lancer", "en jeu", "lancer"}));
    EXPECT_TRUE(tour.enCours());
}

TEST_F(TourOrdyTest, UnSeulLancerAuChargementPuisPasse) {
    table.e.CoupsRestants = 1;
    tour.OrdiJoue();
    toutAvancer();
    lancerEtPause({6, 6, 1}); // 611 would keep the 1s with throws to spare
    EXPECT_EQ(table.journal, (std::vector<std::string>{"lancer", "en jeu", "passe"}));
    EXPECT_FALSE(tour.enCours());
}

TEST_F(TourOrdyTest, PremierAvecSeptJetonsGardeLesDeux1De611) {
    table.e.CoupsRestants = 3;
    table.tenir(7);
    tour.OrdiJoue();
    toutAvancer();
    lancerEtPause({1, 6, 1});
    EXPECT_EQ(table.journal,
              (std::vector<std::string>{"lancer", "en jeu", "ecarte 1", "ecarte 3", "lancer"}));
    lancerEtPause({1, 5, 1});
    lancerEtPause({1, 2, 1}); // the last throw: nothing is decided, nothing set aside
    EXPECT_EQ(table.journal, (std::vector<std::string>{"lancer", "en jeu", "ecarte 1", "ecarte 3",
                                                       "lancer", "en jeu", "ecarte 1", "ecarte 3",
                                                       "lancer", "en jeu", "passe"}));
}

TEST_F(TourOrdyTest, S421ArreteToutDeSuite) {
    table.e.CoupsRestants = 3;
    table.tenir(3);
    tour.OrdiJoue();
    toutAvancer();
    lancerEtPause({2, 4, 1});
    EXPECT_EQ(table.journal, (std::vector<std::string>{"lancer", "en jeu", "passe"}));
}

TEST_F(TourOrdyTest, TroisDesGardesFinissentLeTourDesEcartes) {
    table.e.CoupsRestants = 2;
    table.e.ValeurPremier = 611;
    table.e.RangPremier = 3;
    table.tenir(4);
    tour.OrdiJoue();
    toutAvancer();
    lancerEtPause({1, 1, 1});
    EXPECT_EQ(table.journal, (std::vector<std::string>{"lancer", "en jeu", "ecarte 1", "ecarte 2",
                                                       "ecarte 3", "passe"}));
}

TEST_F(TourOrdyTest, SansCoupRestantPasseSansLancer) {
    table.e.CoupsRestants = 0;
    tour.OrdiJoue();
    toutAvancer();
    EXPECT_EQ(table.journal, (std::vector<std::string>{"passe"}));
}

TEST_F(TourOrdyTest, ArreterInterromptLaPause) {
    table.e.CoupsRestants = 3;
    tour.OrdiJoue();
    toutAvancer();
    table.finirLancer({6, 5, 2});
    toutAvancer();
    tour.arreter();
    top();
    top();
    EXPECT_FALSE(tour.enCours());
    EXPECT_EQ(table.journal, (std::vector<std::string>{"lancer", "en jeu"}));
}

} // namespace
} // namespace tavlo::ordy
