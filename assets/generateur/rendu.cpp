// Copyright 2026 the Tavlo32 developers.
#include "rendu.h"

#include <cmath>

namespace generateur {

namespace {

double versLineaire(int composante) {
    const double c = composante / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

Couleur depuisSrgb(int r, int g, int b) {
    return {versLineaire(r), versLineaire(g), versLineaire(b)};
}

int versSrgb8(double lineaire) {
    const double c = limiter(lineaire, 0.0, 1.0);
    const double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(s * 255.0));
}

QImage rendre(int largeur, int hauteur, int sousPas, int echelle,
              const std::function<Couleur(double x, double y)>& teinte) {
    largeur *= echelle;
    hauteur *= echelle;
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    const double pas = 1.0 / sousPas;
    // Dividing by 1 is exact, so the pictures at scale 1 sample the very same points as ever.
    const double n = echelle;
    auto echantillon = [&](int x, int y, int i, int j) {
        return teinte((x + (i + 0.5) * pas) / n, (y + (j + 0.5) * pas) / n);
    };
    const double poids = 1.0 / (sousPas * sousPas);
    for (int y = 0; y < hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x) {
            Couleur somme;
            Couleur premiere = echantillon(x, y, 0, 0);
            bool uniforme = true;
            for (int j = 0; j < sousPas; ++j) {
                for (int i = 0; i < sousPas; ++i) {
                    const Couleur c = (i == 0 && j == 0) ? premiere : echantillon(x, y, i, j);
                    uniforme =
                        uniforme && c.x == premiere.x && c.y == premiere.y && c.z == premiere.z;
                    somme = somme + c * poids;
                }
            }
            // Averaging identical samples could drift by one unit; flat areas must stay exact.
            const Couleur moyenne = uniforme ? premiere : somme;
            ligne[x] = qRgb(versSrgb8(moyenne.x), versSrgb8(moyenne.y), versSrgb8(moyenne.z));
        }
    }
    return image;
}

} // namespace generateur
