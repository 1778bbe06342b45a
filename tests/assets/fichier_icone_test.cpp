// Copyright 2026 the Tavlo32 developers.
// The icon: one opaque 32 x 32 image at 16 bits per pixel, and its PNG renderings.
#include "lecture.h"

#include <gtest/gtest.h>

namespace tests_assets {
namespace {

class FichierIcone : public ::testing::Test {
protected:
    std::vector<uint8_t> m_o = lireFichier("icones/tavlo32.ico");

    std::size_t debutImage() const { return u32(m_o, 18); }
    // Pixel (x, y) from the top, X1R5G5B5 widened to 8 bits per channel.
    Rgb pixel(int x, int y) const {
        const std::size_t ligne = debutImage() + 40 + static_cast<std::size_t>(31 - y) * 64;
        const uint32_t v = u16(m_o, ligne + static_cast<std::size_t>(x) * 2);
        auto etendre = [](uint32_t c) { return static_cast<int>((c << 3) | (c >> 2)); };
        return {etendre((v >> 10) & 31), etendre((v >> 5) & 31), etendre(v & 31)};
    }
};

TEST_F(FichierIcone, TientUneSeuleImage32Sur32En16Bits) {
    ASSERT_GE(m_o.size(), 22u);
    EXPECT_EQ(u16(m_o, 0), 0u);
    EXPECT_EQ(u16(m_o, 2), 1u) << "an icon, not a cursor";
    EXPECT_EQ(u16(m_o, 4), 1u) << "one image";
    EXPECT_EQ(m_o.at(6), 32);
    EXPECT_EQ(m_o.at(7), 32);
    EXPECT_EQ(u16(m_o, 12), 16u) << "bits per pixel in the directory";
    EXPECT_EQ(u32(m_o, 14) + debutImage(), m_o.size()) << "the image fills the rest of the file";
    const std::size_t b = debutImage();
    EXPECT_EQ(u32(m_o, b), 40u);
    EXPECT_EQ(i32(m_o, b + 4), 32);
    EXPECT_EQ(i32(m_o, b + 8), 64) << "colour rows and mask rows";
    EXPECT_EQ(u16(m_o, b + 14), 16u);
    EXPECT_EQ(u32(m_o, b + 16), 0u) << "BI_RGB";
    EXPECT_EQ(u32(m_o, 14), 40u + 32 * 64 + 32 * 4);
}

TEST_F(FichierIcone, EstEntierementOpaque) {
    const std::size_t masque = debutImage() + 40 + 32 * 64;
    for (std::size_t i = masque; i < m_o.size(); ++i) {
        ASSERT_EQ(m_o[i], 0) << "AND mask byte " << i - masque;
    }
}

TEST_F(FichierIcone, MontreDesFacesJaunePaleSurFondOliveFonce) {
    for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
        const Rgb c = pixel(x, y);
        EXPECT_TRUE(c.r < 110 && std::abs(c.r - c.g) < 16 && c.b < c.r / 2)
            << "dark olive corner " << x << "," << y << ": " << decrire(c);
    }
    // The middle of the five's blank space, then one of its black square pips.
    const Rgb face = pixel(3, 6);
    EXPECT_TRUE(face.r > 220 && face.g > 200 && face.b < 200) << decrire(face);
    const Rgb point = pixel(4, 4);
    EXPECT_TRUE(point.r < 40 && point.g < 40 && point.b < 40) << decrire(point);
}

class RenduIcone : public ::testing::TestWithParam<int> {};

TEST_P(RenduIcone, EstUnPngCarreDeLaTailleDeSonNom) {
    const int cote = GetParam();
    const std::vector<uint8_t> o = lireFichier("icones/tavlo32-" + std::to_string(cote) + ".png");
    ASSERT_GE(o.size(), 24u);
    EXPECT_EQ(o[1], 'P');
    EXPECT_EQ(quatreCaracteres(o, 12), "IHDR");
    auto grand = [&o](std::size_t p) {
        return (o[p] << 24) | (o[p + 1] << 16) | (o[p + 2] << 8) | o[p + 3];
    };
    EXPECT_EQ(grand(16), cote);
    EXPECT_EQ(grand(20), cote);
}

INSTANTIATE_TEST_SUITE_P(Icones, RenduIcone, ::testing::Values(32, 48, 64, 128, 256));

} // namespace
} // namespace tests_assets
