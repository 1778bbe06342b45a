// Copyright 2026 the Tavlo32 developers.
// The stored pictures: 8-bit uncompressed bitmaps of the stated sizes, whose ground and main
// colours are what the window around them expects.
#include "lecture.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

namespace tests_assets {
namespace {

struct ImageAttendue {
    const char* fichier;
    int largeur;
    int hauteur;
};

std::ostream& operator<<(std::ostream& os, const ImageAttendue& i) {
    return os << i.fichier;
}

class EnteteBmp : public ::testing::TestWithParam<ImageAttendue> {};

TEST_P(EnteteBmp, EstUneImage8BitsNonCompresseeAvecPalette) {
    const ImageAttendue attendu = GetParam();
    const std::vector<uint8_t> o = lireFichier(attendu.fichier);
    ASSERT_GE(o.size(), 54u);
    EXPECT_EQ(quatreCaracteres(o, 0).substr(0, 2), "BM");
    EXPECT_EQ(u32(o, 2), o.size()) << "file size field";
    EXPECT_EQ(u32(o, 14), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(i32(o, 18), attendu.largeur);
    EXPECT_EQ(i32(o, 22), attendu.hauteur) << "positive: rows stored bottom-up";
    EXPECT_EQ(u16(o, 26), 1u) << "planes";
    EXPECT_EQ(u16(o, 28), 8u) << "bits per pixel";
    EXPECT_EQ(u32(o, 30), 0u) << "BI_RGB";
    const uint32_t couleurs = u32(o, 46) == 0 ? 256 : u32(o, 46);
    EXPECT_LE(couleurs, 256u);
    const std::size_t pas = (static_cast<std::size_t>(attendu.largeur) + 3) / 4 * 4;
    EXPECT_EQ(u32(o, 10), 14 + 40 + 4 * couleurs) << "pixels right after the palette";
    EXPECT_EQ(o.size(), u32(o, 10) + pas * static_cast<std::size_t>(attendu.hauteur));
}

// Soft edges and shading need many shades: a picture squeezed into a few colours shows bands
// and jagged edges.
TEST_P(EnteteBmp, NuanceSesDegradesAvecUneCentaineDeCouleursAuMoins) {
    const Bmp8 image = decoderBmp8(lireFichier(GetParam().fichier));
    std::set<std::tuple<int, int, int>> couleurs;
    for (int y = 0; y < image.hauteur; ++y) {
        for (int x = 0; x < image.largeur; ++x) {
            const Rgb c = image.pixel(x, y);
            couleurs.insert({c.r, c.g, c.b});
        }
    }
    EXPECT_GE(couleurs.size(), 100u);
}

INSTANTIATE_TEST_SUITE_P(Images, EnteteBmp,
                         ::testing::Values(ImageAttendue{"images/plateau.bmp", 629, 377},
                                           ImageAttendue{"images/face1.bmp", 60, 60},
                                           ImageAttendue{"images/face2.bmp", 60, 60},
                                           ImageAttendue{"images/face3.bmp", 60, 60},
                                           ImageAttendue{"images/face4.bmp", 60, 60},
                                           ImageAttendue{"images/face5.bmp", 60, 60},
                                           ImageAttendue{"images/face6.bmp", 60, 60},
                                           ImageAttendue{"images/gobelet.bmp", 80, 107},
                                           ImageAttendue{"images/jeton.bmp", 40, 15}));

constexpr Rgb MARINE{0, 0, 128};
constexpr Rgb TAPIS{0, 117, 0};

bool estBleu(Rgb c) {
    return c.b > 120 && c.b > c.r + 80 && c.b > c.g + 60;
}
bool estRouge(Rgb c) {
    return c.r > 60 && c.r > 3 * c.g && c.r > 3 * c.b;
}
bool estBrunRouge(Rgb c) {
    return c.r > 70 && c.r > 1.8 * c.g && c.r > 1.8 * c.b && c.r < 200;
}
bool estBrun(Rgb c) {
    return c.r > c.g && c.g > c.b && c.g > 40 && c.r < 200;
}
bool estJaunePale(Rgb c) {
    return c.r > 220 && c.g > 200 && c.b > 100 && c.b < 200;
}
bool estNoir(Rgb c) {
    return c.r < 40 && c.g < 40 && c.b < 40;
}
bool estBlanc(Rgb c) {
    return c.r > 200 && c.g > 200 && c.b > 200;
}

struct Sonde {
    const char* fichier;
    int x, y;
    const char* attendu;
    std::function<bool(Rgb)> verifie;
};

std::ostream& operator<<(std::ostream& os, const Sonde& s) {
    return os << s.fichier << " at " << s.x << "," << s.y << " should be " << s.attendu;
}

Sonde exacte(const char* fichier, int x, int y, Rgb couleur, const char* nom) {
    return {fichier, x, y, nom, [couleur](Rgb c) { return c == couleur; }};
}

class CouleursImage : public ::testing::TestWithParam<Sonde> {};

TEST_P(CouleursImage, MontreLaBonneCouleurAuPointSonde) {
    const Sonde s = GetParam();
    const Bmp8 image = decoderBmp8(lireFichier(s.fichier));
    const Rgb vu = image.pixel(s.x, s.y);
    EXPECT_TRUE(s.verifie(vu)) << s << ", saw " << decrire(vu);
}

std::vector<Sonde> sondes() {
    std::vector<Sonde> liste = {
        // The board: navy corners that match the window, plain felt in the middle, the rim.
        exacte("images/plateau.bmp", 0, 0, MARINE, "navy"),
        exacte("images/plateau.bmp", 628, 0, MARINE, "navy"),
        exacte("images/plateau.bmp", 0, 376, MARINE, "navy"),
        exacte("images/plateau.bmp", 628, 376, MARINE, "navy"),
        exacte("images/plateau.bmp", 314, 188, TAPIS, "felt green"),
        // Where the dice lie on the board, the felt is plain, so a die shows no seam.
        exacte("images/plateau.bmp", 100, 145, TAPIS, "felt green"),
        exacte("images/plateau.bmp", 544, 145, TAPIS, "felt green"),
        exacte("images/plateau.bmp", 220, 58, TAPIS, "felt green"),
        exacte("images/plateau.bmp", 328, 294, TAPIS, "felt green"),
        {"images/plateau.bmp", 314, 12, "red-brown rim", estBrunRouge},
        {"images/plateau.bmp", 314, 355, "red-brown rim", estBrunRouge},
        {"images/plateau.bmp", 20, 188, "red-brown rim", estBrunRouge},
        // The cup: navy around a dark red body under a brown rim.
        exacte("images/gobelet.bmp", 0, 0, MARINE, "navy"),
        exacte("images/gobelet.bmp", 79, 0, MARINE, "navy"),
        exacte("images/gobelet.bmp", 0, 106, MARINE, "navy"),
        exacte("images/gobelet.bmp", 79, 106, MARINE, "navy"),
        {"images/gobelet.bmp", 25, 50, "dark red", estRouge},
        {"images/gobelet.bmp", 30, 70, "dark red", estRouge},
        {"images/gobelet.bmp", 30, 21, "brown rim", estBrun},
        // The token: a pale-yellow chip outlined in black on navy.
        exacte("images/jeton.bmp", 0, 0, MARINE, "navy"),
        exacte("images/jeton.bmp", 39, 14, MARINE, "navy"),
        {"images/jeton.bmp", 20, 7, "pale yellow", estJaunePale},
        {"images/jeton.bmp", 1, 7, "black outline", estNoir},
        {"images/jeton.bmp", 38, 7, "black outline", estNoir},
    };
    // Every face: felt corners, a blue front face and top, white pips where the face has them.
    static const std::array<const char*, 6> faces = {"images/face1.bmp", "images/face2.bmp",
                                                     "images/face3.bmp", "images/face4.bmp",
                                                     "images/face5.bmp", "images/face6.bmp"};
    for (const char* f : faces) {
        liste.push_back(exacte(f, 0, 0, TAPIS, "felt green"));
        liste.push_back(exacte(f, 59, 0, TAPIS, "felt green"));
        liste.push_back(exacte(f, 0, 59, TAPIS, "felt green"));
        liste.push_back(exacte(f, 59, 59, TAPIS, "felt green"));
        liste.push_back({f, 24, 24, "blue front face", estBleu});
        liste.push_back({f, 30, 9, "blue top", estBleu});
    }
    liste.push_back({"images/face1.bmp", 23, 38, "white centre pip", estBlanc});
    liste.push_back({"images/face5.bmp", 23, 38, "white centre pip", estBlanc});
    liste.push_back({"images/face6.bmp", 23, 38, "blue where a six has no pip", estBleu});
    liste.push_back({"images/face6.bmp", 12, 37, "white middle-row pip", estBlanc});
    liste.push_back({"images/face4.bmp", 12, 37, "blue where a four has no pip", estBleu});
    return liste;
}

INSTANTIATE_TEST_SUITE_P(Images, CouleursImage, ::testing::ValuesIn(sondes()));

} // namespace
} // namespace tests_assets
