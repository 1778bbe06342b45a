// Copyright 2026 the Tavlo32 developers.
// Reduction of a full-colour picture to at most 256 colours of its own.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace generateur {

struct ImageIndexee {
    int largeur = 0;
    int hauteur = 0;
    std::vector<QRgb> palette;    // at most 256 entries
    std::vector<uint8_t> indices; // one per pixel, rows from the top
};

// Colours that cover a large share of the picture (the navy ground, the felt) keep their exact
// value; the others are shared out by variance-driven median cut, then refined by a few rounds
// of k-means. Deterministic: no randomness, ties broken by colour value.
ImageIndexee quantifier(const QImage& image);

} // namespace generateur
