// Copyright 2026 the Tavlo32 developers.
// Printers found by GoogleTest, so that a failing check says what it saw.
#pragma once

#include "ordy/decision.h"
#include "rules/effets.h"
#include "rules/partie.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tavlo::rules {

template <typename T, int N> void PrintTo(const TableauUn<T, N>& t, std::ostream* os) {
    *os << '[';
    for (int k = 1; k <= N; ++k) {
        *os << (k > 1 ? " " : "") << t[k];
    }
    *os << ']';
}

inline void PrintTo(Siege s, std::ostream* os) {
    *os << "siege " << static_cast<int>(s);
}

inline void PrintTo(const JouerSon& s, std::ostream* os) {
    constexpr const char* noms[] = {"LANCER", "BRAVO", "MEILLEUR"};
    *os << "son " << noms[static_cast<int>(s.m_son)];
}

inline void PrintTo(const AfficherBoite& b, std::ostream* os) {
    constexpr const char* types[] = {"Avertissement", "Information", "Personnalise"};
    *os << "boite " << types[static_cast<int>(b.m_type)] << " \"" << b.m_texte << '"';
}

inline void PrintTo(const EtatJeu& e, std::ostream* os) {
    const auto t = [](const auto& tableau) { return testing::PrintToString(tableau); };
    *os << "{ValDe " << t(e.ValDe) << " NbFaces " << t(e.NbFaces) << " Valeur " << e.Valeur
        << " Rang " << e.Rang << " ValeurPremier " << e.ValeurPremier << " RangPremier "
        << e.RangPremier << " NumLancer " << e.NumLancer << " CoupsMaxi " << e.CoupsMaxi
        << " CoupsRestants " << e.CoupsRestants << " Pot " << t(e.Pot) << " Jetons1 "
        << t(e.Jetons1) << " Jetons2 " << t(e.Jetons2) << " Charge " << e.Charge << " Repos "
        << e.Repos << " MiseRepos " << e.MiseRepos << " MancheFinie " << e.MancheFinie
        << " ModeSolo " << e.ModeSolo << " Manches1 " << e.Manches1 << " Manches2 " << e.Manches2
        << '}';
}

} // namespace tavlo::rules

namespace tavlo::ordy {

inline void PrintTo(const Decision& d, std::ostream* os) {
    *os << "{continuer " << d.m_continuer << " garde " << testing::PrintToString(d.m_garde) << '}';
}

} // namespace tavlo::ordy
