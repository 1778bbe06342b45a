// Copyright 2026 the Tavlo32 developers.
// Printers found by GoogleTest, so that a failing check says what it saw.
#pragma once

#include "ordy/decision.h"
#include "rules/effets.h"
#include "rules/tableau_un.h"

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

} // namespace tavlo::rules

namespace tavlo::ordy {

inline void PrintTo(const Decision& d, std::ostream* os) {
    *os << "{continuer " << d.m_continuer << " garde " << testing::PrintToString(d.m_garde) << '}';
}

} // namespace tavlo::ordy
