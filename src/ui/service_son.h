// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/effets.h"

#include <QtPlugin>

namespace tavlo::ui {

// Starts a stored sound and returns at once; a new sound cuts off one still playing, and a sound
// that cannot be played is skipped in silence.
class ServiceSon {
public:
    virtual ~ServiceSon() = default;
    virtual void jouer(rules::Son son) = 0;
};

} // namespace tavlo::ui

// The sound module loaded at the first sound implements this interface.
#define TAVLO_SERVICE_SON_IID "fr.tavlo32.Tavlo32.ServiceSon/1.0"
Q_DECLARE_INTERFACE(tavlo::ui::ServiceSon, TAVLO_SERVICE_SON_IID)
