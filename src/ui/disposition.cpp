// Copyright 2026 the Tavlo32 developers.
#include "ui/disposition.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tavlo::ui {

QRect emplacement(std::string_view nom) {
    const auto it = std::ranges::find(DISPOSITION, nom, &Emplacement::nom);
    if (it == DISPOSITION.end()) {
        throw std::out_of_range("élément inconnu : " + std::string(nom));
    }
    return it->rect;
}

QRect emplacementJetonJoueur(int slot) {
    constexpr int COLONNES = 4;
    const int colonne = (slot - 1) % COLONNES;
    const int rangee = (slot - 1) / COLONNES;
    return {8 + 48 * colonne, 24 + 16 * rangee, 40, 15};
}

} // namespace tavlo::ui
