// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/texte.h"

#include <QString>

#include <string_view>

// The shell's own texts, exactly as the players see them, marked for the translation tools.
namespace tavlo::ui::textes {

using rules::traduisible;

// Words of the player or of the system (a name typed, an error's message) reach Qt through this;
// the game's own texts go through traduit() (traduction.h).
inline QString qt(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

inline constexpr std::string_view TITRE = traduisible("Tavlo32", "Tavlo32");
inline constexpr std::string_view COPYRIGHT =
    traduisible("Tavlo32", "Copyright © 2026 les développeurs de Tavlo32");

inline constexpr std::string_view BULLE_DE = traduisible("Tavlo32", "Cliquez pour écarter ce dé");
inline constexpr std::string_view BULLE_SELECT_DE =
    traduisible("Tavlo32", "Cliquez pour remettre en jeu");
inline constexpr std::string_view BULLE_GOBELET =
    traduisible("Tavlo32", "Cliquez ici pour lancer les dés");
inline constexpr std::string_view BULLE_BUT_STOP =
    traduisible("Tavlo32", "Cliquez pour passer la main");
inline constexpr std::string_view PASSER = traduisible("Tavlo32", "Passer la main");

// The key that does what a click does, on a second line of the element's tooltip.
inline constexpr std::string_view BULLE_TOUCHE = traduisible("Tavlo32", "%1\n(touche %2)");
inline constexpr std::string_view TOUCHE_ESPACE = traduisible("Tavlo32", "Espace");
inline constexpr std::string_view TOUCHE_ENTREE = traduisible("Tavlo32", "Entrée");

// What a screen reader calls each element; a label's caption and a die's face are its
// description.
inline constexpr std::string_view NOM_PLATEAU = traduisible("Tavlo32", "Plateau");
inline constexpr std::string_view NOM_DE = traduisible("Tavlo32", "Dé %1");
inline constexpr std::string_view NOM_GOBELET = traduisible("Tavlo32", "Gobelet");
inline constexpr std::string_view NOM_ETI_LANCER = traduisible("Tavlo32", "Numéro du lancer");
inline constexpr std::string_view NOM_ETI_JOUEUR =
    traduisible("Tavlo32", "Joueur dont c'est le tour");
inline constexpr std::string_view NOM_ETI_REPOS = traduisible("Tavlo32", "Égalité");
inline constexpr std::string_view NOM_CPS_MAXI = traduisible("Tavlo32", "Nombre de coups maximum");
inline constexpr std::string_view DESCRIPTION_FACE = traduisible("Tavlo32", "Face %1");
// What the cup's and the dice's one action does.
inline constexpr std::string_view ACTION_GOBELET = traduisible("Tavlo32", "Lancer les dés");
inline constexpr std::string_view ACTION_DE = traduisible("Tavlo32", "Écarter ce dé");
inline constexpr std::string_view ACTION_SELECT_DE =
    traduisible("Tavlo32", "Remettre ce dé en jeu");
// A row of tokens, read as one element: its holder and its count. French puts the singular on
// none and one.
inline constexpr std::string_view NOM_RANGEE = traduisible("Tavlo32", "%1 : %2");
inline constexpr std::string_view NOM_POT = traduisible("Tavlo32", "Pot");
inline constexpr std::string_view JETON = traduisible("Tavlo32", "%1 jeton");
inline constexpr std::string_view JETONS = traduisible("Tavlo32", "%1 jetons");

// What a screen reader announces of the game, sentence by sentence.
inline constexpr std::string_view ANNONCE_LANCER =
    traduisible("Tavlo32", "%1 : %2, %3, %4."); // the thrower, the faces
inline constexpr std::string_view ANNONCE_ECARTE = traduisible("Tavlo32", "Dé %1 écarté.");
inline constexpr std::string_view ANNONCE_REMIS = traduisible("Tavlo32", "Dé %1 remis en jeu.");
inline constexpr std::string_view ANNONCE_COMBINAISON = traduisible("Tavlo32", "Combinaison %1.");
inline constexpr std::string_view ANNONCE_RESTANTS =
    traduisible("Tavlo32", "Lancers restants : %1.");
inline constexpr std::string_view ANNONCE_DON = traduisible("Tavlo32", "%1 donne %2 à %3.");
inline constexpr std::string_view LE_POT = traduisible("Tavlo32", "Le pot");
inline constexpr std::string_view ANNONCE_EGALITE =
    traduisible("Tavlo32", "Égalité : aucun jeton ne bouge.");
inline constexpr std::string_view ANNONCE_RANGEES = traduisible("Tavlo32", "%1, %2, %3.");
inline constexpr std::string_view ANNONCE_MAIN = traduisible("Tavlo32", "Main à %1.");

inline constexpr std::string_view MENU_NOUVELLE = traduisible("Tavlo32", "&Nouvelle Partie");
inline constexpr std::string_view MENU_1_JOUEUR = traduisible("Tavlo32", "1 Joueur");
inline constexpr std::string_view MENU_2_JOUEURS = traduisible("Tavlo32", "2 Joueurs");
inline constexpr std::string_view MENU_SCORES = traduisible("Tavlo32", "&Scores");
inline constexpr std::string_view MENU_MANCHES = traduisible("Tavlo32", "Manches...");
inline constexpr std::string_view MENU_ZERO = traduisible("Tavlo32", "Remise à zéro");
inline constexpr std::string_view MENU_AIDE = traduisible("Tavlo32", "&Aide");
inline constexpr std::string_view MENU_AIDE_SUR = traduisible("Tavlo32", "Aide sur ...");
inline constexpr std::string_view MENU_SON = traduisible("Tavlo32", "Son");
inline constexpr std::string_view MENU_A_PROPOS = traduisible("Tavlo32", "A propos");
inline constexpr std::string_view MENU_QUITTER = traduisible("Tavlo32", "&Quitter");

// The message boxes.
inline constexpr std::string_view TITRE_AVERTISSEMENT = traduisible("Tavlo32", "Avertissement");
inline constexpr std::string_view TITRE_INFORMATION = traduisible("Tavlo32", "Information");
inline constexpr std::string_view OK = traduisible("Tavlo32", "OK");

// The names dialog.
inline constexpr std::string_view TITRE_CH_NOM =
    traduisible("Tavlo32", "Saisie du nom des joueurs");
inline constexpr std::string_view ENTREZ_PREMIER =
    traduisible("Tavlo32", "Entrez le Nom du  premier joueur:");
inline constexpr std::string_view ENTREZ_SECOND =
    traduisible("Tavlo32", "Entrez le Nom du second joueur:");
inline constexpr std::string_view ANNULER = traduisible("Tavlo32", "Annuler");

// The about box.
inline constexpr std::string_view TITRE_A_PROPOS = traduisible("Tavlo32", "A propos");
inline constexpr std::string_view VERSION =
    traduisible("Tavlo32", "Version %1"); // the project's version
inline constexpr std::string_view MEMO =
    traduisible("Tavlo32", "Trois dés, un gobelet et onze jetons.\n"
                           "Jouez à deux, ou contre ORDY.\n"
                           "Le 421 vaut dix jetons.\n"
                           "Qui garde les onze jetons perd la manche.\n"
                           "Bonne chance !");

// The help window.
inline constexpr std::string_view TITRE_AIDE = traduisible("Tavlo32", "Aide de Tavlo32");
inline constexpr std::string_view AIDE_INTROUVABLE =
    traduisible("Tavlo32", "Le fichier d'aide est introuvable : %1");
//: The help page's file, beside the French one: tavlo32_<language>.html.
inline constexpr std::string_view PAGE_AIDE = traduisible("Tavlo32", "tavlo32.html");
inline constexpr std::string_view DOSSIERS_CONSULTES =
    traduisible("Tavlo32", "Dossiers consultés :");

} // namespace tavlo::ui::textes
