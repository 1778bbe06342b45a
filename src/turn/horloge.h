// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <cstdint>

namespace tavlo::turn {

// The one clock the game reads: the time of day that seeds every throw. The core never reads the
// system clock itself; the program gives it one and tests give it a fixed time.
class Horloge {
public:
    virtual ~Horloge() = default;
    // UTC time of day in milliseconds since midnight, 0..86,399,999.
    virtual std::uint32_t millisecondesDuJour() const = 0;
};

} // namespace tavlo::turn
