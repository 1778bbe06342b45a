// Copyright 2026 the Tavlo32 developers.
// Little-endian byte output for the file formats written here.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace generateur {

class Octets {
public:
    void u8(uint32_t v) { m_octets.push_back(static_cast<uint8_t>(v)); }
    void u16(uint32_t v) {
        u8(v & 0xff);
        u8((v >> 8) & 0xff);
    }
    void u32(uint32_t v) {
        u16(v & 0xffff);
        u16(v >> 16);
    }
    void texte(std::string_view s) {
        for (char c : s) {
            u8(static_cast<uint8_t>(c));
        }
    }
    void ajouter(const std::vector<uint8_t>& autres) {
        m_octets.insert(m_octets.end(), autres.begin(), autres.end());
    }
    std::size_t taille() const { return m_octets.size(); }
    const std::vector<uint8_t>& donnees() const { return m_octets; }

private:
    std::vector<uint8_t> m_octets;
};

} // namespace generateur
