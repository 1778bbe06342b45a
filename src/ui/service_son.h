// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/effets.h"

namespace tavlo::ui {

// Starts a stored sound and returns at once; a new sound cuts off one still playing, and a sound
// that cannot be played is skipped in silence.
class ServiceSon {
public:
    virtual ~ServiceSon() = default;
    virtual void jouer(rules::Son son) = 0;
};

} // namespace tavlo::ui
