// Copyright 2026 the Tavlo32 developers.
#include "ordy/decision.h"

#include "imprimer.h"
#include "rules/combinaisons.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tavlo::ordy {
namespace {

using rules::EtatJeu;

// ORDY's throw read die by die (412 is die 1 on 4, die 2 on 1, die 3 on 2), the tokens it holds,
// the throws it has left, and the first player's value, 0 while ORDY plays first.
EtatJeu lancer(int des) {
    EtatJeu e;
    e.ValDe[1] = des / 100;
    e.ValDe[2] = des / 10 % 10;
    e.ValDe[3] = des % 10;
    rules::valoriser(e);
    return e;
}

EtatJeu apresLancer(int des, int jetons, int coupsRestants, int premier = 0) {
    EtatJeu e = lancer(des);
    for (int k = 1; k <= jetons; ++k) {
        e.Jetons2[k] = true;
    }
    e.CoupsRestants = coupsRestants;
    e.ValeurPremier = premier;
    e.RangPremier = premier == 0 ? 0 : lancer(premier).Rang;
    return e;
}

// "-" is a pass; otherwise the dice kept, none when all three are thrown again. Keeping all three
// ends the turn.
Decision attendue(std::string_view garde) {
    Decision d;
    d.m_continuer = garde != "-" && garde != "123";
    for (const char de : garde) {
        if (de != '-') {
            d.m_garde[de - '0'] = true;
        }
    }
    return d;
}

// ORDY first. For each token count 0..11, 'x' where it passes and '.' where it keeps `garde`;
// once with two throws left after this one, once with exactly one.
struct LignePremier {
    int des;
    const char *deuxCoups, *unCoup, *garde;
};

class DecisionPremier : public testing::TestWithParam<LignePremier> {};

TEST_P(DecisionPremier, PasseOuGardeSelonLesJetonsTenus) {
    const LignePremier& l = GetParam();
    for (int coups : {2, 1}) {
        const std::string_view passe = coups == 2 ? l.deuxCoups : l.unCoup;
        for (int jetons = 0; jetons <= 11; ++jetons) {
            EXPECT_EQ(decider(apresLancer(l.des, jetons, coups)),
                      attendue(passe.at(static_cast<std::size_t>(jetons)) == 'x' ? "-" : l.garde))
                << l.des << ", " << jetons << " jetons, " << coups << " coups restants";
        }
    }
}

constexpr const char* TOUJOURS = "xxxxxxxxxxxx";
constexpr const char* JAMAIS = "............";

// 421, 111, the triples and the runs always pass (321 is a run, not a 4-2-1 to chase); the
// 1-combinations keep their two 1s only between the bounds of the tokens held; with no combination
// and 6 high: the 2 and the 1 of 621, else a 1, else a pair, else nothing, and without a 1 the last
// throw is not risked; 5 high or less never passes (442 is a pair, not a 4-2-1 start).
const LignePremier LIGNES_PREMIER[] = {{421, TOUJOURS, TOUJOURS, ""},
                                       {111, TOUJOURS, TOUJOURS, ""},
                                       {666, TOUJOURS, TOUJOURS, ""},
                                       {222, TOUJOURS, TOUJOURS, ""},
                                       {321, TOUJOURS, TOUJOURS, ""},
                                       {611, "xxxxxxx.xxxx", "xxxxxxx.xxxx", "23"},
                                       {151, "xxxxxx..xxxx", "xxxxxx..xxxx", "13"},
                                       {114, "xxxxx...xxxx", "xxxxx...xxxx", "12"},
                                       {311, "xxxx........", "xxxx........", "23"},
                                       {121, "xxx.........", "xxx.........", "13"},
                                       {261, "xx..........", "xx..........", "13"},
                                       {651, "xx..........", "xx..........", "3"},
                                       {665, "xx..........", TOUJOURS, "12"},
                                       {652, "xx..........", TOUJOURS, ""},
                                       {221, JAMAIS, JAMAIS, "13"},
                                       {242, JAMAIS, JAMAIS, "12"},
                                       {531, JAMAIS, JAMAIS, "3"},
                                       {133, JAMAIS, JAMAIS, "1"},
                                       {535, JAMAIS, JAMAIS, "13"},
                                       {244, JAMAIS, JAMAIS, "23"},
                                       {532, JAMAIS, JAMAIS, ""}};

INSTANTIATE_TEST_SUITE_P(Regles, DecisionPremier, testing::ValuesIn(LIGNES_PREMIER));

// ORDY second, against the first player's value.
struct LigneSecond {
    int premier, des, jetons;
    const char* garde;
};

class DecisionSecond : public testing::TestWithParam<LigneSecond> {};

TEST_P(DecisionSecond, RepondAuPremierJoueur) {
    const LigneSecond& l = GetParam();
    EXPECT_EQ(decider(apresLancer(l.des, l.jetons, 2, l.premier)), attendue(l.garde))
        << l.des << " contre " << l.premier << ", " << l.jetons << " jetons";
}

// 421 always passes; with 8 tokens or more a 1-combination that does not lose is kept. Against
// 421 or 111 only the 4-2-1 selection keeps anything; against 611..311 a 4-2-1 start, else the 1s;
// against a triple, 211 or a run its own 1s, else a pair whose triple would win, else a 4-2-1
// start, else a 1. Keeping nothing, the same combination passes, except 321, where a 4-2-1 is
// chased, and against no combination only a higher value passes.
const LigneSecond LIGNES_SECOND[] = {
    {111, 214, 0, "-"},  {611, 111, 7, "123"}, {611, 111, 8, "-"},   {311, 611, 7, "23"},
    {311, 611, 11, "-"}, {511, 411, 8, "23"},  {211, 131, 11, "13"}, // 8 tokens
    {111, 111, 7, "1"},  {421, 224, 0, "13"},  {111, 114, 0, "13"},  {421, 611, 0, "2"},
    {421, 653, 0, ""}, // against 421 or 111
    {611, 521, 0, "23"}, {511, 242, 0, "12"},  {411, 513, 0, "2"},   {311, 653, 0, ""},
    {611, 112, 0, "12"}, // against 611..311
    {666, 161, 0, "13"}, {654, 211, 0, "23"},  {666, 555, 0, ""},    {555, 666, 0, "123"},
    {555, 626, 0, "13"}, {666, 626, 0, ""},    {444, 535, 0, "13"},  {555, 535, 0, ""},
    {333, 441, 0, "12"}, {444, 441, 0, "3"},   {222, 363, 0, "13"},  {211, 226, 0, "12"},
    {222, 226, 0, ""},   {654, 556, 0, "12"},  {654, 221, 0, "12"},  {222, 221, 0, "13"},
    {654, 521, 0, "23"}, {654, 631, 0, "3"}, // against a triple, 211 or a run
    {444, 444, 0, "-"},  {654, 456, 0, "-"},   {321, 321, 0, "23"},  {543, 654, 0, "-"},
    {654, 543, 0, ""},   {652, 543, 0, "-"},   {652, 653, 0, "-"},   {652, 256, 0, ""},
    {652, 651, 0, ""}}; // nothing kept

INSTANTIATE_TEST_SUITE_P(Regles, DecisionSecond, testing::ValuesIn(LIGNES_SECOND));

} // namespace
} // namespace tavlo::ordy
