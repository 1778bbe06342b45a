// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <cstdint>

namespace tavlo::turn {

// The dice's random generator: one 32-bit linear congruential state, seeded again at every throw.
class Generateur {
public:
    void semer(std::uint32_t graine) { m_etat = graine; }

    // The next face, 1..6: one plus the upper 32 bits of the new state times six.
    int face() {
        m_etat = m_etat * 134775813u + 1u;
        return 1 + static_cast<int>((static_cast<std::uint64_t>(m_etat) * 6u) >> 32);
    }

private:
    std::uint32_t m_etat = 0;
};

} // namespace tavlo::turn
