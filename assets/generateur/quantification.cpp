// Copyright 2026 the Tavlo32 developers.
#include "quantification.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace generateur {

namespace {

constexpr int MAX_COULEURS = 256;
constexpr double PART_RESERVEE = 0.01; // share of the pixels that earns a colour its own entry

struct Echantillon {
    std::array<double, 3> rgb;
    double poids;
};

struct Boite {
    std::vector<Echantillon> echantillons;

    double poids() const {
        double p = 0;
        for (const auto& e : echantillons) {
            p += e.poids;
        }
        return p;
    }
    std::array<double, 3> moyenne() const {
        std::array<double, 3> m{};
        const double p = poids();
        for (const auto& e : echantillons) {
            for (int c = 0; c < 3; ++c) {
                m[c] += e.rgb[c] * e.poids / p;
            }
        }
        return m;
    }
    // Weighted sum of squared distances to the mean along one channel.
    double erreur(int canal) const {
        const auto m = moyenne();
        double s = 0;
        for (const auto& e : echantillons) {
            s += e.poids * (e.rgb[canal] - m[canal]) * (e.rgb[canal] - m[canal]);
        }
        return s;
    }
    double erreur() const { return erreur(0) + erreur(1) + erreur(2); }
};

std::vector<Boite> couper(std::vector<Echantillon> echantillons, int nombre) {
    std::vector<Boite> boites;
    if (echantillons.empty()) {
        return boites;
    }
    boites.push_back({std::move(echantillons)});
    while (static_cast<int>(boites.size()) < nombre) {
        auto pire =
            std::max_element(boites.begin(), boites.end(), [](const Boite& a, const Boite& b) {
                return a.erreur() < b.erreur();
            });
        if (pire->echantillons.size() < 2 || pire->erreur() <= 0) {
            break;
        }
        int canal = 0;
        for (int c = 1; c < 3; ++c) {
            if (pire->erreur(c) > pire->erreur(canal)) {
                canal = c;
            }
        }
        auto& liste = pire->echantillons;
        std::sort(liste.begin(), liste.end(), [canal](const Echantillon& a, const Echantillon& b) {
            return a.rgb[canal] != b.rgb[canal] ? a.rgb[canal] < b.rgb[canal] : a.rgb < b.rgb;
        });
        const double moitie = pire->poids() / 2;
        double cumul = 0;
        std::size_t coupe = 1;
        for (; coupe < liste.size() - 1; ++coupe) {
            cumul += liste[coupe - 1].poids;
            if (cumul >= moitie) {
                break;
            }
        }
        Boite haute{{liste.begin() + static_cast<std::ptrdiff_t>(coupe), liste.end()}};
        liste.resize(coupe);
        boites.push_back(std::move(haute));
    }
    return boites;
}

double ecart(const std::array<double, 3>& a, QRgb b) {
    const double dr = a[0] - qRed(b);
    const double dg = a[1] - qGreen(b);
    const double db = a[2] - qBlue(b);
    // Weighted towards green, to which the eye is the most sensitive.
    return 0.3 * dr * dr + 0.59 * dg * dg + 0.11 * db * db;
}

int plusProche(const std::array<double, 3>& rgb, const std::vector<QRgb>& palette) {
    int meilleur = 0;
    for (int i = 1; i < static_cast<int>(palette.size()); ++i) {
        if (ecart(rgb, palette[i]) < ecart(rgb, palette[meilleur])) {
            meilleur = i;
        }
    }
    return meilleur;
}

QRgb versQRgb(const std::array<double, 3>& m) {
    return qRgb(static_cast<int>(std::lround(m[0])), static_cast<int>(std::lround(m[1])),
                static_cast<int>(std::lround(m[2])));
}

} // namespace

ImageIndexee quantifier(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> histogramme;
    for (int y = 0; y < image.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            ++histogramme[ligne[x] | 0xff000000u];
        }
    }

    std::vector<QRgb> palette;
    std::vector<Echantillon> reste;
    const double total = static_cast<double>(image.width()) * image.height();
    for (const auto& [couleur, nombre] : histogramme) {
        if (histogramme.size() <= MAX_COULEURS || nombre >= PART_RESERVEE * total) {
            palette.push_back(couleur);
        } else {
            reste.push_back(
                {{static_cast<double>(qRed(couleur)), static_cast<double>(qGreen(couleur)),
                  static_cast<double>(qBlue(couleur))},
                 static_cast<double>(nombre)});
        }
    }
    const std::size_t reservees = palette.size();
    for (const Boite& b : couper(reste, MAX_COULEURS - static_cast<int>(reservees))) {
        palette.push_back(versQRgb(b.moyenne()));
    }

    // k-means: move each shared entry to the mean of the colours it ends up serving.
    for (int tour = 0; tour < 6 && !reste.empty(); ++tour) {
        std::vector<std::array<double, 4>> sommes(palette.size());
        for (const auto& e : reste) {
            auto& s = sommes[static_cast<std::size_t>(plusProche(e.rgb, palette))];
            for (int c = 0; c < 3; ++c) {
                s[c] += e.rgb[c] * e.poids;
            }
            s[3] += e.poids;
        }
        for (std::size_t i = reservees; i < palette.size(); ++i) {
            if (sommes[i][3] > 0) {
                palette[i] = versQRgb({sommes[i][0] / sommes[i][3], sommes[i][1] / sommes[i][3],
                                       sommes[i][2] / sommes[i][3]});
            }
        }
    }

    std::map<QRgb, uint8_t> correspondance;
    for (const auto& [couleur, nombre] : histogramme) {
        const std::array<double, 3> rgb{static_cast<double>(qRed(couleur)),
                                        static_cast<double>(qGreen(couleur)),
                                        static_cast<double>(qBlue(couleur))};
        correspondance[couleur] = static_cast<uint8_t>(plusProche(rgb, palette));
    }
    ImageIndexee resultat{image.width(), image.height(), palette, {}};
    resultat.indices.reserve(static_cast<std::size_t>(total));
    for (int y = 0; y < image.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            resultat.indices.push_back(correspondance[ligne[x] | 0xff000000u]);
        }
    }
    return resultat;
}

} // namespace generateur
