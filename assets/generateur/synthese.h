// Copyright 2026 the Tavlo32 developers.
// Building blocks of the synthesised sounds: a seeded noise source, filters, struck resonances
// and the conversion to 8-bit samples.
#pragma once

#include <cstdint>
#include <vector>

namespace generateur {

// xorshift64*: the same numbers on every machine, unlike the standard distributions.
class Hasard {
public:
    explicit Hasard(uint64_t graine) : m_etat(graine * 0x9E3779B97F4A7C15ull + 1) {}
    double uniforme(); // [0, 1)
    double entre(double bas, double haut) { return bas + (haut - bas) * uniforme(); }
    double bruit() { return 2.0 * uniforme() - 1.0; }

private:
    uint64_t m_etat;
};

// A second-order filter after the usual audio cookbook formulas.
class Biquad {
public:
    static Biquad passeBande(double frequence, double q, double echantillonnage);
    static Biquad passeBas(double frequence, double q, double echantillonnage);
    static Biquad passeHaut(double frequence, double q, double echantillonnage);
    double traiter(double x);

private:
    double m_b0 = 0, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// One ringing mode of a struck object: its frequency, how long it rings (time for the level
// to fall by 1/e) and its loudness.
struct Mode {
    double frequence;
    double amortissement;
    double gain;
};

// Adds at debut the sound of a strike: a short noise burst exciting the given modes, plus the
// burst itself low-passed at coupure (the dull thud of a felt-damped hit; 0 leaves it out).
void frapper(std::vector<double>& piste, double debut, double force, double dureeImpulsion,
             const std::vector<Mode>& modes, double coupure, double echantillonnage,
             Hasard& hasard);

// Scales the signal so its peak sits at crete (1 = full scale), fades both ends over the given
// sample counts and quantises to unsigned 8 bits with triangular dither. The dither fades with
// the signal, so both ends are exact silence (128).
std::vector<uint8_t> versPcm8(const std::vector<double>& signal, double crete, int fonduDebut,
                              int fonduFin, Hasard& hasard);

} // namespace generateur
