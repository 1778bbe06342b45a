// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/texte.h"

#include <string>
#include <variant>

namespace tavlo::rules {

// The sounds stored in the program, by their stored names.
enum class Son { LANCER, BRAVO, MEILLEUR };

// The kinds of message box: a warning, an information, or a custom box titled with the
// application's title and without an icon.
enum class TypeBoite { Avertissement, Information, Personnalise };

struct JouerSon {
    Son m_son;
    bool operator==(const JouerSon&) const = default;
};

struct AfficherBoite {
    TypeBoite m_type;
    Texte m_texte; // a carriage return starts a new line
    bool operator==(const AfficherBoite&) const = default;
};

// What the core asks of the shell, taken in the order it was queued.
using Effet = std::variant<JouerSon, AfficherBoite>;

} // namespace tavlo::rules
