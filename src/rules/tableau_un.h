// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <array>
#include <cstddef>

namespace tavlo::rules {

// A fixed array indexed from 1, as the game counts dice (1..3), faces (1..6) and token slots
// (1..11). An index outside 1..N throws std::out_of_range instead of touching other memory.
template <typename T, int N> class TableauUn {
public:
    constexpr TableauUn() = default;

    constexpr T& operator[](int k) { return m_valeurs.at(static_cast<std::size_t>(k - 1)); }
    constexpr const T& operator[](int k) const {
        return m_valeurs.at(static_cast<std::size_t>(k - 1));
    }
    constexpr void remplir(const T& valeur) { m_valeurs.fill(valeur); }

    bool operator==(const TableauUn&) const = default;

private:
    std::array<T, N> m_valeurs{};
};

} // namespace tavlo::rules
