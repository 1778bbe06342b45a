// Copyright 2026 the Tavlo32 developers.
// Small 3D vector arithmetic for the ray-marched pictures.
#pragma once

#include <algorithm>
#include <cmath>

namespace generateur {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(Vec3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
inline Vec3 operator*(double k, Vec3 a) {
    return a * k;
}
inline Vec3 operator*(Vec3 a, Vec3 b) {
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double longueur(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normaliser(Vec3 a) {
    return a * (1.0 / longueur(a));
}
inline Vec3 absolu(Vec3 a) {
    return {std::abs(a.x), std::abs(a.y), std::abs(a.z)};
}
inline Vec3 maxi(Vec3 a, double k) {
    return {std::max(a.x, k), std::max(a.y, k), std::max(a.z, k)};
}

inline double limiter(double v, double bas, double haut) {
    return std::clamp(v, bas, haut);
}

inline double lisser(double bord0, double bord1, double v) {
    const double t = limiter((v - bord0) / (bord1 - bord0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

inline double melanger(double a, double b, double t) {
    return a + (b - a) * t;
}
inline Vec3 melanger(Vec3 a, Vec3 b, double t) {
    return a + (b - a) * t;
}

} // namespace generateur
