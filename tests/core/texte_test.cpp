// Copyright 2026 the Tavlo32 developers.
#include "rules/texte.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tavlo::rules {
namespace {

// A translation as a catalogue gives it: the sources it knows, the others as they are.
std::string enAnglais(const std::string& source) {
    static const std::map<std::string, std::string> catalogue{
        {"Manches pour %1 : %2", "%2 rounds won by %1"},
        {"Joueur 1", "Player 1"},
        {"PAUL", "PAUL THE TRANSLATED"},
        {"%1\r\r%2", "%2 / %1"}};
    const auto trouve = catalogue.find(source);
    return trouve == catalogue.end() ? source : trouve->second;
}

struct Lecture {
    Texte texte;
    std::string francais;
    std::string anglais;
};

class Lire : public testing::TestWithParam<Lecture> {};

// The game's texts are translated before their parts are filled in, in one pass, so that a
// translation may reorder the parts and a part reading "%1" stays as typed; words taken as they
// are, names typed and numbers, are never translated.
TEST_P(Lire, TraduitLesTextesDuJeuPuisRemplitLesParties) {
    const Lecture& l = GetParam();
    EXPECT_EQ(l.texte.lire(), l.francais);
    EXPECT_EQ(l.texte.lire(enAnglais), l.anglais);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Lire,
    testing::Values(Lecture{Texte("Manches pour %1 : %2", {Texte("Joueur 1"), Texte::nombre(3)}),
                            "Manches pour Joueur 1 : 3", "3 rounds won by Player 1"},
                    Lecture{Texte("Manches pour %1 : %2",
                                  {Texte::telQuel("PAUL"), Texte::telQuel("%1")}),
                            "Manches pour PAUL : %1", "%1 rounds won by PAUL"},
                    Lecture{Texte::telQuel("%1\r\r%2", {Texte("Joueur 1"), Texte::nombre(12)}),
                            "Joueur 1\r\r12", "Player 1\r\r12"},
                    // A placeholder without its part, a lone % and a % at the end stay as written.
                    Lecture{Texte("%2 %1 % 50%", {Texte("Joueur 1")}), "%2 Joueur 1 % 50%",
                            "%2 Player 1 % 50%"}));

} // namespace
} // namespace tavlo::rules
