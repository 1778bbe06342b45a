// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/etat_jeu.h"

#include <array>
#include <cstdint>

namespace tavlo::rules {

struct Combinaison {
    std::int32_t m_valeur; // the three faces sorted high to low, read as a decimal number
    std::int32_t m_jetons; // tokens the combination is worth
};

// The sixteen named combinations in order of strength, strongest first: a combination's rank is
// its place in the table, from 1. 211 ranks after the triples although it is built like
// 611..311, and 221 is no combination at all.
inline constexpr std::array<Combinaison, 16> TableCombinaisons{{
    {421, 10},
    {111, 7},
    {611, 6},
    {511, 5},
    {411, 4},
    {311, 3},
    {666, 3},
    {555, 3},
    {444, 3},
    {333, 3},
    {222, 3},
    {211, 2},
    {654, 2},
    {543, 2},
    {432, 2},
    {321, 2},
}};

// Rank of any throw that is no named combination; it is worth one token.
inline constexpr std::int32_t RANG_ORDINAIRE = 17;

// Values the throw held in ValDe: writes NbFaces, Valeur and Rang. NbFaces must have been
// cleared when the throw began.
void valoriser(EtatJeu& etat);

} // namespace tavlo::rules
