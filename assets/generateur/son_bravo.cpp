// Copyright 2026 the Tavlo32 developers.
// A small crowd applauding, with two whistles of approval; stereo, each clapper in his place.
#include "sons.h"
#include "synthese.h"

#include <cmath>
#include <numbers>

namespace generateur {

namespace {

constexpr double FE = FREQUENCE_BRAVO;
constexpr int TRAMES = OCTETS_BRAVO / 2;

struct Stereo {
    std::vector<double> gauche = std::vector<double>(TRAMES, 0.0);
    std::vector<double> droite = std::vector<double>(TRAMES, 0.0);
};

// One pair of hands: its own pitch and pace, clapping from debut to fin.
void applaudir(Stereo& sortie, Hasard& h) {
    const double place = h.entre(0.08, 0.92);
    const double gainGauche = std::cos(place * std::numbers::pi / 2);
    const double gainDroite = std::sin(place * std::numbers::pi / 2);
    const double cadence = h.entre(3.8, 5.6);
    const double debut = h.entre(0.0, 0.3);
    const double fin = h.entre(2.1, 2.95);
    const double volume = h.entre(0.5, 1.0);
    const double amortissement = h.entre(0.005, 0.011);
    std::vector<double> mains(TRAMES, 0.0);
    const std::vector<Mode> creux = {{h.entre(700, 2300), amortissement, 1.0},
                                     {h.entre(2400, 4200), amortissement * 0.5, 0.5}};
    for (double t = debut; t < fin; t += h.entre(0.88, 1.12) / cadence) {
        frapper(mains, t, volume * h.entre(0.7, 1.0), 0.0025, creux, 1800, FE, h);
    }
    for (std::size_t n = 0; n < mains.size(); ++n) {
        sortie.gauche[n] += gainGauche * mains[n];
        sortie.droite[n] += gainDroite * mains[n];
    }
}

// A two-finger whistle: a pure tone sliding up, held, and falling, with a breath of air.
void siffler(Stereo& sortie, double debut, double place, double bas, double haut, Hasard& h) {
    Biquad souffle = Biquad::passeBande(haut, 3.0, FE);
    double phase = 0.0;
    const double duree = 0.62;
    for (std::size_t n = static_cast<std::size_t>(debut * FE);
         n < static_cast<std::size_t>((debut + duree) * FE); ++n) {
        const double t = static_cast<double>(n) / FE - debut;
        double f = haut;
        if (t < 0.12) {
            f = bas + (haut - bas) * std::sin(t / 0.12 * std::numbers::pi / 2);
        } else if (t > 0.4) {
            f = haut - (haut - bas) * 0.8 * (t - 0.4) / (duree - 0.4);
        }
        f *= 1.0 + 0.006 * std::sin(2 * std::numbers::pi * 7.0 * t);
        phase += 2 * std::numbers::pi * f / FE;
        const double enveloppe = std::min(1.0, t / 0.03) * std::min(1.0, (duree - t) / 0.08) * 0.35;
        const double s = enveloppe * (std::sin(phase) + 0.15 * souffle.traiter(h.bruit()));
        sortie.gauche[n] += s * std::cos(place * std::numbers::pi / 2);
        sortie.droite[n] += s * std::sin(place * std::numbers::pi / 2);
    }
}

} // namespace

std::vector<uint8_t> sonBravo() {
    Hasard h(1979);
    Stereo foule;
    for (int i = 0; i < 26; ++i) {
        applaudir(foule, h);
    }
    siffler(foule, 0.35, 0.75, 2300, 2950, h);
    siffler(foule, 1.45, 0.25, 2100, 2700, h);
    // Both channels are scaled together so the stereo picture is kept.
    std::vector<double> entrelace(OCTETS_BRAVO);
    for (std::size_t n = 0; n < TRAMES; ++n) {
        entrelace[2 * n] = foule.gauche[n];
        entrelace[2 * n + 1] = foule.droite[n];
    }
    return versPcm8(entrelace, 0.85, static_cast<int>(2 * 0.03 * FE),
                    static_cast<int>(2 * 0.3 * FE), h);
}

} // namespace generateur
