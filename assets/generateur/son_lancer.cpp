// Copyright 2026 the Tavlo32 developers.
// Three dice rattled in a hollow cup, thrown out onto the felt, tumbling and rocking to rest.
#include "sons.h"
#include "synthese.h"

#include <cmath>
#include <numbers>

namespace generateur {

namespace {

constexpr double FE = FREQUENCE_LANCER;

// A small plastic die rings high and briefly; the cup's shell rings lower and longer.
std::vector<Mode> modesDe(Hasard& h, double eclat) {
    const double v = h.entre(0.94, 1.06);
    return {{2900 * v, 0.006, 0.7 * eclat},
            {3850 * v, 0.004, 0.55 * eclat},
            {4750 * v, 0.003, 0.4 * eclat},
            {1650 * v, 0.005, 0.25}};
}

std::vector<Mode> modesDeDansGobelet(Hasard& h) {
    std::vector<Mode> modes = modesDe(h, 0.8);
    const double v = h.entre(0.97, 1.03);
    modes.push_back({540 * v, 0.026, 0.9});
    modes.push_back({1140 * v, 0.018, 0.65});
    modes.push_back({1880 * v, 0.012, 0.45});
    modes.push_back({2660 * v, 0.008, 0.3});
    return modes;
}

void secouer(std::vector<double>& piste, Hasard& h) {
    for (int secousse = 0; secousse < 5; ++secousse) {
        const double t = 0.06 + 0.27 * secousse + h.entre(-0.015, 0.015);
        const double force = secousse == 0 ? 0.6 : h.entre(0.8, 1.0);
        for (int de = 0; de < 3; ++de) {
            // Each die hits the wall, then bounces back once or twice more softly.
            double instant = t + h.entre(0.0, 0.045);
            double rebond = force * h.entre(0.7, 1.0);
            const int rebonds = 2 + static_cast<int>(h.entre(0, 3));
            for (int r = 0; r < rebonds; ++r) {
                frapper(piste, instant, rebond * 1.4, 0.0008, modesDeDansGobelet(h), 0, FE, h);
                instant += h.entre(0.012, 0.03);
                rebond *= 0.45;
            }
        }
        // The dice also knock into one another.
        const int chocs = 1 + static_cast<int>(h.entre(0, 3));
        for (int c = 0; c < chocs; ++c) {
            frapper(piste, t + h.entre(0.005, 0.09), force * h.entre(0.5, 0.9), 0.0005,
                    modesDe(h, 1.0), 0, FE, h);
        }
    }
    // Sliding over the cup's bottom between the knocks: a soft hiss swelling with each shake.
    Biquad filtre = Biquad::passeBande(2600, 0.9, FE);
    for (std::size_t n = 0; n < piste.size(); ++n) {
        const double t = static_cast<double>(n) / FE;
        if (t > 1.5) {
            break;
        }
        const double phase = std::fmod(t - 0.04, 0.27) / 0.27;
        const double souffle = t < 1.38 ? std::pow(std::sin(std::numbers::pi * phase), 4) : 0.0;
        piste[n] += 0.03 * souffle * filtre.traiter(h.bruit());
    }
}

void rouler(std::vector<double>& piste, Hasard& h) {
    for (int de = 0; de < 3; ++de) {
        double t = 1.58 + 0.045 * de + h.entre(0.0, 0.02);
        // Landing: a dull thud on the felt.
        frapper(piste, t, h.entre(0.5, 0.65), 0.002, modesDe(h, 0.35), 420, FE, h);
        double intervalle = h.entre(0.06, 0.08);
        double force = h.entre(0.45, 0.55);
        // Tumbling: one knock per quarter turn, slower and softer as the die loses speed.
        while (force > 0.1 && t < 2.95) {
            t += intervalle * h.entre(0.85, 1.15);
            frapper(piste, t, force, 0.0012, modesDe(h, 0.45), 650, FE, h);
            intervalle *= 1.1;
            force *= h.entre(0.8, 0.87);
        }
        // Rocking on an edge before settling: quicker, fainter taps.
        double balancement = h.entre(0.05, 0.065);
        double tape = force * 0.8;
        for (int i = 0; i < 4 + de % 2; ++i) {
            t += balancement;
            frapper(piste, t, tape, 0.0008, modesDe(h, 0.5), 900, FE, h);
            balancement *= 0.7;
            tape *= 0.72;
        }
    }
    // Two dice clack together while rolling.
    for (double t : {1.83, 2.17}) {
        frapper(piste, t + h.entre(-0.03, 0.03), h.entre(0.3, 0.4), 0.0005, modesDe(h, 1.0), 0, FE,
                h);
    }
}

} // namespace

std::vector<uint8_t> sonLancer() {
    Hasard h(421);
    std::vector<double> piste(OCTETS_LANCER, 0.0);
    secouer(piste, h);
    rouler(piste, h);
    return versPcm8(piste, 0.85, static_cast<int>(0.004 * FE), static_cast<int>(0.25 * FE), h);
}

} // namespace generateur
