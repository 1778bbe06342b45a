// Copyright 2026 the Tavlo32 developers.
// A blue die resting on the felt, seen slightly from above and from the right.
#include "images.h"
#include "rayons.h"
#include "rendu.h"

#include <array>
#include <vector>

namespace generateur {

namespace {

constexpr int COTE = 60;
constexpr double ARRONDI = 0.2;       // radius of the rounded edges, the cube's half side being 1
constexpr double ECART_POINTS = 0.54; // distance from the face's centre to a corner pip
// Each pip is a shallow spherical hollow; the lone pip of the one is larger, as on real dice.
constexpr double RAYON_CREUX = 0.32;
constexpr double PROFONDEUR_CREUX = 0.09;
constexpr double RAYON_CREUX_AS = 0.42;
constexpr double PROFONDEUR_CREUX_AS = 0.12;

// Pips in (column, row) with row +1 at the top; 2 and 3 share the same diagonal as on a real die.
std::vector<std::array<int, 2>> pointsDeLaFace(int face) {
    switch (face) {
    case 1:
        return {{0, 0}};
    case 2:
        return {{-1, 1}, {1, -1}};
    case 3:
        return {{-1, 1}, {0, 0}, {1, -1}};
    case 4:
        return {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
    case 5:
        return {{-1, 1}, {1, 1}, {0, 0}, {-1, -1}, {1, -1}};
    default:
        return {{-1, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}};
    }
}

double boiteArrondie(Vec3 p) {
    const Vec3 q = absolu(p) - Vec3{1 - ARRONDI, 1 - ARRONDI, 1 - ARRONDI};
    return longueur(maxi(q, 0.0)) + std::min(std::max(q.x, std::max(q.y, q.z)), 0.0) - ARRONDI;
}

struct De {
    std::vector<Vec3> creux;
    double rayon;

    explicit De(int face) : rayon(face == 1 ? RAYON_CREUX_AS : RAYON_CREUX) {
        const double profondeur = face == 1 ? PROFONDEUR_CREUX_AS : PROFONDEUR_CREUX;
        for (const auto& [colonne, rang] : pointsDeLaFace(face)) {
            creux.push_back({colonne * ECART_POINTS, rang * ECART_POINTS, 1 + rayon - profondeur});
        }
    }

    double distanceAuxCreux(Vec3 p) const {
        double d = 1e9;
        for (const Vec3& c : creux) {
            d = std::min(d, longueur(p - c) - rayon);
        }
        return d;
    }

    double operator()(Vec3 p) const { return std::max(boiteArrondie(p), -distanceAuxCreux(p)); }
};

} // namespace

QImage dessinerFaceDe(int face, int echelle) {
    const De de(face);
    const double lacet = 0.30;   // turned to show a strip of the right face
    const double tangage = 0.34; // tilted to show a strip of the top face
    const CameraOrtho camera{{std::sin(lacet) * std::cos(tangage), std::sin(tangage),
                              std::cos(lacet) * std::cos(tangage)},
                             2.62 / 56.0,
                             COTE / 2.0,
                             COTE / 2.0};
    const Vec3 versLumiere = normaliser({-0.5, 1.0, 0.55});
    const Vec3 moitie = normaliser(versLumiere + normaliser(camera.depuis));
    const Couleur tapis = depuisSrgb(qRed(VERT_TAPIS), qGreen(VERT_TAPIS), qBlue(VERT_TAPIS));
    const Couleur bleu = depuisSrgb(30, 66, 205);
    const Couleur blanc = depuisSrgb(246, 246, 240);
    const double sol = -1.0;

    auto teinte = [&](double x, double y) -> Couleur {
        const Vec3 o = camera.origine(x, y);
        const Vec3 d = camera.direction();
        const double tSol = (o.y - sol) / -d.y;
        if (const auto t = toucher(o, d, de, tSol)) {
            const Vec3 p = o + d * *t;
            const Vec3 n = normale(p, de);
            const bool peint = p.z > 0.8 && de.distanceAuxCreux(p) < 0.004;
            const Couleur albedo = peint ? blanc : bleu;
            const double ombre = ombreDouce(p + n * 0.01, versLumiere, de, 12.0);
            const double diffus = std::max(0.0, dot(n, versLumiere)) * ombre;
            const double ciel = 0.5 + 0.5 * n.y;
            const double ao = occlusion(p, n, de);
            const double brillance = std::pow(std::max(0.0, dot(n, moitie)), peint ? 20 : 60);
            const Couleur lumiere = albedo * (0.85 * diffus + 0.22 * ciel * ao) +
                                    Couleur{1, 1, 1} * (brillance * ombre * (peint ? 0.08 : 0.45));
            // Light bounced from the felt tints the lower faces a little.
            const double rebond = 0.06 * std::max(0.0, -n.y) * ao;
            return lumiere + albedo * tapis * rebond;
        }
        const Vec3 p = o + d * tSol;
        const double ombre = ombreDouce(p, versLumiere, de, 6.0);
        const double contact = occlusion(p, {0, 1, 0}, de);
        const double obscurcissement = (1.0 - ombre) * 0.45 + (1.0 - contact) * 0.5;
        // The shadow fades out before the picture's edge: a die must sit on the felt without a
        // seam wherever it is placed.
        const double bord = std::min(std::min(x, COTE - x), std::min(y, COTE - y));
        const double attenuation = obscurcissement * lisser(1.0, 6.0, bord);
        if (attenuation < 1e-3) {
            return tapis;
        }
        return tapis * (1.0 - std::min(attenuation, 0.8));
    };
    return rendre(COTE, COTE, 4, echelle, teinte);
}

} // namespace generateur
