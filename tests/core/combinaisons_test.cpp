// Copyright 2026 the Tavlo32 developers.
#include "rules/combinaisons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tavlo::rules {
namespace {

// Every one of the 216 throws, against a valuation written out independently: the digits are the
// faces from highest to lowest, and the rank comes from the list of named values.
TEST(Valorisation, LesDeuxCentSeizeLancersDonnentValeurRangEtFaces) {
    const std::map<int, int> rangs{{421, 1},  {111, 2},  {611, 3},  {511, 4},  {411, 5},  {311, 6},
                                   {666, 7},  {555, 8},  {444, 9},  {333, 10}, {222, 11}, {211, 12},
                                   {654, 13}, {543, 14}, {432, 15}, {321, 16}};
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b) {
            for (int c = 1; c <= 6; ++c) {
                EtatJeu e;
                e.ValDe[1] = a;
                e.ValDe[2] = b;
                e.ValDe[3] = c;
                valoriser(e);
                const int haut = std::max({a, b, c});
                const int bas = std::min({a, b, c});
                const int attendue = haut * 100 + (a + b + c - haut - bas) * 10 + bas;
                const auto it = rangs.find(attendue);
                SCOPED_TRACE(testing::Message() << "faces " << a << b << c);
                EXPECT_EQ(e.Valeur, attendue);
                EXPECT_EQ(e.Rang, it == rangs.end() ? 17 : it->second);
                for (int f = 1; f <= 6; ++f) {
                    EXPECT_EQ(e.NbFaces[f], (a == f) + (b == f) + (c == f)) << "face " << f;
                }
            }
        }
    }
}

} // namespace
} // namespace tavlo::rules
