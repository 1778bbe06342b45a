// Copyright 2026 the Tavlo32 developers.
#include "rules/combinaisons.h"
#include "rules/partie.h"
#include "rules/textes.h"

#include <optional>

namespace tavlo::rules {

namespace {

// Searches stay within slots 1..11 whatever the state: no slot found is an empty optional.
std::optional<int> premierPlein(const Jetons& j) {
    for (int k = 1; k <= NB_JETONS; ++k) {
        if (j[k]) {
            return k;
        }
    }
    return std::nullopt;
}

std::optional<int> dernierPlein(const Jetons& j) {
    for (int k = NB_JETONS; k >= 1; --k) {
        if (j[k]) {
            return k;
        }
    }
    return std::nullopt;
}

std::optional<int> premierVide(const Jetons& j) {
    for (int k = 1; k <= NB_JETONS; ++k) {
        if (!j[k]) {
            return k;
        }
    }
    return std::nullopt;
}

// Moves tokens one at a time from a source to the loser's lowest empty slot. The source's slot
// is taken by `prendre`; the slot whose token ends the payment is `dernier` (the pot's slot 11,
// or the winner's slot 1). A loser who already holds eleven tokens receives nothing more.
template <typename Prendre>
void payer(Jetons& source, Jetons& perdant, std::int32_t mise, int dernier, Prendre prendre) {
    while (mise > 0) {
        const std::optional<int> depart = prendre(source);
        const std::optional<int> arrivee = premierVide(perdant);
        if (!depart || !arrivee) {
            return;
        }
        mise = *depart == dernier ? 0 : mise - 1;
        source[*depart] = false;
        perdant[*arrivee] = true;
    }
}

struct Issue {
    Siege m_gagnant;
    std::int32_t m_mise;
};

// The first row of the table that either player holds decides the hand and is what it is worth;
// with two ordinary throws the higher value wins one token, and an equal one goes to the first.
Issue gagnantEtMise(const EtatJeu& e, Siege second) {
    const Siege premier = autre(second);
    for (const Combinaison& c : TableCombinaisons) {
        if (c.m_valeur == e.Valeur || c.m_valeur == e.ValeurPremier) {
            return {c.m_valeur == e.Valeur ? second : premier, c.m_jetons};
        }
    }
    return {e.Valeur > e.ValeurPremier ? second : premier, 1};
}

Texte texteFinDeManche(const Partie& p, Siege gagnant) {
    const Texte vainqueur =
        p.estOrdy(gagnant) ? Texte(textes::MEILLEUR) : Texte(textes::BRAVO, {p.nom(gagnant)});
    const bool uneChacun = p.m_etat.Manches1 == 1 && p.m_etat.Manches2 == 1;
    return Texte::telQuel(std::string(textes::PARAGRAPHES),
                          {vainqueur, Texte(uneChacun ? textes::LA_BELLE : textes::AUTRE_MANCHE)});
}

} // namespace

void REPARTITION(Partie& p) {
    EtatJeu& e = p.m_etat;
    const Siege second = p.m_tour.value();
    const Siege premier = autre(second);

    auto [gagnant, mise] = gagnantEtMise(e, second);

    // A tie's stake replaces whatever this hand is worth.
    if (e.Repos) {
        mise = e.MiseRepos;
        e.Repos = false;
    }

    bool egalite = false;
    if (e.Valeur == e.ValeurPremier) {
        if (e.CoupsRestants > 0) {
            // Matching the first player with throws to spare wins the hand.
            gagnant = second;
        } else {
            egalite = true;
            e.Repos = true;
            e.MiseRepos = mise;
            e.Valeur = 0;
            p.m_tour = premier; // the first player of the tied hand opens the replay
        }
    }

    if (!egalite) {
        const Siege perdant = autre(gagnant);
        p.m_tour = perdant; // the loser opens the next hand
        if (e.Charge) {
            payer(e.Pot, p.jetons(perdant), mise, NB_JETONS, premierPlein);
            if (!e.Pot[NB_JETONS]) {
                e.Charge = false;
            }
        } else {
            payer(p.jetons(gagnant), p.jetons(perdant), mise, 1, dernierPlein);
        }
    }

    if (e.Jetons1[NB_JETONS] || e.Jetons2[NB_JETONS]) {
        e.MancheFinie = true;
        if (e.Jetons1[NB_JETONS]) {
            e.Manches2 += 1;
        } else {
            e.Manches1 += 1;
        }
        p.jouer(p.estOrdy(gagnant) ? Son::MEILLEUR : Son::BRAVO);
        p.afficher(TypeBoite::Information, texteFinDeManche(p, gagnant));
    }

    if (p.estOrdy(second) && !egalite && gagnant != second && !e.MancheFinie) {
        p.afficher(TypeBoite::Personnalise, Texte(textes::A_MOI));
    }

    e.ValeurPremier = 0;
    e.RangPremier = 0;
}

} // namespace tavlo::rules
