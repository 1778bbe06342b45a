// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/jeu.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace tavlo::tour {

// A clock the test sets: the time of day seeds the next throw.
class HorlogeFixe : public Horloge {
public:
    std::uint32_t ms = 0;
    std::uint32_t millisecondesDuJour() const override { return ms; }
};

// The faces of a throw seeded with `graine`: frame 7's draws for the dice in play.
std::array<int, 3> facesDeLaGraine(std::uint32_t graine);

// The first seed from `depuis` whose throw gives the wanted faces to the dice in play; a die set
// aside (0 in `voulues`) may get anything.
std::uint32_t graineDonnant(std::array<int, 3> voulues, std::uint32_t depuis = 0);

int compterJetons(const regles::Jetons& j);

// Eleven tokens in all, the players' slots filled from slot 1, the pot from slot 11 downward.
testing::AssertionResult jetonsCoherents(const regles::EtatJeu& e);

// A game driven as the window drives it: clicks, ticks and closed boxes.
class JeuTest : public testing::Test {
protected:
    HorlogeFixe horloge;
    Jeu jeu{horloge};

    void SetUp() override { jeu.FormCreate(); }

    // Ticks until the throw that animates has ended.
    void finirLeLancer();
    // Clicks the cup so that the dice in play show `faces`, and waits for the throw to end.
    void lancer(std::array<int, 3> faces);
    // One whole turn: the throws, then the pass.
    void jouerTour(std::array<int, 3> faces);
    // Takes the queued effects and closes every box among them, as a player would.
    std::vector<regles::Effet> fermerLesBoites();
};

} // namespace tavlo::tour
