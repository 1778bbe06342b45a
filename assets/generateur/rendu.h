// Copyright 2026 the Tavlo32 developers.
// Supersampled per-pixel rendering and the colour conversions shared by every picture.
#pragma once

#include "vecteur.h"

#include <QImage>

#include <cstdint>
#include <functional>

namespace generateur {

// Colours are linear light (0..1 per channel) while shading and averaging, so that edges blend
// the way light does; they become 8-bit sRGB only when a pixel is stored.
using Couleur = Vec3;

Couleur depuisSrgb(int r, int g, int b);
int versSrgb8(double lineaire);

// Calls teinte at sousPas x sousPas points inside every pixel (pixel (0,0) covers [0,1) x [0,1))
// and stores their average. A pixel whose samples are all one stored colour keeps it exactly.
// The scene is described in the pixels of the picture at scale 1: at scale n the picture holds
// n x n pixels for each of those, every one sampled as finely, so that a screen scaled by n
// shows the same scene at its own resolution.
QImage rendre(int largeur, int hauteur, int sousPas, int echelle,
              const std::function<Couleur(double x, double y)>& teinte);

} // namespace generateur
