// Copyright 2026 the Tavlo32 developers.
#include "rules/verification_noms.h"

#include "rules/textes.h"
#include "rules/textes_noms.h"

namespace tavlo::rules {

std::vector<std::string_view> verifierNoms(std::string_view nom1, std::string_view nom2,
                                           bool nom2Visible) {
    std::vector<std::string_view> avertissements;
    if (nom1.empty() || (nom2Visible && nom2.empty())) {
        avertissements.push_back(textes::NOMS_MANQUANTS);
    }
    if (nom1 == textes::NOM_ORDY || nom2 == textes::NOM_ORDY) {
        avertissements.push_back(textes::NOM_RESERVE);
    }
    return avertissements;
}

} // namespace tavlo::rules
