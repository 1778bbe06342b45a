// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/effets.h"

#include <QString>

namespace tavlo::ui {

// Shows a modal message box of a kind and returns once it is closed. A carriage return in the
// text starts a new line.
class ServiceBoites {
public:
    virtual ~ServiceBoites() = default;
    virtual void afficher(rules::TypeBoite type, const QString& texte) = 0;
};

} // namespace tavlo::ui
