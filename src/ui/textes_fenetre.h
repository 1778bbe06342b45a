// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QString>

#include <string_view>

// The shell's own texts, exactly as the players see them.
namespace tavlo::ui::textes {

// Every UTF-8 text of the game, the core's and the shell's, reaches Qt through this.
inline QString qt(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

inline constexpr std::string_view TITRE = "Tavlo32";
inline constexpr std::string_view COPYRIGHT = "Copyright © 2026 les développeurs de Tavlo32";

inline constexpr std::string_view BULLE_DE = "Cliquez pour écarter ce dé";
inline constexpr std::string_view BULLE_SELECT_DE = "Cliquez pour remettre en jeu";
inline constexpr std::string_view BULLE_GOBELET = "Cliquez ici pour lancer les dés";
inline constexpr std::string_view BULLE_BUT_STOP = "Cliquez pour passer la main";
inline constexpr std::string_view PASSER = "Passer la main";

// The key that does what a click does, on a second line of the element's tooltip.
inline constexpr std::string_view BULLE_TOUCHE = "%1\n(touche %2)";
inline constexpr std::string_view TOUCHE_ESPACE = "Espace";
inline constexpr std::string_view TOUCHE_ENTREE = "Entrée";

// What a screen reader calls each element; a label's caption and a die's face are its
// description.
inline constexpr std::string_view NOM_PLATEAU = "Plateau";
inline constexpr std::string_view NOM_DE = "Dé %1";
inline constexpr std::string_view NOM_SELECT_DE = "Dé %1 écarté";
inline constexpr std::string_view NOM_GOBELET = "Gobelet";
inline constexpr std::string_view NOM_ETI_LANCER = "Numéro du lancer";
inline constexpr std::string_view NOM_ETI_JOUEUR = "Joueur dont c'est le tour";
inline constexpr std::string_view NOM_ETI_REPOS = "Égalité";
inline constexpr std::string_view NOM_CPS_MAXI = "Nombre de coups maximum";
inline constexpr std::string_view NOM_JETON = "Jeton du pot %1";
inline constexpr std::string_view NOM_JETON_JOUEUR = "Jeton %1 du joueur %2";
inline constexpr std::string_view DESCRIPTION_FACE = "Face %1";

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

// The message boxes.
inline constexpr std::string_view TITRE_AVERTISSEMENT = "Avertissement";
inline constexpr std::string_view TITRE_INFORMATION = "Information";
inline constexpr std::string_view OK = "OK";

// The names dialog.
inline constexpr std::string_view TITRE_CH_NOM = "Saisie du nom des joueurs";
inline constexpr std::string_view ENTREZ_PREMIER = "Entrez le Nom du  premier joueur:";
inline constexpr std::string_view ENTREZ_SECOND = "Entrez le Nom du second joueur:";
inline constexpr std::string_view ANNULER = "Annuler";

// The about box.
inline constexpr std::string_view TITRE_A_PROPOS = "A propos";
inline constexpr std::string_view VERSION = "Version %1"; // the project's version
inline constexpr std::string_view MEMO = "Trois dés, un gobelet et onze jetons.\n"
                                         "Jouez à deux, ou contre ORDY.\n"
                                         "Le 421 vaut dix jetons.\n"
                                         "Qui garde les onze jetons perd la manche.\n"
                                         "Bonne chance !";

// The help window.
inline constexpr std::string_view TITRE_AIDE = "Aide de Tavlo32";
inline constexpr std::string_view AIDE_INTROUVABLE = "Le fichier d'aide est introuvable : ";
inline constexpr std::string_view DOSSIERS_CONSULTES = "Dossiers consultés :";

} // namespace tavlo::ui::textes
