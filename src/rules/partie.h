// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/effets.h"
#include "rules/etat_jeu.h"
#include "rules/textes.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tavlo::rules {

// Players are seats. Every decision about who won, who pays and whose turn it is uses the seat;
// the names are only what the seats are called, so two humans may share a name.
enum class Siege { Un = 1, Deux = 2 };

inline Siege autre(Siege s) {
    return s == Siege::Un ? Siege::Deux : Siege::Un;
}
std::ostream& operator<<(std::ostream& os, Siege s);

// The game as the rules see it: the record, the players' names, whose turn it is, and the effects
// waiting for the shell.
struct Partie {
    EtatJeu etat;
    std::array<std::string, 2> noms{std::string(textes::JOUEUR1_DEPART),
                                    std::string(textes::JOUEUR2_DEPART)};
    std::optional<Siege> tour; // empty before the first game: the turn label shows nothing
    std::vector<Effet> effets;
    int boitesOuvertes = 0; // message boxes queued and not yet reported closed

    const std::string& nom(Siege s) const { return noms[static_cast<std::size_t>(s) - 1]; }
    std::string& nom(Siege s) { return noms[static_cast<std::size_t>(s) - 1]; }
    Jetons& jetons(Siege s) { return s == Siege::Un ? etat.Jetons1 : etat.Jetons2; }

    // ORDY is player 2 of the one-player mode.
    bool estOrdy(Siege s) const { return etat.ModeSolo && s == Siege::Deux; }

    // The turn label and the tie label, as drawn.
    std::string etiJoueur() const { return tour ? nom(*tour) : std::string(); }
    bool etiReposVisible() const { return etat.Repos; }

    void jouer(Son son) { effets.emplace_back(std::in_place_type<JouerSon>, son); }
    void afficher(TypeBoite type, std::string texte) {
        effets.emplace_back(std::in_place_type<AfficherBoite>, type, std::move(texte));
        ++boitesOuvertes;
    }
};

// Settles the hand that the second player, named by the turn label, has just ended by passing.
void REPARTITION(Partie& partie);

} // namespace tavlo::rules
