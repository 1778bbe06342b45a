// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <string_view>

// The game's own French texts, exactly as the players see them. CR is a carriage return alone.
namespace tavlo::rules::textes {

inline constexpr std::string_view NOM_ORDY = "ORDY";
inline constexpr std::string_view JOUEUR1_DEPART = "Joueur1";
inline constexpr std::string_view JOUEUR2_DEPART = "Joueur2";
inline constexpr std::string_view JOUEUR1_DEFAUT = "Joueur 1";
inline constexpr std::string_view JOUEUR2_DEFAUT = "Joueur 2";

inline constexpr std::string_view REPOS = "\"REPOS\"";
inline constexpr std::string_view BRAVO = "Bravo ";
inline constexpr std::string_view MEILLEUR = "Je suis vraiment le meilleur!";
inline constexpr std::string_view POINT_EXCLAMATION = "!";
inline constexpr std::string_view DEUX_CR = "\r\r";
inline constexpr std::string_view LA_BELLE = "On fait la belle ?";
inline constexpr std::string_view AUTRE_MANCHE = "Une autre manche ?";
inline constexpr std::string_view A_MOI = "C'est à moi de relancer...";

inline constexpr std::string_view LANCER_NUMERO = "Lancer n° ";
inline constexpr std::string_view COUPS_MAXI = "Nombre de coups maxi:";
inline constexpr std::string_view COUPS_MAXI_DEPART = "Nombre de coups maxi: 1";

inline constexpr std::string_view MANCHES_POUR = "Manches pour ";
inline constexpr std::string_view DEUX_POINTS = " : ";

} // namespace tavlo::rules::textes
