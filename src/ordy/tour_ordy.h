// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/etat_jeu.h"

namespace tavlo::ordy {

// What ORDY's turn needs of the game: the same throw and the same pass as a human's, and the
// dice it sets aside.
class Table {
public:
    virtual const rules::EtatJeu& etatJeu() const = 0;
    virtual bool lancerEnCours() const = 0;
    virtual void LANCER() = 0;
    virtual void remettreEnJeu() = 0; // all three dice back in play, showing their faces
    virtual void ecarter(int de) = 0; // sets die 1..3 aside, showing its face
    virtual void passer() = 0;        // the pass a human makes with the button

protected:
    ~Table() = default;
};

// ORDY's whole turn as a machine driven by the game's ticks: throw, pause for two ticks, decide,
// set dice aside, then throw again or pass. The player sees every throw and every choice.
class TourOrdy {
public:
    explicit TourOrdy(Table& table) : m_table(table) {}

    void OrdiJoue(); // starts a turn; the next call of avancer() throws
    void arreter();  // a new game stops the turn wherever it is
    bool enCours() const { return m_etape != Etape::Inactive; }

    // Takes the next step the state allows; false when the turn waits for a tick or a throw.
    // topTempo is the game's tick not yet consumed: the pause consumes its first one.
    bool avancer(bool& topTempo);

private:
    enum class Etape { Inactive, AvantLancer, Lancer, Pause };

    Table& m_table;
    Etape m_etape = Etape::Inactive;
    bool m_continuer = false;
    bool m_premierTop = false; // the first tick of the pause has been seen
};

} // namespace tavlo::ordy
