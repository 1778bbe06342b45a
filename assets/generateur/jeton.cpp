// Copyright 2026 the Tavlo32 developers.
// A flat pale-yellow oval chip with a black outline and a faint pressed ring, on navy.
#include "images.h"
#include "rendu.h"

namespace generateur {

namespace {

constexpr int LARGEUR = 40;
constexpr int HAUTEUR = 15;
constexpr double CENTRE_X = 20.0;
constexpr double CENTRE_Y = 7.5;
constexpr double DEMI_AXE_X = 19.0;
constexpr double DEMI_AXE_Y = 7.0;
constexpr double TRAIT = 1.3; // width of the black outline, in pixels

} // namespace

QImage dessinerJeton(int echelle) {
    const Couleur marine = depuisSrgb(qRed(BLEU_MARINE), qGreen(BLEU_MARINE), qBlue(BLEU_MARINE));
    const Couleur jaune = depuisSrgb(250, 236, 150);
    const Couleur noir = depuisSrgb(8, 8, 8);

    auto teinte = [&](double x, double y) -> Couleur {
        const double u = (x - CENTRE_X) / DEMI_AXE_X;
        const double v = (y - CENTRE_Y) / DEMI_AXE_Y;
        const double rayon = std::hypot(u, v);
        // Distance to the outline in pixels, close enough for so thin a chip.
        const double gradient = std::hypot(u / DEMI_AXE_X, v / DEMI_AXE_Y) / std::max(rayon, 1e-9);
        const double distance = (rayon - 1.0) / std::max(gradient, 1e-9);
        if (distance > 0.0) {
            return marine;
        }
        if (distance > -TRAIT) {
            return noir;
        }
        // Lit from the top left: a soft sheen across the face, a pressed ring inside the rim.
        const double eclairage = 1.04 - 0.12 * limiter((u * 0.7 + v * 0.7 + 0.6) / 1.6, 0.0, 1.0);
        const double anneau = std::abs(rayon - 0.68);
        const double creux = 0.16 * (1.0 - lisser(0.0, 0.07, anneau));
        const double reflet = v < 0 && rayon < 0.68 ? 0.04 * (1.0 - lisser(0.0, 0.08, anneau)) : 0;
        return jaune * (eclairage * (1.0 - creux) + reflet);
    };
    return rendre(LARGEUR, HAUTEUR, 8, echelle, teinte);
}

} // namespace generateur
