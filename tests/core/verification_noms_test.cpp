// Copyright 2026 the Tavlo32 developers.
#include "rules/verification_noms.h"

#include "rules/textes_noms.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace tavlo::rules {
namespace {

using textes::NOM_RESERVE;
using textes::NOMS_MANQUANTS;

struct CasNoms {
    std::string_view nom1;
    std::string_view nom2;
    bool nom2Visible;
    std::vector<std::string_view> attendus;
};

class VerificationNoms : public testing::TestWithParam<CasNoms> {};

TEST_P(VerificationNoms, DonneLesAvertissementsDansLOrdre) {
    const CasNoms& c = GetParam();
    EXPECT_EQ(verifierNoms(c.nom1, c.nom2, c.nom2Visible), c.attendus);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, VerificationNoms,
    testing::Values(
        // Accepted: equal names, blanks, and names that only contain or resemble the reserved one.
        CasNoms{"PAUL", "PAUL", true, {}}, CasNoms{"PAUL", "", false, {}},
        CasNoms{" ", "  ", true, {}}, CasNoms{"ORDYNATEUR", "Ordy", true, {}},
        // A missing name, shown fields only: a single warning.
        CasNoms{"", "", true, {NOMS_MANQUANTS}}, CasNoms{"", "JEAN", false, {NOMS_MANQUANTS}},
        CasNoms{"PAUL", "", true, {NOMS_MANQUANTS}},
        // The computer's name, in a shown or a hidden field.
        CasNoms{"ORDY", "JEAN", true, {NOM_RESERVE}}, CasNoms{"PAUL", "ORDY", false, {NOM_RESERVE}},
        // Both on one press, the missing name first.
        CasNoms{"", "ORDY", false, {NOMS_MANQUANTS, NOM_RESERVE}},
        CasNoms{"ORDY", "", true, {NOMS_MANQUANTS, NOM_RESERVE}}));

} // namespace
} // namespace tavlo::rules
