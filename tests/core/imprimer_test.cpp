// Copyright 2026 the Tavlo32 developers.
#include "rules/effets.h"
#include "rules/etat_jeu.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavlo::rules {
namespace {

template <typename T> std::string imprime(const T& valeur) {
    std::ostringstream os;
    os << valeur;
    return os.str();
}

// A failing check prints what it saw: the slots one by one, and each effect with its kind.
TEST(Imprimer, UnEchecMontreLesCasesEtLesEffets) {
    EtatJeu e;
    e.Jetons2[1] = true;
    EXPECT_NE(imprime(e).find(" Jetons2 [1 0 0 0 0 0 0 0 0 0 0] "), std::string::npos);
    EXPECT_EQ(imprime(Effet{JouerSon{Son::BRAVO}}), "son BRAVO");
    EXPECT_EQ(imprime(Effet{AfficherBoite{TypeBoite::Information, "Bravo"}}),
              "boite Information \"Bravo\"");
}

} // namespace
} // namespace tavlo::rules
