// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/jeu.h"

#include <QString>

namespace tavlo::ui {

// What the game has just done, in words, for a player who hears the board: a throw that stops,
// a die set aside or brought back, a pass and its settlement. Built after each event from the
// game's state and its account of the last throw and pass.
class Annonces {
public:
    explicit Annonces(const turn::Jeu& jeu);

    // What happened since the last call, as one text; empty when nothing did.
    QString suivantes();

    // A row of tokens as it is read: its holder and its count.
    QString rangee(turn::Rangee rangee) const;

private:
    QString lancer() const;
    QString passe() const;
    QString nomRangee(turn::Rangee rangee) const;
    int jetons(turn::Rangee rangee) const;

    const turn::Jeu& m_jeu;
    int m_lancers;
    int m_passes;
    rules::TableauUn<bool, rules::NB_DES> m_ecartes;
};

} // namespace tavlo::ui
