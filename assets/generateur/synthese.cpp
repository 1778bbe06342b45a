// Copyright 2026 the Tavlo32 developers.
#include "synthese.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace generateur {

double Hasard::uniforme() {
    m_etat ^= m_etat >> 12;
    m_etat ^= m_etat << 25;
    m_etat ^= m_etat >> 27;
    return static_cast<double>((m_etat * 0x2545F4914F6CDD1Dull) >> 11) * 0x1.0p-53;
}

namespace {

struct Cookbook {
    double cosw, alpha;
    Cookbook(double frequence, double q, double echantillonnage) {
        const double w = 2.0 * std::numbers::pi * frequence / echantillonnage;
        cosw = std::cos(w);
        alpha = std::sin(w) / (2.0 * q);
    }
};

} // namespace

Biquad Biquad::passeBande(double frequence, double q, double echantillonnage) {
    const Cookbook c(frequence, q, echantillonnage);
    const double a0 = 1 + c.alpha;
    Biquad f;
    f.m_b0 = c.alpha / a0;
    f.m_b1 = 0;
    f.m_b2 = -c.alpha / a0;
    f.m_a1 = -2 * c.cosw / a0;
    f.m_a2 = (1 - c.alpha) / a0;
    return f;
}

Biquad Biquad::passeBas(double frequence, double q, double echantillonnage) {
    const Cookbook c(frequence, q, echantillonnage);
    const double a0 = 1 + c.alpha;
    Biquad f;
    f.m_b0 = (1 - c.cosw) / 2 / a0;
    f.m_b1 = (1 - c.cosw) / a0;
    f.m_b2 = f.m_b0;
    f.m_a1 = -2 * c.cosw / a0;
    f.m_a2 = (1 - c.alpha) / a0;
    return f;
}

Biquad Biquad::passeHaut(double frequence, double q, double echantillonnage) {
    const Cookbook c(frequence, q, echantillonnage);
    const double a0 = 1 + c.alpha;
    Biquad f;
    f.m_b0 = (1 + c.cosw) / 2 / a0;
    f.m_b1 = -(1 + c.cosw) / a0;
    f.m_b2 = f.m_b0;
    f.m_a1 = -2 * c.cosw / a0;
    f.m_a2 = (1 - c.alpha) / a0;
    return f;
}

double Biquad::traiter(double x) {
    const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = x;
    m_y2 = m_y1;
    m_y1 = y;
    return y;
}

void frapper(std::vector<double>& piste, double debut, double force, double dureeImpulsion,
             const std::vector<Mode>& modes, double coupure, double echantillonnage,
             Hasard& hasard) {
    const auto premier = static_cast<std::ptrdiff_t>(std::lround(debut * echantillonnage));
    const int impulsion = std::max(1, static_cast<int>(dureeImpulsion * echantillonnage));
    std::vector<double> excitation(static_cast<std::size_t>(impulsion));
    for (int i = 0; i < impulsion; ++i) {
        // A raised-cosine burst: no instantaneous step, so no spurious crackle.
        const double forme = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * (i + 0.5) / impulsion);
        excitation[static_cast<std::size_t>(i)] = hasard.bruit() * forme;
    }
    double plusLong = dureeImpulsion + 0.03;
    for (const Mode& m : modes) {
        plusLong = std::max(plusLong, 6.0 * m.amortissement);
    }
    const auto longueur = static_cast<std::ptrdiff_t>(plusLong * echantillonnage);
    std::vector<double> son(static_cast<std::size_t>(longueur), 0.0);
    for (const Mode& m : modes) {
        if (m.frequence >= echantillonnage / 2 * 0.95) {
            continue;
        }
        const double r = std::exp(-1.0 / (m.amortissement * echantillonnage));
        const double w = 2.0 * std::numbers::pi * m.frequence / echantillonnage;
        const double a1 = 2.0 * r * std::cos(w);
        const double a2 = -r * r;
        const double normalisation = (1.0 - r) * 2.0;
        double y1 = 0, y2 = 0;
        for (std::ptrdiff_t n = 0; n < longueur; ++n) {
            const double x = n < impulsion ? excitation[static_cast<std::size_t>(n)] : 0.0;
            const double y = a1 * y1 + a2 * y2 + x * normalisation;
            y2 = y1;
            y1 = y;
            son[static_cast<std::size_t>(n)] += y * m.gain / std::sqrt(std::sin(w) + 0.05);
        }
    }
    if (coupure > 0) {
        Biquad filtre = Biquad::passeBas(coupure, 0.7, echantillonnage);
        const double decroissance = std::exp(-1.0 / (0.012 * echantillonnage));
        double enveloppe = 1.0;
        for (std::ptrdiff_t n = 0; n < longueur; ++n) {
            const double x = hasard.bruit() * enveloppe;
            enveloppe *= decroissance;
            son[static_cast<std::size_t>(n)] += 0.6 * filtre.traiter(x);
        }
    }
    for (std::ptrdiff_t n = 0; n < longueur; ++n) {
        const std::ptrdiff_t i = premier + n;
        if (i >= 0 && i < static_cast<std::ptrdiff_t>(piste.size())) {
            piste[static_cast<std::size_t>(i)] += force * son[static_cast<std::size_t>(n)];
        }
    }
}

std::vector<uint8_t> versPcm8(const std::vector<double>& signal, double crete, int fonduDebut,
                              int fonduFin, Hasard& hasard) {
    const auto n = static_cast<int>(signal.size());
    std::vector<double> forme(signal.size(), 1.0);
    for (int i = 0; i < n; ++i) {
        double g = 1.0;
        if (i < fonduDebut) {
            g = std::min(g, 0.5 - 0.5 * std::cos(std::numbers::pi * i / fonduDebut));
        }
        if (n - 1 - i < fonduFin) {
            g = std::min(g, 0.5 - 0.5 * std::cos(std::numbers::pi * (n - 1 - i) / fonduFin));
        }
        forme[static_cast<std::size_t>(i)] = g;
    }
    double pic = 1e-12;
    for (int i = 0; i < n; ++i) {
        pic = std::max(pic, std::abs(signal[static_cast<std::size_t>(i)] *
                                     forme[static_cast<std::size_t>(i)]));
    }
    std::vector<uint8_t> sortie(signal.size());
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double tremblement = (hasard.uniforme() - hasard.uniforme()) * forme[k];
        const double v = signal[k] * forme[k] / pic * crete * 127.0 + tremblement;
        sortie[k] = static_cast<uint8_t>(std::clamp(128 + std::lround(v), 1l, 255l));
    }
    return sortie;
}

} // namespace generateur
