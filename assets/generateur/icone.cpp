// Copyright 2026 the Tavlo32 developers.
// The program's icon: three pale-yellow die faces (five, three and six) on dark olive. Drawn on
// a 32-unit grid so that at 32 pixels every face and pip edge falls on a pixel boundary.
#include "images.h"
#include "rendu.h"

#include <array>

namespace generateur {

namespace {

constexpr double GRILLE = 32.0;
constexpr double COTE_FACE = 14.0;
constexpr double ARRONDI_FACE = 2.2;
constexpr double COTE_POINT = 2.0;

struct Face {
    double gauche, haut;
    std::vector<std::array<int, 2>> points; // (column, row), 0..2 on a 3-unit pitch
};

const std::array<Face, 3> FACES = {{
    {1, 1, {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}}},
    {17, 1, {{2, 0}, {1, 1}, {0, 2}}},
    {9, 17, {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}}},
}};

// Signed distance to a rounded square of the given corner and side, in grid units.
double distanceCarreArrondi(double x, double y, double gauche, double haut, double cote,
                            double arrondi) {
    const double demi = cote / 2;
    const double qx = std::abs(x - gauche - demi) - (demi - arrondi);
    const double qy = std::abs(y - haut - demi) - (demi - arrondi);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
           arrondi;
}

bool dansUnPoint(const Face& face, double x, double y) {
    for (const auto& [colonne, rang] : face.points) {
        const double gauche = face.gauche + 3 + 3 * colonne;
        const double haut = face.haut + 3 + 3 * rang;
        if (x >= gauche && x < gauche + COTE_POINT && y >= haut && y < haut + COTE_POINT) {
            return true;
        }
    }
    return false;
}

} // namespace

QImage dessinerIcone(int cote) {
    const double echelle = GRILLE / cote;
    const Couleur olive = depuisSrgb(74, 76, 20);
    const Couleur ivoire = depuisSrgb(252, 242, 170);
    const Couleur bordure = depuisSrgb(176, 160, 84);
    const Couleur noir = depuisSrgb(14, 14, 6);
    const double pixel = echelle; // one output pixel in grid units, for soft edges

    auto teinte = [&](double px, double py) -> Couleur {
        const double x = px * echelle;
        const double y = py * echelle;
        Couleur c = olive;
        for (const Face& f : FACES) {
            const double ombre =
                distanceCarreArrondi(x - 0.9, y - 0.9, f.gauche, f.haut, COTE_FACE, ARRONDI_FACE);
            c = c * (1.0 - 0.5 * (1.0 - lisser(-0.6, 0.9, ombre)));
        }
        for (const Face& f : FACES) {
            const double d = distanceCarreArrondi(x, y, f.gauche, f.haut, COTE_FACE, ARRONDI_FACE);
            if (d > 0.0) {
                continue;
            }
            // Lighter towards the top left; a thin darker bevel along the edge.
            const double diagonale = ((x - f.gauche) + (y - f.haut)) / (2 * COTE_FACE);
            Couleur face = ivoire * (1.06 - 0.16 * diagonale);
            const double largeurBiseau = std::max(0.7, pixel);
            face = melanger(bordure, face, lisser(0.0, largeurBiseau, -d));
            c = dansUnPoint(f, x, y) ? noir : face;
        }
        return c;
    };
    return rendre(cote, cote, 8, 1, teinte);
}

} // namespace generateur
