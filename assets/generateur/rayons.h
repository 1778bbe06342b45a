// Copyright 2026 the Tavlo32 developers.
// Sphere tracing over signed distance functions, with the soft shadows and ambient occlusion
// that make the die and the cup read as solid objects.
#pragma once

#include "vecteur.h"

#include <optional>

namespace generateur {

// An orthographic camera looking at the origin from the given direction (y is up in the
// scene); unitesParPixel sets the scale, centreX/centreY the pixel the origin lands on.
struct CameraOrtho {
    Vec3 depuis;
    double unitesParPixel;
    double centreX;
    double centreY;

    Vec3 direction() const { return -normaliser(depuis); }
    Vec3 droite() const { return normaliser(cross(direction(), Vec3{0, 1, 0})); }
    Vec3 haut() const { return cross(droite(), direction()); }
    Vec3 origine(double px, double py) const {
        return normaliser(depuis) * 20.0 + droite() * ((px - centreX) * unitesParPixel) +
               haut() * ((centreY - py) * unitesParPixel);
    }
};

template <class Distance>
std::optional<double> toucher(Vec3 origine, Vec3 direction, const Distance& distance, double tMax) {
    double t = 0.0;
    for (int pas = 0; pas < 400 && t < tMax; ++pas) {
        const double d = distance(origine + direction * t);
        if (d < 1e-5) {
            return t;
        }
        t += d * 0.9;
    }
    return std::nullopt;
}

template <class Distance> Vec3 normale(Vec3 p, const Distance& distance) {
    const double e = 1e-4;
    return normaliser({distance(p + Vec3{e, 0, 0}) - distance(p - Vec3{e, 0, 0}),
                       distance(p + Vec3{0, e, 0}) - distance(p - Vec3{0, e, 0}),
                       distance(p + Vec3{0, 0, e}) - distance(p - Vec3{0, 0, e})});
}

// 1 in full light, towards 0 in the shadow; durete sets how sharp the penumbra is.
template <class Distance>
double ombreDouce(Vec3 p, Vec3 versLumiere, const Distance& distance, double durete) {
    double lumiere = 1.0;
    double t = 0.02;
    for (int pas = 0; pas < 200 && t < 8.0; ++pas) {
        const double d = distance(p + versLumiere * t);
        if (d < 1e-5) {
            return 0.0;
        }
        lumiere = std::min(lumiere, durete * d / t);
        t += std::clamp(d, 0.005, 0.2);
    }
    return limiter(lumiere, 0.0, 1.0);
}

template <class Distance> double occlusion(Vec3 p, Vec3 n, const Distance& distance) {
    double cache = 0.0;
    double poids = 1.0;
    for (int i = 1; i <= 5; ++i) {
        const double h = 0.04 * i;
        cache += poids * (h - distance(p + n * h));
        poids *= 0.6;
    }
    return limiter(1.0 - 2.5 * cache, 0.0, 1.0);
}

} // namespace generateur
