// Copyright 2026 the Tavlo32 developers.
#include "rules/texte.h"

#include <algorithm>

namespace tavlo::rules {

Texte Texte::telQuel(std::string mots, std::vector<Texte> parties) {
    Texte texte(mots, std::move(parties));
    texte.m_duJeu = false;
    return texte;
}

bool Texte::batiComme(const Texte& autre) const {
    return m_duJeu == autre.m_duJeu && m_source == autre.m_source &&
           std::ranges::equal(m_parties, autre.m_parties,
                              [](const Texte& a, const Texte& b) { return a.batiComme(b); });
}

std::string Texte::lire(const Traduction& traduire) const {
    const std::string modele = m_duJeu && traduire ? traduire(m_source) : m_source;
    std::string lu;
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const char chiffre = modele[i + 1]; // the string's terminating NUL after the last
        const auto partie = static_cast<std::size_t>(chiffre - '1');
        if (modele[i] == '%' && chiffre >= '1' && chiffre <= '9' && partie < m_parties.size()) {
            lu += m_parties[partie].lire(traduire);
            ++i;
        } else {
            lu += modele[i];
        }
    }
    return lu;
}

} // namespace tavlo::rules
