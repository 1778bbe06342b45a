// Copyright 2026 the Tavlo32 developers.
// Reading the committed asset files byte by byte, the way a Windows loader would.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tests_assets {

std::vector<uint8_t> lireFichier(const std::string& cheminRelatif); // under assets/

uint32_t u16(const std::vector<uint8_t>& o, std::size_t position);
uint32_t u32(const std::vector<uint8_t>& o, std::size_t position);
int32_t i32(const std::vector<uint8_t>& o, std::size_t position);
std::string quatreCaracteres(const std::vector<uint8_t>& o, std::size_t position);

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
std::string decrire(Rgb c);

// A decoded 8-bit palette bitmap; pixel(0, 0) is the top-left one.
struct Bmp8 {
    int largeur = 0;
    int hauteur = 0;
    std::vector<Rgb> palette;
    std::vector<uint8_t> indices;

    Rgb pixel(int x, int y) const;
};
Bmp8 decoderBmp8(const std::vector<uint8_t>& o);

struct Morceau {
    std::string id;
    std::size_t debut;  // first byte of the contents
    std::size_t taille; // as written in the chunk header
};
// The chunks inside a RIFF WAVE file, in order, following the pad-byte rule.
std::vector<Morceau> morceauxRiff(const std::vector<uint8_t>& o);
std::optional<Morceau> trouver(const std::vector<Morceau>& morceaux, std::string_view id);

} // namespace tests_assets
