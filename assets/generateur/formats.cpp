// Copyright 2026 the Tavlo32 developers.
#include "formats.h"

#include "octets.h"

namespace generateur {

namespace {

constexpr uint32_t PIXELS_PAR_METRE = 3780; // 96 dots per inch

std::size_t ligneAlignee(std::size_t octets) {
    return (octets + 3) / 4 * 4;
}

int vers5bits(int v) {
    return (v * 31 + 127) / 255;
}
int depuis5bits(int v) {
    return (v << 3) | (v >> 2);
}

// Chunks hold an even number of bytes; an odd one is followed by a pad byte that its size
// does not count but the enclosing RIFF size does.
void morceau(Octets& sortie, std::string_view id, const std::vector<uint8_t>& contenu) {
    sortie.texte(id);
    sortie.u32(static_cast<uint32_t>(contenu.size()));
    sortie.ajouter(contenu);
    if (contenu.size() % 2 == 1) {
        sortie.u8(0);
    }
}

} // namespace

std::vector<uint8_t> fichierBmp8(const ImageIndexee& image) {
    const std::size_t pasLigne = ligneAlignee(static_cast<std::size_t>(image.largeur));
    const auto tailleImage =
        static_cast<uint32_t>(pasLigne * static_cast<std::size_t>(image.hauteur));
    const uint32_t debutPixels = 14 + 40 + 256 * 4;
    Octets o;
    o.texte("BM");
    o.u32(debutPixels + tailleImage);
    o.u32(0);
    o.u32(debutPixels);
    o.u32(40);
    o.u32(static_cast<uint32_t>(image.largeur));
    o.u32(static_cast<uint32_t>(image.hauteur));
    o.u16(1);
    o.u16(8);
    o.u32(0); // BI_RGB
    o.u32(tailleImage);
    o.u32(PIXELS_PAR_METRE);
    o.u32(PIXELS_PAR_METRE);
    o.u32(256);
    o.u32(0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < static_cast<int>(image.palette.size())
                           ? image.palette[static_cast<std::size_t>(i)]
                           : 0;
        o.u8(static_cast<uint32_t>(qBlue(c)));
        o.u8(static_cast<uint32_t>(qGreen(c)));
        o.u8(static_cast<uint32_t>(qRed(c)));
        o.u8(0);
    }
    for (int y = image.hauteur - 1; y >= 0; --y) {
        const std::size_t debut =
            static_cast<std::size_t>(y) * static_cast<std::size_t>(image.largeur);
        for (std::size_t x = 0; x < pasLigne; ++x) {
            o.u8(x < static_cast<std::size_t>(image.largeur) ? image.indices[debut + x] : 0);
        }
    }
    return o.donnees();
}

QImage reduireA555(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = ligne[x];
            ligne[x] = qRgb(depuis5bits(vers5bits(qRed(c))), depuis5bits(vers5bits(qGreen(c))),
                            depuis5bits(vers5bits(qBlue(c))));
        }
    }
    return image;
}

std::vector<uint8_t> fichierIco16(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const auto largeur = static_cast<std::size_t>(image.width());
    const auto hauteur = static_cast<std::size_t>(image.height());
    const std::size_t pasCouleurs = ligneAlignee(largeur * 2);
    const std::size_t pasMasque = ligneAlignee((largeur + 7) / 8);
    const auto tailleImage = static_cast<uint32_t>(40 + (pasCouleurs + pasMasque) * hauteur);
    Octets o;
    o.u16(0);
    o.u16(1); // an icon, not a cursor
    o.u16(1);
    o.u8(static_cast<uint32_t>(largeur % 256));
    o.u8(static_cast<uint32_t>(hauteur % 256));
    o.u8(0); // no palette
    o.u8(0);
    o.u16(1);
    o.u16(16);
    o.u32(tailleImage);
    o.u32(6 + 16);
    o.u32(40);
    o.u32(static_cast<uint32_t>(largeur));
    o.u32(static_cast<uint32_t>(hauteur * 2)); // colour rows then mask rows
    o.u16(1);
    o.u16(16);
    o.u32(0);
    o.u32(static_cast<uint32_t>((pasCouleurs + pasMasque) * hauteur));
    o.u32(0);
    o.u32(0);
    o.u32(0);
    o.u32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (std::size_t x = 0; x < pasCouleurs / 2; ++x) {
            uint32_t v = 0;
            if (x < largeur) {
                const QRgb c = ligne[x];
                v = static_cast<uint32_t>((vers5bits(qRed(c)) << 10) | (vers5bits(qGreen(c)) << 5) |
                                          vers5bits(qBlue(c)));
            }
            o.u16(v);
        }
    }
    // An all-clear AND mask: every pixel is opaque.
    for (std::size_t i = 0; i < pasMasque * hauteur; ++i) {
        o.u8(0);
    }
    return o.donnees();
}

std::vector<uint8_t> fichierWav(FormatWav format, const std::vector<uint8_t>& echantillons,
                                const std::vector<std::pair<std::string, std::string>>& infos) {
    Octets fmt;
    fmt.u16(1); // PCM
    fmt.u16(static_cast<uint32_t>(format.canaux));
    fmt.u32(static_cast<uint32_t>(format.frequence));
    fmt.u32(static_cast<uint32_t>(format.frequence * format.canaux));
    fmt.u16(static_cast<uint32_t>(format.canaux));
    fmt.u16(8);

    Octets liste;
    liste.texte("INFO");
    for (const auto& [id, texte] : infos) {
        std::vector<uint8_t> z(texte.begin(), texte.end());
        z.push_back(0);
        morceau(liste, id, z);
    }

    Octets corps;
    corps.texte("WAVE");
    morceau(corps, "fmt ", fmt.donnees());
    // The samples come first so that readers expecting them at byte 44 still find them.
    morceau(corps, "data", echantillons);
    morceau(corps, "LIST", liste.donnees());

    Octets fichier;
    fichier.texte("RIFF");
    fichier.u32(static_cast<uint32_t>(corps.taille()));
    fichier.ajouter(corps.donnees());
    return fichier.donnees();
}

} // namespace generateur
