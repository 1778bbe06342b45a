// Copyright 2026 the Tavlo32 developers.
#include "rules/combinaisons.h"

#include <algorithm>
#include <functional>

namespace tavlo::rules {

namespace {

std::int32_t rangDe(std::int32_t valeur) {
    const auto it = std::find_if(TableCombinaisons.begin(), TableCombinaisons.end(),
                                 [valeur](const Combinaison& c) { return c.m_valeur == valeur; });
    return it == TableCombinaisons.end()
               ? RANG_ORDINAIRE
               : static_cast<std::int32_t>(it - TableCombinaisons.begin()) + 1;
}

// The faces of the three dice sorted from highest to lowest, read as a three-digit number.
std::int32_t valeurDe(std::int32_t a, std::int32_t b, std::int32_t c) {
    std::array<std::int32_t, 3> faces{a, b, c};
    std::sort(faces.begin(), faces.end(), std::greater<>());
    return faces[0] * 100 + faces[1] * 10 + faces[2];
}

} // namespace

void valoriser(EtatJeu& etat) {
    for (int de = 1; de <= NB_DES; ++de) {
        etat.NbFaces[etat.ValDe[de]] += 1;
    }
    etat.Valeur = valeurDe(etat.ValDe[1], etat.ValDe[2], etat.ValDe[3]);
    etat.Rang = rangDe(etat.Valeur);
}

} // namespace tavlo::rules
