// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <string_view>

// The main window's own texts, exactly as the players see them.
namespace tavlo::ui::textes {

inline constexpr std::string_view TITRE = "Tavlo32";
inline constexpr std::string_view COPYRIGHT = "Copyright © 2026 les développeurs de Tavlo32";

inline constexpr std::string_view BULLE_DE = "Cliquez pour écarter ce dé";
inline constexpr std::string_view BULLE_SELECT_DE = "Cliquez pour remettre en jeu";
inline constexpr std::string_view BULLE_GOBELET = "Cliquez ici pour lancer les dés";
inline constexpr std::string_view PASSER = "Passer la main";

inline constexpr std::string_view MENU_NOUVELLE = "&Nouvelle Partie";
inline constexpr std::string_view MENU_1_JOUEUR = "1 Joueur";
inline constexpr std::string_view MENU_2_JOUEURS = "2 Joueurs";
inline constexpr std::string_view MENU_SCORES = "&Scores";
inline constexpr std::string_view MENU_MANCHES = "Manches...";
inline constexpr std::string_view MENU_ZERO = "Remise à zéro";
inline constexpr std::string_view MENU_AIDE = "&Aide";
inline constexpr std::string_view MENU_AIDE_SUR = "Aide sur ...";
inline constexpr std::string_view MENU_SON = "Son";
inline constexpr std::string_view MENU_A_PROPOS = "A propos";
inline constexpr std::string_view MENU_QUITTER = "&Quitter";

} // namespace tavlo::ui::textes
