// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/texte.h"

#include <string_view>

// The game's own French texts, exactly as the players see them; %1, %2... stand for the parts
// filled in. CR is a carriage return alone.
namespace tavlo::rules::textes {

// The computer's name is the same in every language.
inline constexpr std::string_view NOM_ORDY = "ORDY";
inline constexpr std::string_view JOUEUR1_DEPART = traduisible("Tavlo32", "Joueur1");
inline constexpr std::string_view JOUEUR2_DEPART = traduisible("Tavlo32", "Joueur2");
inline constexpr std::string_view JOUEUR1_DEFAUT = traduisible("Tavlo32", "Joueur 1");
inline constexpr std::string_view JOUEUR2_DEFAUT = traduisible("Tavlo32", "Joueur 2");

//: The word shown on the board after a tied hand; the help explains it.
inline constexpr std::string_view REPOS = traduisible("Tavlo32", "\"REPOS\"");
inline constexpr std::string_view BRAVO = traduisible("Tavlo32", "Bravo %1!");
inline constexpr std::string_view MEILLEUR =
    traduisible("Tavlo32", "Je suis vraiment le meilleur!");
inline constexpr std::string_view LA_BELLE = traduisible("Tavlo32", "On fait la belle ?");
inline constexpr std::string_view AUTRE_MANCHE = traduisible("Tavlo32", "Une autre manche ?");
inline constexpr std::string_view A_MOI = traduisible("Tavlo32", "C'est à moi de relancer...");

// Two paragraphs of a message box, an empty line between them, in every language.
inline constexpr std::string_view PARAGRAPHES = "%1\r\r%2";

inline constexpr std::string_view LANCER_NUMERO = traduisible("Tavlo32", "Lancer n° %1");
inline constexpr std::string_view COUPS_MAXI = traduisible("Tavlo32", "Nombre de coups maxi:%1");
inline constexpr std::string_view COUPS_MAXI_DEPART =
    traduisible("Tavlo32", "Nombre de coups maxi: 1");

//: The rounds won by a player (%1) so far (%2).
inline constexpr std::string_view MANCHES_POUR = traduisible("Tavlo32", "Manches pour %1 : %2");

} // namespace tavlo::rules::textes
