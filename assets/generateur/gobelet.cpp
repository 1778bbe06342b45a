// Copyright 2026 the Tavlo32 developers.
// A dark red dice cup with a brown rim and three grooves, seen from the side and a little from
// above so that its open mouth shows.
#include "images.h"
#include "rayons.h"
#include "rendu.h"

#include <array>

namespace generateur {

namespace {

constexpr int LARGEUR = 80;
constexpr int HAUTEUR = 107;
constexpr double DEMI_HAUTEUR = 1.2;
constexpr double RAYON_HAUT = 1.0;
constexpr double RAYON_BAS = 0.72;
constexpr double EPAISSEUR = 0.08;
constexpr double RAYON_BOURRELET = 0.085;
constexpr double RAYON_RAINURE = 0.045;
constexpr std::array<double, 3> HAUTEURS_RAINURES = {0.55, 0.0, -0.55};

// Distance from (x, y) to the segment from a to b in the cup's profile plane.
double distanceSegment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double t = limiter(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

double rayonParoi(double y) {
    return melanger(RAYON_BAS, RAYON_HAUT, (y + DEMI_HAUTEUR) / (2 * DEMI_HAUTEUR));
}

// The cup is a solid of revolution: every distance is taken in its profile plane.
double distanceBourrelet(Vec3 p) {
    const double r = std::hypot(p.x, p.z);
    return std::hypot(r - RAYON_HAUT, p.y - DEMI_HAUTEUR) - RAYON_BOURRELET;
}

double distanceGobelet(Vec3 p) {
    const double r = std::hypot(p.x, p.z);
    const double paroi =
        distanceSegment(r, p.y, RAYON_BAS, -DEMI_HAUTEUR, RAYON_HAUT, DEMI_HAUTEUR) - EPAISSEUR / 2;
    const double fond =
        distanceSegment(r, p.y, 0.0, -DEMI_HAUTEUR, RAYON_BAS, -DEMI_HAUTEUR) - EPAISSEUR / 2;
    double d = std::min(std::min(paroi, fond), distanceBourrelet(p));
    for (double y : HAUTEURS_RAINURES) {
        const double rainure =
            std::hypot(r - rayonParoi(y) - EPAISSEUR / 2, p.y - y) - RAYON_RAINURE;
        d = std::max(d, -rainure);
    }
    return d;
}

} // namespace

QImage dessinerGobelet(int echelle) {
    const double tangage = 0.3;
    const CameraOrtho camera{{0.0, std::sin(tangage), std::cos(tangage)},
                             2.2 / 74.0,
                             LARGEUR / 2.0,
                             HAUTEUR / 2.0 - 1.0};
    const Vec3 versLumiere = normaliser({-0.65, 0.6, 0.6});
    const Vec3 moitie = normaliser(versLumiere + normaliser(camera.depuis));
    const Couleur marine = depuisSrgb(qRed(BLEU_MARINE), qGreen(BLEU_MARINE), qBlue(BLEU_MARINE));
    const Couleur rouge = depuisSrgb(128, 14, 18);
    const Couleur brun = depuisSrgb(128, 76, 34);
    auto distance = [](Vec3 p) { return distanceGobelet(p); };

    auto teinte = [&](double x, double y) -> Couleur {
        const Vec3 o = camera.origine(x, y);
        const Vec3 d = camera.direction();
        const auto t = toucher(o, d, distance, 40.0);
        if (!t) {
            return marine;
        }
        const Vec3 p = o + d * *t;
        const Vec3 n = normale(p, distance);
        const bool bourrelet = distanceBourrelet(p) < 0.004;
        const Couleur albedo = bourrelet ? brun : rouge;
        const double ombre = ombreDouce(p + n * 0.01, versLumiere, distance, 10.0);
        const double diffus = std::max(0.0, dot(n, versLumiere)) * ombre;
        const double ao = occlusion(p, n, distance);
        const double ciel = 0.55 + 0.45 * n.y;
        const double brillance = std::pow(std::max(0.0, dot(n, moitie)), bourrelet ? 25 : 45);
        // The navy ground lights the cup's edges faintly from behind.
        const double contour = std::pow(1.0 - std::abs(dot(n, normaliser(camera.depuis))), 3.0);
        return albedo * (0.9 * diffus + 0.2 * ciel * ao) +
               Couleur{1, 0.92, 0.85} * (brillance * ombre * (bourrelet ? 0.25 : 0.5)) +
               marine * (0.25 * contour * ao);
    };
    return rendre(LARGEUR, HAUTEUR, 4, echelle, teinte);
}

} // namespace generateur
