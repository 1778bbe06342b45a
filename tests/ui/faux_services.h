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
class HorlogeQuiAvance final : public tour::Horloge {
public:
    std::uint32_t millisecondesDuJour() const override {
        m_ms = (m_ms + 7919u) % 86'400'000u;
        return m_ms;
    }

private:
    mutable std::uint32_t m_ms = 36'000'000u;
};

struct BoiteVue {
    regles::TypeBoite type;
    QString texte;
};

// Records every box; returning closes it. While a box is "open" the test may act through
// pendantBoite, as the events a real modal loop keeps delivering.
class FauxBoites final : public ServiceBoites {
public:
    void afficher(regles::TypeBoite type, const QString& texte) override {
        vues.push_back({type, texte});
        maxOuvertes = std::max(maxOuvertes, ++ouvertes);
        if (pendantBoite) {
            pendantBoite();
        }
        --ouvertes;
    }

    std::vector<BoiteVue> vues;
    std::function<void()> pendantBoite;
    int ouvertes = 0;
    int maxOuvertes = 0;
};

class FauxSon final : public ServiceSon {
public:
    void jouer(regles::Son son) override { joues.push_back(son); }
    std::vector<regles::Son> joues;
};

// The dialogs as if the player typed the given names, or cancelled when there are none.
class FauxDialogues final : public ServiceDialogues {
public:
    std::optional<std::string> demanderUnNom() override { return nom1; }
    std::optional<std::pair<std::string, std::string>> demanderDeuxNoms() override {
        if (!nom1 || !nom2) {
            return std::nullopt;
        }
        return std::pair{*nom1, *nom2};
    }
    void afficherAPropos() override { ++aPropos; }
    void afficherAide(int contexte) override { aides.push_back(contexte); }

    std::optional<std::string> nom1;
    std::optional<std::string> nom2;
    int aPropos = 0;
    std::vector<int> aides;
};

} // namespace tavlo::ui::test
