// Copyright 2026 the Tavlo32 developers.
#include "ordy/decision.h"

#include "rules/combinaisons.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tavlo::ordy {
namespace {

using regles::EtatJeu;
using Faces = std::array<int, 3>;

constexpr Faces AUCUN{0, 0, 0}; // ORDY plays first

// ORDY's throw as the throw leaves it, the tokens it holds in slots 1..jetons, and the first
// player's result when there is one.
EtatJeu apresLancer(Faces faces, int jetons, int coupsRestants, Faces premier = AUCUN) {
    EtatJeu etat;
    etat.NbFaces.remplir(0);
    for (int de = 1; de <= regles::NB_DES; ++de) {
        etat.ValDe[de] = faces[static_cast<std::size_t>(de - 1)];
    }
    regles::valoriser(etat);
    for (int k = 1; k <= jetons; ++k) {
        etat.Jetons2[k] = true;
    }
    etat.CoupsRestants = coupsRestants;
    if (premier != AUCUN) {
        etat.ValeurPremier = regles::valeurDe(premier[0], premier[1], premier[2]);
        etat.RangPremier = regles::rangDe(etat.ValeurPremier);
    }
    return etat;
}

Decision garde(bool de1, bool de2, bool de3) {
    Decision d;
    d.garde[1] = de1;
    d.garde[2] = de2;
    d.garde[3] = de3;
    d.continuer = !(de1 && de2 && de3);
    return d;
}

const Decision PASSE{false, {}};
const Decision RELANCE_TOUT{true, {}};
const Decision ECARTE_TOUT = garde(true, true, true);

std::string texte(Faces f) {
    return std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]);
}

// ORDY first. For each token count 0..11, 'x' where it passes and '.' where it keeps `garde`
// (nothing kept means all three dice are thrown again); once with two throws left after this one,
// once with exactly one.
struct LignePremier {
    Faces faces;
    const char* avecDeuxCoups;
    const char* avecUnCoup;
    Decision garde;
};

void PrintTo(const LignePremier& l, std::ostream* os) {
    *os << texte(l.faces);
}

class DecisionPremier : public testing::TestWithParam<LignePremier> {};

TEST_P(DecisionPremier, PasseOuGardeSelonLesJetonsTenus) {
    const LignePremier& l = GetParam();
    for (int coups : {2, 1}) {
        const std::string attendu = coups == 2 ? l.avecDeuxCoups : l.avecUnCoup;
        ASSERT_EQ(attendu.size(), 12u);
        for (int jetons = 0; jetons <= 11; ++jetons) {
            const Decision d = decider(apresLancer(l.faces, jetons, coups));
            EXPECT_EQ(d, attendu[static_cast<std::size_t>(jetons)] == 'x' ? PASSE : l.garde)
                << "faces " << texte(l.faces) << ", " << jetons << " jetons, " << coups
                << " coups restants";
        }
    }
}

constexpr const char* TOUJOURS = "xxxxxxxxxxxx";
constexpr const char* JAMAIS = "............";

