// Copyright 2026 the Tavlo32 developers.
// Rebuilds every stored picture, sound and icon of the game, and the contact sheet, from
// nothing but this code. Usage: tavlo_generateur <assets folder>
#include "formats.h"
#include "images.h"
#include "planche.h"
#include "quantification.h"
#include "sons.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cstdio>

namespace {

using namespace generateur;

bool ecrire(const QString& chemin, const QByteArray& contenu) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
        return false;
    }
    return true;
}

bool ecrire(const QString& chemin, const std::vector<uint8_t>& octets) {
    return ecrire(chemin, QByteArray(reinterpret_cast<const char*>(octets.data()),
                                     static_cast<qsizetype>(octets.size())));
}

bool ecrirePng(const QString& chemin, const QImage& image) {
    QByteArray contenu;
    QBuffer tampon(&contenu);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "png");
    ecrivain.setCompression(100); // Qt reads 0..100 here: the strongest zlib level
    return ecrivain.write(image) && ecrire(chemin, contenu);
}

// Writes the picture as an 8-bit bitmap and returns what the bitmap holds, for the sheet.
QImage ecrireBmp(const QString& chemin, const QImage& image, bool& ok) {
    const ImageIndexee indexee = quantifier(image);
    ok = ecrire(chemin, fichierBmp8(indexee)) && ok;
    QImage stockee(indexee.largeur, indexee.hauteur, QImage::Format_RGB32);
    for (int y = 0; y < indexee.hauteur; ++y) {
        for (int x = 0; x < indexee.largeur; ++x) {
            const auto i = static_cast<std::size_t>(y * indexee.largeur + x);
            stockee.setPixel(x, y, indexee.palette[indexee.indices[i]]);
        }
    }
    return stockee;
}

std::vector<std::pair<std::string, std::string>> infos(const std::string& nom) {
    return {{"INAM", nom}, {"ICOP", "Tavlo32"}, {"ISFT", "tavlo_generateur"}};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavlo_generateur <assets folder>\n");
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    Planche planche;
    planche.plateau = ecrireBmp(dossier + "/images/plateau.bmp", dessinerPlateau(1), ok);
    for (int face = 1; face <= 6; ++face) {
        planche.petites.push_back(ecrireBmp(dossier + QString("/images/face%1.bmp").arg(face),
                                            dessinerFaceDe(face, 1), ok));
    }
    planche.petites.push_back(ecrireBmp(dossier + "/images/gobelet.bmp", dessinerGobelet(1), ok));
    planche.petites.push_back(ecrireBmp(dossier + "/images/jeton.bmp", dessinerJeton(1), ok));

    // The same pictures for screens scaled to 200 %, named as Qt looks them up ("@2x"); the
    // sheet shows the pictures at scale 1 only.
    ecrireBmp(dossier + "/images/plateau@2x.bmp", dessinerPlateau(2), ok);
    for (int face = 1; face <= 6; ++face) {
        ecrireBmp(dossier + QString("/images/face%1@2x.bmp").arg(face), dessinerFaceDe(face, 2),
                  ok);
    }
    ecrireBmp(dossier + "/images/gobelet@2x.bmp", dessinerGobelet(2), ok);
    ecrireBmp(dossier + "/images/jeton@2x.bmp", dessinerJeton(2), ok);

    const QImage icone = reduireA555(dessinerIcone(32));
    ok = ecrire(dossier + "/icones/tavlo32.ico", fichierIco16(icone)) && ok;
    ok = ecrirePng(dossier + "/icones/tavlo32-32.png", icone) && ok;
    planche.petites.push_back(icone);
    for (int cote : {48, 64, 128, 256}) {
        const QImage grande = dessinerIcone(cote);
        ok = ecrirePng(dossier + QString("/icones/tavlo32-%1.png").arg(cote), grande) && ok;
        planche.icones.push_back(grande);
    }

    ok = ecrire(dossier + "/sons/lancer.wav",
                fichierWav({1, FREQUENCE_LANCER}, sonLancer(), infos("Lancer"))) &&
         ok;
    ok = ecrire(dossier + "/sons/bravo.wav",
                fichierWav({2, FREQUENCE_BRAVO}, sonBravo(), infos("Bravo"))) &&
         ok;
    ok = ecrire(dossier + "/sons/meilleur.wav",
                fichierWav({1, FREQUENCE_MEILLEUR}, sonMeilleur(), infos("Meilleur"))) &&
         ok;

    ok = ecrirePng(dossier + "/planche.png", composerPlanche(planche)) && ok;
    return ok ? 0 : 1;
}
