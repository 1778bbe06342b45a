// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/tableau_un.h"

#include <cstdint>

namespace tavlo::rules {

inline constexpr int NB_DES = 3;
inline constexpr int NB_FACES = 6;
inline constexpr int NB_JETONS = 11;

using Jetons = TableauUn<bool, NB_JETONS>;

// The game-state record. Every field starts at zero or false; a new game sets the tokens and the
// loading phase.
struct EtatJeu {
    // Dice and the latest throw.
    TableauUn<std::int32_t, NB_DES> ValDe;     // face last drawn for each die; kept while set aside
    TableauUn<std::int32_t, NB_FACES> NbFaces; // how many dice show each face after the throw
    std::int32_t Valeur = 0;                   // the faces sorted high to low, read as 111..666
    std::int32_t Rang = 0;                     // 1..16 for a named combination, 17 otherwise

    // The hand in progress.
    std::int32_t ValeurPremier = 0; // the first player's result; 0 while he is still playing
    std::int32_t RangPremier = 0;
    std::int32_t NumLancer = 0;     // number of the next throw of the turn
    std::int32_t CoupsMaxi = 0;     // the most throws allowed in the turn
    std::int32_t CoupsRestants = 0; // may go below 0: it is decreased after every throw

    // Tokens. Players fill their slots from slot 1 upward; the pot empties from slot 1 upward.
    Jetons Pot;
    Jetons Jetons1;
    Jetons Jetons2;
    bool Charge = false; // loading phase: a lost hand is paid from the pot
    bool Repos = false;  // the previous hand was a tie; its stake waits in MiseRepos
    std::int32_t MiseRepos = 0;

    // The game as a whole.
    bool MancheFinie = false; // a round has just been won; nothing more until a new game
    bool ModeSolo = false;    // one human against ORDY, who is player 2
    std::int32_t Manches1 = 0;
    std::int32_t Manches2 = 0;

    bool operator==(const EtatJeu&) const = default;
};

} // namespace tavlo::rules
