// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <string_view>

// The names dialog's refusals, exactly as the players see them.
namespace tavlo::rules::textes {

inline constexpr std::string_view NOMS_MANQUANTS =
    "Vous devez rentrer les noms ou appuyez sur Annuler";
inline constexpr std::string_view NOM_RESERVE = "Pour qui vous prenez-vous ? ORDY est mon nom !";

} // namespace tavlo::rules::textes
