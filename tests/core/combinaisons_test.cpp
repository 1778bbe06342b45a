// Copyright 2026 the Tavlo32 developers.
#include "rules/combinaisons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace tavlo::regles {
namespace {

EtatJeu valorise(int a, int b, int c) {
    EtatJeu e;
    e.ValDe[1] = a;
    e.ValDe[2] = b;
    e.ValDe[3] = c;
    valoriser(e);
    return e;
}

// Every one of the 216 throws, against a valuation written out independently: the digits are the
// faces in non-increasing order, and the rank and worth come from the list of named values.
TEST(Valorisation, LesDeuxCentSeizeLancersDonnentValeurRangEtJetons) {
    const std::map<int, std::pair<int, int>> nommees{
        {421, {1, 10}}, {111, {2, 7}},  {611, {3, 6}},  {511, {4, 5}},
        {411, {5, 4}},  {311, {6, 3}},  {666, {7, 3}},  {555, {8, 3}},
        {444, {9, 3}},  {333, {10, 3}}, {222, {11, 3}}, {211, {12, 2}},
        {654, {13, 2}}, {543, {14, 2}}, {432, {15, 2}}, {321, {16, 2}}};
    std::set<int> valeurs;
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b) {
            for (int c = 1; c <= 6; ++c) {
                const EtatJeu e = valorise(a, b, c);
                const int haut = std::max({a, b, c});
                const int bas = std::min({a, b, c});
                const int attendue = haut * 100 + (a + b + c - haut - bas) * 10 + bas;
                const auto it = nommees.find(attendue);
                const int rang = it == nommees.end() ? 17 : it->second.first;
                const int jetons = it == nommees.end() ? 1 : it->second.second;
                SCOPED_TRACE(testing::Message() << "faces " << a << b << c);
                EXPECT_EQ(e.Valeur, attendue);
                EXPECT_EQ(e.Rang, rang);
                EXPECT_EQ(rangDe(e.Valeur), rang);
                EXPECT_EQ(jetonsDe(e.Valeur), jetons);
                int total = 0;
                for (int f = 1; f <= 6; ++f) {
                    const int n = (a == f) + (b == f) + (c == f);
                    EXPECT_EQ(e.NbFaces[f], n) << "face " << f;
                    total += e.NbFaces[f];
                }
                EXPECT_EQ(total, 3);
                valeurs.insert(e.Valeur);
            }
        }
    }
    EXPECT_EQ(valeurs.size(), 56u);
}

TEST(Valorisation, FacesRepeteesEtDesOrdinaires) {
    const EtatJeu e = valorise(3, 5, 3);
    EXPECT_EQ(e.Valeur, 533);
    EXPECT_EQ(e.NbFaces[3], 2);
    EXPECT_EQ(e.NbFaces[5], 1);

    EXPECT_EQ(valorise(2, 2, 1).Valeur, 221);
    EXPECT_EQ(valorise(2, 2, 1).Rang, 17) << "two 2s and a 1 is no combination";
    EXPECT_EQ(valorise(1, 1, 2).Rang, 12) << "211 ranks after the triples";
    EXPECT_EQ(valorise(6, 5, 3).Rang, 17);
}

} // namespace
} // namespace tavlo::regles
