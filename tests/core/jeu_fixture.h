// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/jeu.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

namespace tavlo::tour {

using Faces = std::array<int, 3>;

// The first seed whose throw gives dice 1, 2, 3 these faces; 0 accepts any face.
std::uint32_t graineDonnant(Faces voulues);

// Dice written in advance. Every throw reads the clock once, to seed the generator, so the clock
// hands out the seeds of the coming throws in order; with none left it reads midnight.
class DesPrevus final : public Horloge {
public:
    void prevoir(Faces faces) { m_graines.push_back(graineDonnant(faces)); }
    void prevoirHeure(std::uint32_t ms) { m_graines.push_back(ms); }
    std::uint32_t millisecondesDuJour() const override;

private:
    mutable std::deque<std::uint32_t> m_graines;
};

int compterJetons(const regles::Jetons& j);

// Eleven tokens in all, the players' slots filled from slot 1, the pot emptied from slot 1.
testing::AssertionResult jetonsCoherents(const regles::EtatJeu& e);

// A game driven as the window drives it: clicks, ticks and closed boxes.
class JeuTest : public testing::Test {
protected:
    DesPrevus des;
    Jeu jeu{des};

    void SetUp() override { jeu.FormCreate(); }
    void tiquer(int ticks);
    // The player at the cup throws these faces (a die set aside keeps its own) and waits.
    void lancer(Faces faces);
    void jouerTour(Faces faces);
    // Ticks while ORDY plays, until it hands the turn over or a box holds the game.
    void laisserJouerOrdy();
    // Takes the queued effects and closes every box among them, as a player would.
    std::vector<regles::Effet> fermerLesBoites();
};

} // namespace tavlo::tour
