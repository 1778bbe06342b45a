// Copyright 2026 the Tavlo32 developers.
// A boastful "ta-ta-ta-taaa!": three quick brass notes and a held major chord with a cymbal.
#include "sons.h"
#include "synthese.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace generateur {

namespace {

constexpr double FE = FREQUENCE_MEILLEUR;

double frequenceMidi(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// The vibrato grows in once a held note has settled.
double montanteVibrato(double t) {
    return std::clamp((t - 0.18) / 0.2, 0.0, 1.0);
}

// Brass-like tone: the louder the note, the more its upper harmonics open up. Only harmonics
// below the Nyquist frequency are summed, so nothing folds back.
void cuivre(std::vector<double>& piste, int note, double debut, double duree, double force) {
    const double f0 = frequenceMidi(note);
    const double attaque = 0.025;
    const double relache = 0.06;
    const auto premier = static_cast<std::size_t>(debut * FE);
    const auto longueur = static_cast<std::size_t>((duree + relache) * FE);
    double phase = 0.0;
    for (std::size_t n = 0; n < longueur && premier + n < piste.size(); ++n) {
        const double t = static_cast<double>(n) / FE;
        double enveloppe = t < attaque ? t / attaque : 1.0;
        if (t > attaque && duree > 0.2) {
            enveloppe = 0.8 + 0.2 * std::min(1.0, (t - attaque) / (duree * 0.6)); // swell
        } else if (t > attaque) {
            enveloppe = 1.0 - 0.25 * (t - attaque) / duree;
        }
        if (t > duree) {
            enveloppe *= std::max(0.0, 1.0 - (t - duree) / relache);
        }
        // Lips start a little flat and settle; long notes get a vibrato.
        const double glissement = -0.012 * std::exp(-t / 0.02);
        const double vibrato = duree > 0.2 ? 0.005 * montanteVibrato(t) : 0.0;
        const double f =
            f0 * (1.0 + glissement + vibrato * std::sin(2 * std::numbers::pi * 5.5 * t));
        phase += 2.0 * std::numbers::pi * f / FE;
        const double eclat = 1.5 + 6.0 * enveloppe;
        double s = 0.0;
        for (int k = 1; k * f < FE / 2 * 0.9; ++k) {
            s += std::exp(-(k - 1) / eclat) * std::sin(k * phase) / std::sqrt(k);
        }
        piste[premier + n] += force * enveloppe * s;
    }
}

} // namespace

std::vector<uint8_t> sonMeilleur() {
    Hasard h(666);
    std::vector<double> piste(OCTETS_MEILLEUR, 0.0);
    for (int i = 0; i < 3; ++i) {
        cuivre(piste, 67, 0.012 + 0.1 * i, 0.05, 0.8);
        cuivre(piste, 60, 0.012 + 0.1 * i, 0.05, 0.35);
    }
    const double accord = 0.31;
    const double tenue = 0.6;
    for (int note : {72, 76, 79}) {
        cuivre(piste, note, accord, tenue, 0.55);
    }
    cuivre(piste, 48, accord, tenue, 0.45);
    // A cymbal splash on the chord.
    Biquad aigus = Biquad::passeHaut(3200, 0.7, FE);
    for (std::size_t n = static_cast<std::size_t>(accord * FE); n < piste.size(); ++n) {
        const double t = static_cast<double>(n) / FE - accord;
        piste[n] += 0.5 * std::exp(-t / 0.18) * aigus.traiter(h.bruit());
    }
    return versPcm8(piste, 0.85, static_cast<int>(0.004 * FE), static_cast<int>(0.06 * FE), h);
}

} // namespace generateur
