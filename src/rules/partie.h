// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/effets.h"
#include "rules/etat_jeu.h"
#include "rules/textes.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tavlo::rules {

// Players are seats. Every decision about who won, who pays and whose turn it is uses the seat;
// the names are only what the seats are called, so two humans may share a name.
enum class Siege { Un = 1, Deux = 2 };

inline Siege autre(Siege s) {
    return s == Siege::Un ? Siege::Deux : Siege::Un;
}

// The game as the rules see it: the record, the players' names, whose turn it is, and the effects
// waiting for the shell.
struct Partie {
    EtatJeu m_etat;
    // A name typed is taken as it is; the names the game gives are its own texts.
    std::array<Texte, 2> m_noms{Texte(textes::JOUEUR1_DEPART), Texte(textes::JOUEUR2_DEPART)};
    std::optional<Siege> m_tour; // empty before the first game: the turn label shows nothing
    std::vector<Effet> m_effets;
    int m_boitesOuvertes = 0; // message boxes queued and not yet reported closed

    const Texte& nom(Siege s) const { return m_noms[static_cast<std::size_t>(s) - 1]; }
    Texte& nom(Siege s) { return m_noms[static_cast<std::size_t>(s) - 1]; }
    Jetons& jetons(Siege s) { return s == Siege::Un ? m_etat.Jetons1 : m_etat.Jetons2; }

    // ORDY is player 2 of the one-player mode.
    bool estOrdy(Siege s) const { return m_etat.ModeSolo && s == Siege::Deux; }

    // The turn label and the tie label, as drawn.
    Texte etiJoueur() const { return m_tour ? nom(*m_tour) : Texte(); }
    bool etiReposVisible() const { return m_etat.Repos; }

    void jouer(Son son) { m_effets.emplace_back(std::in_place_type<JouerSon>, son); }
    void afficher(TypeBoite type, Texte texte) {
        m_effets.emplace_back(std::in_place_type<AfficherBoite>, type, std::move(texte));
        ++m_boitesOuvertes;
    }
};

// Settles the hand that the second player, named by the turn label, has just ended by passing.
void REPARTITION(Partie& partie);

} // namespace tavlo::rules
