// Copyright 2026 the Tavlo32 developers.
#include "planche.h"

#include <QPainter>

#include <algorithm>

namespace generateur {

namespace {

constexpr int MARGE = 16;
constexpr int GROSSISSEMENT = 3;

QImage agrandir(const QImage& image) {
    return image.scaled(image.size() * GROSSISSEMENT, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

// Lays pictures left to right from (x, y), top-aligned; returns the bottom of the row.
int rangee(QPainter& p, int x, int y, const std::vector<QImage>& images) {
    int bas = y;
    for (const QImage& image : images) {
        p.drawImage(x, y, image);
        x += image.width() + MARGE;
        bas = std::max(bas, y + image.height());
    }
    return bas;
}

} // namespace

QImage composerPlanche(const Planche& planche) {
    std::vector<QImage> petitesAgrandies;
    for (const QImage& image : planche.petites) {
        petitesAgrandies.push_back(agrandir(image));
    }
    const QImage plateauAgrandi = agrandir(planche.plateau);

    int largeurPetites = 0;
    for (const QImage& image : petitesAgrandies) {
        largeurPetites += image.width() + MARGE;
    }
    const int largeur = MARGE + std::max(plateauAgrandi.width(), largeurPetites) + MARGE;
    int hauteurPetites = 0;
    for (const QImage& image : petitesAgrandies) {
        hauteurPetites = std::max(hauteurPetites, image.height());
    }
    const int hauteur =
        MARGE * 5 + planche.plateau.height() + hauteurPetites + plateauAgrandi.height();

    QImage feuille(largeur, hauteur, QImage::Format_RGB32);
    feuille.fill(qRgb(52, 52, 58));
    QPainter p(&feuille);
    p.drawImage(MARGE, MARGE, planche.plateau);
    const int droite = MARGE * 3 + planche.plateau.width();
    const int basPetites = rangee(p, droite, MARGE, planche.petites);
    rangee(p, droite, basPetites + MARGE, planche.icones);
    const int haut = MARGE * 2 + planche.plateau.height() + MARGE;
    const int basAgrandies = rangee(p, MARGE, haut, petitesAgrandies);
    p.drawImage(MARGE, basAgrandies + MARGE * 2, plateauAgrandi);
    p.end();
    return feuille;
}

} // namespace generateur
