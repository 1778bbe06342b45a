// Copyright 2026 the Tavlo32 developers.
// The table seen from above: green felt inside a rounded red-brown rail, on the navy ground.
#include "images.h"
#include "rendu.h"

#include <numbers>

namespace generateur {

namespace {

constexpr int LARGEUR = 629;
constexpr int HAUTEUR = 377;
// The table's outline; the right and bottom margins are wider to hold its shadow.
constexpr double CENTRE_X = 313.0;
constexpr double CENTRE_Y = 185.5;
constexpr double DEMI_AXE_X = 305.0;
constexpr double DEMI_AXE_Y = 179.0;
constexpr double LARGEUR_BORD = 24.0;
constexpr double HAUTEUR_BORD = 12.0;

struct PointProche {
    double x, y;     // nearest point of the outline, relative to the centre
    double distance; // signed: negative inside the table
};

// Nearest point of the ellipse by a few fixed-point steps on its evolute; converges from any
// starting point, unlike Newton's method near the axes.
PointProche pointProche(double px, double py) {
    const double a = DEMI_AXE_X;
    const double b = DEMI_AXE_Y;
    const double ax = std::abs(px);
    const double ay = std::abs(py);
    double tx = std::numbers::sqrt2 / 2;
    double ty = std::numbers::sqrt2 / 2;
    for (int i = 0; i < 5; ++i) {
        const double ex = (a * a - b * b) * tx * tx * tx / a;
        const double ey = (b * b - a * a) * ty * ty * ty / b;
        const double r = std::hypot(a * tx - ex, b * ty - ey);
        const double q = std::hypot(ax - ex, ay - ey);
        tx = limiter(((ax - ex) * r / q + ex) / a, 0.0, 1.0);
        ty = limiter(((ay - ey) * r / q + ey) / b, 0.0, 1.0);
        const double t = std::hypot(tx, ty);
        tx /= t;
        ty /= t;
    }
    const double cx = std::copysign(a * tx, px);
    const double cy = std::copysign(b * ty, py);
    const double d = std::hypot(px - cx, py - cy);
    const bool dedans = (px * px) / (a * a) + (py * py) / (b * b) < 1.0;
    return {cx, cy, dedans ? -d : d};
}

// Outward unit normal of the outline at its point (x, y).
Vec3 normaleContour(double x, double y) {
    return normaliser({x / (DEMI_AXE_X * DEMI_AXE_X), y / (DEMI_AXE_Y * DEMI_AXE_Y), 0.0});
}

} // namespace

QImage dessinerPlateau(int echelle) {
    const Couleur marine = depuisSrgb(qRed(BLEU_MARINE), qGreen(BLEU_MARINE), qBlue(BLEU_MARINE));
    const Couleur tapis = depuisSrgb(qRed(VERT_TAPIS), qGreen(VERT_TAPIS), qBlue(VERT_TAPIS));
    const Couleur bois = depuisSrgb(118, 40, 26);
    // Light from the top left of the picture, z towards the viewer.
    const Vec3 versLumiere = normaliser({-0.6, -0.7, 1.0});
    const Vec3 moitie = normaliser(versLumiere + Vec3{0, 0, 1});
    const double horizontale = std::hypot(versLumiere.x, versLumiere.y);
    const double longueurOmbre = HAUTEUR_BORD * horizontale / versLumiere.z;

    auto teinte = [&](double x, double y) -> Couleur {
        const double px = x - CENTRE_X;
        const double py = y - CENTRE_Y;
        const PointProche proche = pointProche(px, py);
        if (proche.distance >= 0.0) {
            // The table's shadow on the ground, thrown down and to the right.
            const PointProche ombre = pointProche(px - 3.0, py - 4.0);
            const double obscurcissement = 0.55 * (1.0 - lisser(-3.0, 6.0, ombre.distance));
            return obscurcissement < 1e-3 ? marine : marine * (1.0 - obscurcissement);
        }
        const Vec3 n = normaleContour(proche.x, proche.y);
        const double profondeur = -proche.distance;
        if (profondeur < LARGEUR_BORD) {
            // The rail's cross-section is a half ellipse; r runs outwards across it.
            const double u = limiter(1.0 - 2.0 * profondeur / LARGEUR_BORD, -0.985, 0.985);
            const double pente = HAUTEUR_BORD * u / std::sqrt(1.0 - u * u) * (-2.0 / LARGEUR_BORD);
            const Vec3 surface = normaliser({-pente * n.x, -pente * n.y, 1.0});
            const double diffus = std::max(0.0, dot(surface, versLumiere));
            const double brillance = std::pow(std::max(0.0, dot(surface, moitie)), 40.0);
            const double angle = std::atan2(proche.y / DEMI_AXE_Y, proche.x / DEMI_AXE_X);
            const double veine =
                std::sin(2.0 * std::numbers::pi *
                         (profondeur / LARGEUR_BORD * 4.0 + 0.35 * std::sin(angle * 7.0 + 1.3) +
                          0.2 * std::sin(angle * 19.0)));
            const Couleur teinteBois = bois * (1.0 + 0.07 * veine);
            return teinteBois * (0.18 + 0.95 * diffus) +
                   Couleur{1.0, 0.85, 0.7} * (0.3 * brillance);
        }
        // The felt is flat and plain; only the rail darkens it near its foot, most where the
        // rail stands between the felt and the light.
        const double e = profondeur - LARGEUR_BORD;
        const double faceLumiere =
            std::max(0.0, -(n.x * versLumiere.x + n.y * versLumiere.y)) / horizontale;
        const double ombreProjetee =
            0.45 * faceLumiere * (1.0 - lisser(0.0, longueurOmbre * faceLumiere + 3.0, e));
        const double occlusionPied = 0.3 * (1.0 - lisser(0.0, 5.0, e));
        const double obscurcissement = 1.0 - (1.0 - ombreProjetee) * (1.0 - occlusionPied);
        return obscurcissement < 1e-3 ? tapis : tapis * (1.0 - obscurcissement);
    };
    return rendre(LARGEUR, HAUTEUR, 4, echelle, teinte);
}

} // namespace generateur
