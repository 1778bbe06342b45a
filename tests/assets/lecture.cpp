// Copyright 2026 the Tavlo32 developers.
#include "lecture.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tests_assets {

std::vector<uint8_t> lireFichier(const std::string& cheminRelatif) {
    std::ifstream f(std::string(TAVLO_ASSETS_DIR) + "/" + cheminRelatif, std::ios::binary);
    if (!f) {
        throw std::runtime_error("missing asset " + cheminRelatif);
    }
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

uint32_t u16(const std::vector<uint8_t>& o, std::size_t p) {
    return static_cast<uint32_t>(o.at(p) | (o.at(p + 1) << 8));
}

uint32_t u32(const std::vector<uint8_t>& o, std::size_t p) {
    return u16(o, p) | (u16(o, p + 2) << 16);
}

int32_t i32(const std::vector<uint8_t>& o, std::size_t p) {
    return static_cast<int32_t>(u32(o, p));
}

std::string quatreCaracteres(const std::vector<uint8_t>& o, std::size_t p) {
    return {o.begin() + static_cast<std::ptrdiff_t>(p),
            o.begin() + static_cast<std::ptrdiff_t>(p + 4)};
}

std::string decrire(Rgb c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

Rgb Bmp8::pixel(int x, int y) const {
    return palette.at(indices.at(static_cast<std::size_t>(y * largeur + x)));
}

Bmp8 decoderBmp8(const std::vector<uint8_t>& o) {
    Bmp8 image;
    image.largeur = i32(o, 18);
    image.hauteur = i32(o, 22);
    const uint32_t couleurs = u32(o, 46) == 0 ? 256 : u32(o, 46);
    const std::size_t debutPalette = 14 + u32(o, 14);
    for (uint32_t i = 0; i < couleurs; ++i) {
        const std::size_t p = debutPalette + 4 * i;
        image.palette.push_back({o.at(p + 2), o.at(p + 1), o.at(p)});
    }
    const std::size_t pas = (static_cast<std::size_t>(image.largeur) + 3) / 4 * 4;
    const std::size_t debutPixels = u32(o, 10);
    for (int y = 0; y < image.hauteur; ++y) {
        const std::size_t ligne =
            debutPixels + pas * static_cast<std::size_t>(image.hauteur - 1 - y);
        for (int x = 0; x < image.largeur; ++x) {
            image.indices.push_back(o.at(ligne + static_cast<std::size_t>(x)));
        }
    }
    return image;
}

std::vector<Morceau> morceauxRiff(const std::vector<uint8_t>& o) {
    std::vector<Morceau> morceaux;
    std::size_t p = 12;
    while (p + 8 <= o.size()) {
        const Morceau m{quatreCaracteres(o, p), p + 8, u32(o, p + 4)};
        morceaux.push_back(m);
        p = m.debut + m.taille + m.taille % 2;
    }
    return morceaux;
}

std::optional<Morceau> trouver(const std::vector<Morceau>& morceaux, std::string_view id) {
    for (const Morceau& m : morceaux) {
        if (m.id == id) {
            return m;
        }
    }
    return std::nullopt;
}

} // namespace tests_assets
