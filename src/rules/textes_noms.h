// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/texte.h"

#include <string_view>

// The names dialog's refusals, exactly as the players see them.
namespace tavlo::rules::textes {

inline constexpr std::string_view NOMS_MANQUANTS =
    traduisible("Tavlo32", "Vous devez rentrer les noms ou appuyez sur Annuler");
inline constexpr std::string_view NOM_RESERVE =
    traduisible("Tavlo32", "Pour qui vous prenez-vous ? ORDY est mon nom !");

} // namespace tavlo::rules::textes
