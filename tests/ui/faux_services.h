// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/horloge.h"
#include "ui/service_boites.h"
#include "ui/service_dialogues.h"
#include "ui/service_son.h"

#include <QString>

#include <functional>
#include <vector>

namespace tavlo::ui::test {

// A clock that moves on at every reading, so that every throw is seeded differently and the
// same script always gives the same dice.
struct HorlogeQuiAvance final : tour::Horloge {
    std::uint32_t millisecondesDuJour() const override { return m_ms += 7919u; }
    mutable std::uint32_t m_ms = 36'000'000u;
};

// Records every box; returning closes it. While a box is "open" the test may act through
// pendantBoite, as the events a real modal loop keeps delivering.
struct FauxBoites final : ServiceBoites {
    void afficher(regles::TypeBoite type, const QString& texte) override {
        vues.push_back({type, texte});
        maxOuvertes = std::max(maxOuvertes, ++ouvertes);
        if (pendantBoite) {
            pendantBoite();
        }
        --ouvertes;
    }
    std::vector<std::pair<regles::TypeBoite, QString>> vues;
    std::function<void()> pendantBoite;
    int ouvertes = 0;
    int maxOuvertes = 0;
};

struct FauxSon final : ServiceSon {
    void jouer(regles::Son son) override { joues.push_back(son); }
    std::vector<regles::Son> joues;
};

// The dialogs as if the player typed the given names, or cancelled when there are none.
struct FauxDialogues final : ServiceDialogues {
    std::optional<std::string> demanderUnNom() override { return nom1; }
    std::optional<std::pair<std::string, std::string>> demanderDeuxNoms() override {
        return nom1 && nom2 ? std::optional(std::pair{*nom1, *nom2}) : std::nullopt;
    }
    void afficherAPropos() override { ++aPropos; }
    void afficherAide(int contexte) override { aides.push_back(contexte); }
    std::optional<std::string> nom1, nom2;
    int aPropos = 0;
    std::vector<int> aides;
};

} // namespace tavlo::ui::test