INSTANTIATE_TEST_SUITE_P(
    TableauDesRegles, DecisionPremier,
    testing::Values(
        // 421, 111, the triples and the runs always pass.
        LignePremier{{4, 2, 1}, TOUJOURS, TOUJOURS, {}},
        LignePremier{{1, 1, 1}, TOUJOURS, TOUJOURS, {}},
        LignePremier{{6, 6, 6}, TOUJOURS, TOUJOURS, {}},
        LignePremier{{2, 2, 2}, TOUJOURS, TOUJOURS, {}},
        LignePremier{{4, 6, 5}, TOUJOURS, TOUJOURS, {}},
        LignePremier{{3, 2, 1}, TOUJOURS, TOUJOURS, {}}, // the run, not a 4-2-1 to chase
        // The 1-combinations: keep the two 1s between the bounds.
        LignePremier{{6, 1, 1}, "xxxxxxx.xxxx", "xxxxxxx.xxxx", garde(false, true, true)},
        LignePremier{{1, 5, 1}, "xxxxxx..xxxx", "xxxxxx..xxxx", garde(true, false, true)},
        LignePremier{{1, 1, 4}, "xxxxx...xxxx", "xxxxx...xxxx", garde(true, true, false)},
        LignePremier{{3, 1, 1}, "xxxx........", "xxxx........", garde(false, true, true)},
        LignePremier{{1, 2, 1}, "xxx.........", "xxx.........", garde(true, false, true)},
        // No combination, 6 high: the 2 and the 1 of 621, else a 1, else a pair, else nothing;
        // without a 1 the last throw is not risked.
        LignePremier{{2, 6, 1}, "xx..........", "xx..........", garde(true, false, true)},
        LignePremier{{6, 5, 1}, "xx..........", "xx..........", garde(false, false, true)},
        LignePremier{{6, 6, 5}, "xx..........", TOUJOURS, garde(true, true, false)},
        LignePremier{{6, 5, 2}, "xx..........", TOUJOURS, RELANCE_TOUT},
        // No combination, 5 high or less: never passes.
        LignePremier{{2, 2, 1}, JAMAIS, JAMAIS, garde(true, false, true)},
        LignePremier{{2, 4, 2}, JAMAIS, JAMAIS, garde(true, true, false)},
        LignePremier{{5, 3, 1}, JAMAIS, JAMAIS, garde(false, false, true)},
        LignePremier{{1, 3, 3}, JAMAIS, JAMAIS, garde(true, false, false)},
        LignePremier{{5, 3, 5}, JAMAIS, JAMAIS, garde(true, false, true)},
        LignePremier{{2, 4, 4}, JAMAIS, JAMAIS, garde(false, true, true)},
        LignePremier{{5, 3, 2}, JAMAIS, JAMAIS, RELANCE_TOUT}));

// ORDY second: one throw against the first player's result.
struct LigneSecond {
    const char* cas;
    Faces premier;
    Faces faces;
    int jetons;
    Decision attendue;
};

void PrintTo(const LigneSecond& l, std::ostream* os) {
    *os << l.cas;
}

class DecisionSecond : public testing::TestWithParam<LigneSecond> {};

TEST_P(DecisionSecond, RepondAuPremierJoueur) {
    const LigneSecond& l = GetParam();
    EXPECT_EQ(decider(apresLancer(l.faces, l.jetons, 2, l.premier)), l.attendue);
}

