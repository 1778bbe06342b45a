// Copyright 2026 the Tavlo32 developers.
#include "ordy/tour_ordy.h"

#include "ordy/decision.h"

namespace tavlo::ordy {

void TourOrdy::OrdiJoue() {
    m_continuer = true;
    m_etape = Etape::AvantLancer;
}

void TourOrdy::arreter() {
    m_etape = Etape::Inactive;
}

bool TourOrdy::avancer(bool& topTempo) {
    const rules::EtatJeu& e = m_table.etatJeu();
    switch (m_etape) {
    case Etape::Inactive:
        return false;

    case Etape::AvantLancer:
        if (e.CoupsRestants > 0 && m_continuer) {
            m_etape = Etape::Lancer;
            m_table.LANCER();
        } else {
            // The pass may start ORDY's next turn at once, after it lost a hand as second player.
            m_etape = Etape::Inactive;
            m_table.passer();
        }
        return true;

    case Etape::Lancer:
        if (m_table.lancerEnCours()) {
            return false;
        }
        // Every decision is taken afresh over all three dice, so the kept ones come back first.
        m_table.remettreEnJeu();
        m_premierTop = false;
        topTempo = false;
        m_etape = Etape::Pause;
        return true;

    case Etape::Pause: {
        if (!topTempo) {
            return false;
        }
        // The first tick of the pause is consumed; the pause ends at the second one.
        if (!m_premierTop) {
            topTempo = false;
            m_premierTop = true;
            return true;
        }
        // The second tick stays raised, so the next throw draws its first frame at once.
        m_etape = Etape::AvantLancer;
        // After the last throw allowed ORDY decides nothing and sets nothing aside.
        if (e.CoupsRestants <= 0) {
            return true;
        }
        const Decision decision = decider(e);
        for (int de = 1; de <= rules::NB_DES; ++de) {
            if (decision.m_garde[de]) {
                m_table.ecarter(de);
            }
        }
        m_continuer = decision.m_continuer;
        return true;
    }
    }
    return false;
}

} // namespace tavlo::ordy
