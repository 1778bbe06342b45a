// Copyright 2026 the Tavlo32 developers.
// Printers, so that a failing test says what it saw.
#include "rules/effets.h"
#include "rules/etat_jeu.h"
#include "rules/partie.h"

namespace tavlo::rules {

std::ostream& operator<<(std::ostream& os, Son son) {
    switch (son) {
    case Son::LANCER:
        return os << "LANCER";
    case Son::BRAVO:
        return os << "BRAVO";
    case Son::MEILLEUR:
        return os << "MEILLEUR";
    }
    return os;
}

std::ostream& operator<<(std::ostream& os, TypeBoite type) {
    switch (type) {
    case TypeBoite::Avertissement:
        return os << "Avertissement";
    case TypeBoite::Information:
        return os << "Information";
    case TypeBoite::Personnalise:
        return os << "Personnalise";
    }
    return os;
}

std::ostream& operator<<(std::ostream& os, const Effet& effet) {
    if (const auto* s = std::get_if<JouerSon>(&effet)) {
        return os << "son " << s->son;
    }
    const auto& b = std::get<AfficherBoite>(effet);
    return os << "boite " << b.type << " \"" << b.texte << '"';
}

std::ostream& operator<<(std::ostream& os, Siege s) {
    return os << "siege " << static_cast<int>(s);
}

std::ostream& operator<<(std::ostream& os, const EtatJeu& e) {
    return os << "{ValDe " << e.ValDe << " NbFaces " << e.NbFaces << " CptAnim " << e.CptAnim
              << " Valeur " << e.Valeur << " Rang " << e.Rang << " ValeurPremier "
              << e.ValeurPremier << " RangPremier " << e.RangPremier << " NumLancer " << e.NumLancer
              << " CoupsMaxi " << e.CoupsMaxi << " CoupsRestants " << e.CoupsRestants
              << " TopTempo " << e.TopTempo << " PremierTop " << e.PremierTop << " Pot " << e.Pot
              << " Jetons1 " << e.Jetons1 << " Jetons2 " << e.Jetons2 << " Charge " << e.Charge
              << " Repos " << e.Repos << " MiseRepos " << e.MiseRepos << " MancheFinie "
              << e.MancheFinie << " ModeSolo " << e.ModeSolo << " Manches1 " << e.Manches1
              << " Manches2 " << e.Manches2 << '}';
}

} // namespace tavlo::rules
