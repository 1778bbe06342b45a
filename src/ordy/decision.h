// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/etat_jeu.h"

namespace tavlo::ordy {

// What ORDY does after a throw that leaves it another one.
struct Decision {
    bool m_continuer = true;                       // throw again
    rules::TableauUn<bool, rules::NB_DES> m_garde; // dice to set aside before the next throw

    bool operator==(const Decision&) const = default;
};

// ORDY's decision over the game state right after its throw: its throw (Valeur, Rang, ValDe,
// NbFaces), the first player's result (ValeurPremier, RangPremier; 0 when ORDY plays first), the
// throws it has left (CoupsRestants, above 0) and the tokens it holds (Jetons2). A stop keeps no
// die; keeping all three dice also ends the turn, with the three dice set aside.
Decision decider(const rules::EtatJeu& etat);

} // namespace tavlo::ordy
