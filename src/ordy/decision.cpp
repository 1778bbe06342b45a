// Copyright 2026 the Tavlo32 developers.
#include "ordy/decision.h"

#include "rules/combinaisons.h"

#include <array>
#include <cstdint>

namespace tavlo::ordy {

namespace {

using rules::EtatJeu;
using rules::NB_DES;
using rules::RANG_ORDINAIRE;

// The working flags of one decision, under the names the rules use. Keeping a die always lowers
// RienGarde; some rules also lower it themselves before choosing.
struct Drapeaux {
    bool Continuer = true;
    rules::TableauUn<bool, NB_DES> Garde;
    bool RienGarde = true;

    void arreter() { Continuer = false; }
    void garder(int de) {
        Garde[de] = true;
        RienGarde = false;
    }
};

// Slot k is filled exactly when ORDY holds k tokens or more; the rules test single slots.
bool tientAuMoins(const EtatJeu& etat, int k) {
    return etat.Jetons2[k];
}

// A 2 and a 1 as the two lowest faces, or a 4 and a 2 as the two highest: a 4-2-1 half made.
bool amorce421(std::int32_t valeur) {
    return valeur % 100 == 21 || valeur / 10 == 42;
}

void garderFace(const EtatJeu& etat, Drapeaux& d, int face) {
    for (int de = 1; de <= NB_DES; ++de) {
        if (etat.ValDe[de] == face) {
            d.garder(de);
        }
    }
}

// At most one die of each of the faces 4, 2 and 1, the lowest-numbered die first.
void selection421(const EtatJeu& etat, Drapeaux& d) {
    for (int de = 1; de <= NB_DES; ++de) {
        const int face = etat.ValDe[de];
        if (face != 4 && face != 2 && face != 1) {
            continue;
        }
        bool dejaVue = false;
        for (int avant = 1; avant < de; ++avant) {
            dejaVue = dejaVue || etat.ValDe[avant] == face;
        }
        if (!dejaVue) {
            d.garder(de);
        }
    }
}

// Whatever the position: 421 always passes; with 8 tokens or more, a strong 1-combination that does
// not lose is not risked.
void reglesCommunes(const EtatJeu& etat, Drapeaux& d) {
    if (etat.Valeur == 421) {
        d.arreter();
    }
    if (d.Continuer && tientAuMoins(etat, 8) && etat.Rang >= 2 && etat.Rang <= 5 &&
        (etat.RangPremier == 0 || etat.Rang <= etat.RangPremier)) {
        d.arreter();
    }
}

// A pair or triple of this face is worth chasing only when the first player's rank is above the
// rank of its triple (666 is rank 7 ... 222 rank 11).
struct PaireAChasser {
    int m_face;
    std::int32_t m_rangPremierAuDela;
};
constexpr std::array<PaireAChasser, 5> PairesAChasser{{{6, 7}, {5, 8}, {4, 9}, {3, 10}, {2, 11}}};

// Against a triple, 211 or a run: the first of these choices that applies.
void chasserContreTripleOuSuite(const EtatJeu& etat, Drapeaux& d) {
    if (etat.Rang < 7 || etat.Rang == 12) {
        garderFace(etat, d, 1);
        d.RienGarde = false;
        return;
    }
    for (const PaireAChasser& p : PairesAChasser) {
        if (etat.RangPremier > p.m_rangPremierAuDela && etat.NbFaces[p.m_face] >= 2) {
            garderFace(etat, d, p.m_face);
            return;
        }
    }
    if (amorce421(etat.Valeur)) {
        d.RienGarde = false;
        selection421(etat, d);
        return;
    }
    garderFace(etat, d, 1);
}

void reglesSecond(const EtatJeu& etat, Drapeaux& d) {
    const std::int32_t premier = etat.RangPremier;
    if (premier == 1 || premier == 2) {
        // Only 421 beats 421 or 111; here each die the selection keeps lowers RienGarde itself.
        selection421(etat, d);
    } else if (premier >= 3 && premier <= 6) {
        if (amorce421(etat.Valeur)) {
            d.RienGarde = false;
            selection421(etat, d);
        } else {
            garderFace(etat, d, 1);
        }
    } else if (premier >= 7 && premier <= 16) {
        chasserContreTripleOuSuite(etat, d);
    }
    // Nothing kept: pass when the throw already does not lose. Between two ordinary throws only a
    // strictly higher value passes; against a named combination an equal rank passes too.
    const bool nommeSansPerdre = etat.Rang < RANG_ORDINAIRE && etat.Rang <= premier;
    const bool ordinaireMeilleur = etat.Rang == RANG_ORDINAIRE && premier == RANG_ORDINAIRE &&
                                   etat.Valeur > etat.ValeurPremier;
    if (d.RienGarde && (nommeSansPerdre || ordinaireMeilleur)) {
        d.arreter();
    }
}

// Playing first, the fewer tokens ORDY holds the more it is content with: holding fewer tokens than
// the slot, it passes on any rank below the bound.
struct Prudence {
    int m_emplacement;
    std::int32_t m_rangSous;
};
constexpr std::array<Prudence, 6> Prudences{{{3, 17}, {4, 12}, {5, 6}, {6, 5}, {7, 4}, {8, 3}}};

void reglesPremier(const EtatJeu& etat, Drapeaux& d) {
    if (!tientAuMoins(etat, 2) && etat.Valeur > 600) { // fewer than 2 tokens: any 6 high will do
        d.arreter();
    }
    for (const Prudence& p : Prudences) {
        if (!tientAuMoins(etat, p.m_emplacement) && etat.Rang < p.m_rangSous) {
            d.arreter();
        }
    }
    if (d.Continuer && etat.Rang >= 7 && etat.Rang <= 16 && etat.Rang != 12) { // a triple or a run
        d.arreter();
    }
    if (d.Continuer && amorce421(etat.Valeur)) {
        d.RienGarde = false;
        selection421(etat, d);
    }
    if (d.Continuer && d.RienGarde) {
        garderFace(etat, d, 1);
    }
    if (d.Continuer && d.RienGarde && etat.Valeur > 600 && etat.CoupsRestants == 1) {
        // A 6 high without a 1 is not worth the last throw.
        d.arreter();
    }
    if (d.Continuer && d.RienGarde) { // no 1 left to keep, so a pair
        for (int face = 1; face <= rules::NB_FACES; ++face) {
            if (etat.NbFaces[face] >= 2) {
                garderFace(etat, d, face);
            }
        }
    }
}

// What the turn shows: a stop shows nothing, keeping nothing throws all three dice again, and
// keeping all three ends the turn with them set aside.
Decision montrer(const Drapeaux& d) {
    Decision decision;
    decision.m_continuer = d.Continuer;
    if (d.Continuer && !d.RienGarde) {
        decision.m_garde = d.Garde;
        decision.m_continuer = !(d.Garde[1] && d.Garde[2] && d.Garde[3]);
    }
    return decision;
}

} // namespace

Decision decider(const EtatJeu& etat) {
    Drapeaux d;
    reglesCommunes(etat, d);
    if (d.Continuer) {
        if (etat.ValeurPremier != 0) {
            reglesSecond(etat, d);
        } else {
            reglesPremier(etat, d);
        }
    }
    return montrer(d);
}

} // namespace tavlo::ordy
