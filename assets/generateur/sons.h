// Copyright 2026 the Tavlo32 developers.
// The game's three sounds as 8-bit PCM samples of exactly their stored length.
#pragma once

#include <cstdint>
#include <vector>

namespace generateur {

inline constexpr int FREQUENCE_LANCER = 11025;
inline constexpr int OCTETS_LANCER = 38545; // mono: seven 500 ms animation frames
inline constexpr int FREQUENCE_BRAVO = 11128;
inline constexpr int OCTETS_BRAVO = 69888; // stereo, interleaved left then right
inline constexpr int FREQUENCE_MEILLEUR = 11025;
inline constexpr int OCTETS_MEILLEUR = 11311; // mono

std::vector<uint8_t> sonLancer();   // dice shaken in the cup, thrown, rolling and settling
std::vector<uint8_t> sonBravo();    // applause with a couple of whistles
std::vector<uint8_t> sonMeilleur(); // a short brass fanfare

} // namespace generateur