INSTANTIATE_TEST_SUITE_P(
    ContrePremierJoueur, DecisionSecond,
    testing::Values(
        LigneSecond{"421 passe toujours", {1, 1, 1}, {2, 1, 4}, 0, PASSE},
        // With 8 tokens or more a 1-combination that does not lose is kept; slot 8 decides.
        LigneSecond{"111 contre 611, 7 jetons", {6, 1, 1}, {1, 1, 1}, 7, ECARTE_TOUT},
        LigneSecond{"111 contre 611, 8 jetons", {6, 1, 1}, {1, 1, 1}, 8, PASSE},
        LigneSecond{"611 contre 311, 7 jetons", {3, 1, 1}, {6, 1, 1}, 7, garde(false, true, true)},
        LigneSecond{"611 contre 311, 11 jetons", {3, 1, 1}, {6, 1, 1}, 11, PASSE},
        LigneSecond{"411 contre 511, 8 jetons", {5, 1, 1}, {4, 1, 1}, 8, garde(false, true, true)},
        LigneSecond{
            "311 contre 211, 11 jetons", {2, 1, 1}, {1, 3, 1}, 11, garde(true, false, true)},
        // Against 421 or 111 only the 4-2-1 selection keeps anything.
        LigneSecond{"111 contre 111, 7 jetons", {1, 1, 1}, {1, 1, 1}, 7, garde(true, false, false)},
        LigneSecond{"2,2,4 contre 421", {4, 2, 1}, {2, 2, 4}, 0, garde(true, false, true)},
        LigneSecond{"1,1,4 contre 111", {1, 1, 1}, {1, 1, 4}, 0, garde(true, false, true)},
        LigneSecond{"6,1,1 contre 421", {4, 2, 1}, {6, 1, 1}, 0, garde(false, true, false)},
        LigneSecond{"6,5,3 contre 421", {4, 2, 1}, {6, 5, 3}, 0, RELANCE_TOUT},
        // Against 611..311: a 4-2-1 start, else the 1s.
        LigneSecond{"521 contre 611", {6, 1, 1}, {5, 2, 1}, 0, garde(false, true, true)},
        LigneSecond{"422 contre 511", {5, 1, 1}, {2, 4, 2}, 0, garde(true, true, false)},
        LigneSecond{"5,1,3 contre 411", {4, 1, 1}, {5, 1, 3}, 0, garde(false, true, false)},
        LigneSecond{"6,5,3 contre 311", {3, 1, 1}, {6, 5, 3}, 0, RELANCE_TOUT},
        LigneSecond{"211 contre 611", {6, 1, 1}, {1, 1, 2}, 0, garde(true, true, false)},
        // Against a triple, 211 or a run.
        LigneSecond{"611 contre 666", {6, 6, 6}, {1, 6, 1}, 0, garde(true, false, true)},
        LigneSecond{"211 contre 654", {6, 5, 4}, {2, 1, 1}, 0, garde(false, true, true)},
        LigneSecond{"555 contre 666", {6, 6, 6}, {5, 5, 5}, 0, RELANCE_TOUT},
        LigneSecond{"666 contre 555", {5, 5, 5}, {6, 6, 6}, 0, ECARTE_TOUT},
        LigneSecond{"6,6,2 contre 555", {5, 5, 5}, {6, 2, 6}, 0, garde(true, false, true)},
        LigneSecond{"6,6,2 contre 666", {6, 6, 6}, {6, 2, 6}, 0, RELANCE_TOUT},
        LigneSecond{"5,5,3 contre 444", {4, 4, 4}, {5, 3, 5}, 0, garde(true, false, true)},
        LigneSecond{"5,5,3 contre 555", {5, 5, 5}, {5, 3, 5}, 0, RELANCE_TOUT},
        LigneSecond{"4,4,1 contre 333", {3, 3, 3}, {4, 4, 1}, 0, garde(true, true, false)},
        LigneSecond{"4,4,1 contre 444", {4, 4, 4}, {4, 4, 1}, 0, garde(false, false, true)},
        LigneSecond{"3,6,3 contre 222", {2, 2, 2}, {3, 6, 3}, 0, garde(true, false, true)},
        LigneSecond{"2,2,6 contre 211", {2, 1, 1}, {2, 2, 6}, 0, garde(true, true, false)},
        LigneSecond{"2,2,6 contre 222", {2, 2, 2}, {2, 2, 6}, 0, RELANCE_TOUT},
        LigneSecond{"5,5,6 contre 654", {6, 5, 4}, {5, 5, 6}, 0, garde(true, true, false)},
        LigneSecond{"2,2,1 contre 654", {6, 5, 4}, {2, 2, 1}, 0, garde(true, true, false)},
        LigneSecond{"2,2,1 contre 222", {2, 2, 2}, {2, 2, 1}, 0, garde(true, false, true)},
        LigneSecond{"5,2,1 contre 654", {6, 5, 4}, {5, 2, 1}, 0, garde(false, true, true)},
        LigneSecond{"6,3,1 contre 654", {6, 5, 4}, {6, 3, 1}, 0, garde(false, false, true)},
        // The same combination does not lose, except 321, where a 4-2-1 is chased.
        LigneSecond{"444 contre 444", {4, 4, 4}, {4, 4, 4}, 0, PASSE},
        LigneSecond{"654 contre 654", {6, 5, 4}, {4, 5, 6}, 0, PASSE},
        LigneSecond{"321 contre 321", {3, 2, 1}, {3, 2, 1}, 0, garde(false, true, true)},
        LigneSecond{"654 contre 543", {5, 4, 3}, {6, 5, 4}, 0, PASSE},
        LigneSecond{"543 contre 654", {6, 5, 4}, {5, 4, 3}, 0, RELANCE_TOUT},
        // Against no combination nothing is kept: pass on any named one or a higher value.
        LigneSecond{"543 contre 652", {6, 5, 2}, {5, 4, 3}, 0, PASSE},
        LigneSecond{"653 contre 652", {6, 5, 2}, {6, 5, 3}, 0, PASSE},
        LigneSecond{"652 contre 652", {6, 5, 2}, {2, 5, 6}, 0, RELANCE_TOUT},
        LigneSecond{"651 contre 652", {6, 5, 2}, {6, 5, 1}, 0, RELANCE_TOUT}));

} // namespace
} // namespace tavlo::ordy
