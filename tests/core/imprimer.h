// Copyright 2026 the Tavlo32 developers.
// Printers found by GoogleTest, so that a failing check says what it saw.
#pragma once

#include "ordy/decision.h"
#include "rules/effets.h"
#include "rules/etat_jeu.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tavlo::rules {

template <typename T, int N> void PrintTo(const TableauUn<T, N>& t, std::ostream* os) {
    for (int k = 1; k <= N; ++k) {
        *os << (k > 1 ? " " : "[") << t[k];
    }
    *os << ']';
}

inline void PrintTo(const JouerSon& s, std::ostream* os) {
    *os << "son " << std::array{"LANCER", "BRAVO", "MEILLEUR"}.at(static_cast<int>(s.m_son));
}

inline void PrintTo(const Texte& t, std::ostream* os) {
    *os << '"' << t.lire() << '"';
}

inline void PrintTo(const AfficherBoite& b, std::ostream* os) {
    *os << "boite " << static_cast<int>(b.m_type) << ' ';
    PrintTo(b.m_texte, os);
}

inline void PrintTo(const EtatJeu& e, std::ostream* os) {
    using testing::PrintToString;
    *os << "{ValDe " << PrintToString(e.ValDe) << " Valeur " << e.Valeur << " ValeurPremier "
        << e.ValeurPremier << " NumLancer " << e.NumLancer << " CoupsMaxi " << e.CoupsMaxi
        << " CoupsRestants " << e.CoupsRestants << " Pot " << PrintToString(e.Pot) << " Jetons1 "
        << PrintToString(e.Jetons1) << " Jetons2 " << PrintToString(e.Jetons2) << " Charge "
        << e.Charge << " Repos " << e.Repos << " MiseRepos " << e.MiseRepos << " MancheFinie "
        << e.MancheFinie << " ModeSolo " << e.ModeSolo << '}';
}

} // namespace tavlo::rules

namespace tavlo::ordy {

inline void PrintTo(const Decision& d, std::ostream* os) {
    *os << "{continuer " << d.m_continuer << " garde " << testing::PrintToString(d.m_garde) << '}';
}

} // namespace tavlo::ordy
