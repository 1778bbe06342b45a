// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/horloge.h"

namespace tavlo::ui {

// The real clock: the UTC time of day that seeds the dice.
class HorlogeSysteme final : public turn::Horloge {
public:
    std::uint32_t millisecondesDuJour() const override;
};

} // namespace tavlo::ui
