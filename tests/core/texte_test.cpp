// Copyright 2026 the Tavlo32 developers.
#include "rules/texte.h"

#include <gtest/gtest.h>

namespace tavlo::rules {
namespace {

// A translation as a catalogue gives it: the sources it knows, the others as they are.
std::string enAnglais(const std::string& source) {
    return source == "Manches pour %1 : %2" ? "%2 rounds won by %1"
           : source == "Joueur 1"           ? "Player 1"
           : source == "PAUL"               ? "PAUL THE TRANSLATED"
                                            : source;
}

// The game's texts are translated before their parts are filled in, in one pass, so that a
// translation may reorder the parts and a part reading "%1" stays as typed; words taken as they
// are, names typed and numbers, are never translated. A placeholder without its part stays.
TEST(Texte, TraduitLesTextesDuJeuPuisRemplitLesParties) {
    const Texte joueur("Manches pour %1 : %2", {Texte("Joueur 1"), Texte::nombre(3)});
    EXPECT_EQ(joueur.lire(), "Manches pour Joueur 1 : 3");
    EXPECT_EQ(joueur.lire(enAnglais), "3 rounds won by Player 1");
    const Texte tape("Manches pour %1 : %2 %3", {Texte::telQuel("PAUL"), Texte::telQuel("%1")});
    EXPECT_EQ(tape.lire(), "Manches pour PAUL : %1 %3");
    EXPECT_EQ(tape.lire(enAnglais), "Manches pour PAUL : %1 %3");
    EXPECT_EQ(Texte::telQuel("%1 %", {Texte("Joueur 1")}).lire(enAnglais), "Player 1 %");
}

// Texts that read differently differ, even when built alike and compared without being read.
TEST(Texte, LusDifferemmentDoncDifferents) {
    EXPECT_NE(Texte("Joueur 1"), Texte("Joueur 2"));
}

} // namespace
} // namespace tavlo::rules
