// Copyright 2026 the Tavlo32 developers.
// Writers for the stored file formats: 8-bit BMP, 16-bit ICO and PCM WAV.
#pragma once

#include "quantification.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace generateur {

// A Windows bitmap with a 256-entry palette, 8 bits per pixel, uncompressed, rows bottom-up.
std::vector<uint8_t> fichierBmp8(const ImageIndexee& image);

// Rounds every channel to 5 bits, the precision of a 16-bit (X1R5G5B5) icon.
QImage reduireA555(const QImage& image);

// An icon file with one opaque image at 16 bits per pixel (X1R5G5B5) and an empty AND mask.
std::vector<uint8_t> fichierIco16(const QImage& image);

struct FormatWav {
    int canaux;
    int frequence;
};

// A RIFF WAVE file of 8-bit PCM samples followed by a LIST INFO chunk of (id, text) pairs.
std::vector<uint8_t> fichierWav(FormatWav format, const std::vector<uint8_t>& echantillons,
                                const std::vector<std::pair<std::string, std::string>>& infos);

} // namespace generateur
