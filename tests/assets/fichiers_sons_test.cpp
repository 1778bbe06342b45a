// Copyright 2026 the Tavlo32 developers.
// The stored sounds: complete RIFF WAVE files of 8-bit PCM in exactly the stored formats,
// that start and end in silence and never clip.
#include "lecture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tests_assets {
namespace {

struct SonAttendu {
    const char* fichier;
    uint32_t canaux;
    uint32_t frequence;
    uint32_t octets;
};

std::ostream& operator<<(std::ostream& os, const SonAttendu& s) {
    return os << s.fichier;
}

class FichierSon : public ::testing::TestWithParam<SonAttendu> {
protected:
    std::vector<uint8_t> m_octets = lireFichier(GetParam().fichier);
    std::vector<Morceau> m_morceaux = morceauxRiff(m_octets);

    std::vector<uint8_t> echantillons() const {
        const Morceau data = trouver(m_morceaux, "data").value();
        const auto debut = m_octets.begin() + static_cast<std::ptrdiff_t>(data.debut);
        return {debut, debut + data.taille};
    }
};

TEST_P(FichierSon, EstUnRiffWaveDontLesTaillesTombentJuste) {
    ASSERT_GE(m_octets.size(), 44u);
    EXPECT_EQ(quatreCaracteres(m_octets, 0), "RIFF");
    EXPECT_EQ(quatreCaracteres(m_octets, 8), "WAVE");
    EXPECT_EQ(u32(m_octets, 4), m_octets.size() - 8) << "RIFF size, pad bytes included";
    ASSERT_FALSE(m_morceaux.empty());
    const Morceau& dernier = m_morceaux.back();
    EXPECT_EQ(dernier.debut + dernier.taille + dernier.taille % 2, m_octets.size())
        << "the chunks, each padded to an even length, fill the file exactly";
}

TEST_P(FichierSon, DecritDuPcm8BitsAuFormatAttendu) {
    const SonAttendu attendu = GetParam();
    const auto fmt = trouver(m_morceaux, "fmt ");
    ASSERT_TRUE(fmt.has_value());
    EXPECT_EQ(fmt->taille, 16u);
    EXPECT_EQ(u16(m_octets, fmt->debut), 1u) << "PCM";
    EXPECT_EQ(u16(m_octets, fmt->debut + 2), attendu.canaux);
    EXPECT_EQ(u32(m_octets, fmt->debut + 4), attendu.frequence);
    EXPECT_EQ(u32(m_octets, fmt->debut + 8), attendu.frequence * attendu.canaux) << "bytes/s";
    EXPECT_EQ(u16(m_octets, fmt->debut + 12), attendu.canaux) << "block align";
    EXPECT_EQ(u16(m_octets, fmt->debut + 14), 8u) << "bits per sample";
}

TEST_P(FichierSon, ContientExactementLesOctetsDEchantillonsAttendus) {
    const auto data = trouver(m_morceaux, "data");
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->taille, GetParam().octets);
    EXPECT_EQ(data->debut, 44u) << "readers that expect the samples at byte 44 find them";
}

TEST_P(FichierSon, PorteUnMorceauListInfo) {
    const auto liste = trouver(m_morceaux, "LIST");
    ASSERT_TRUE(liste.has_value());
    EXPECT_EQ(quatreCaracteres(m_octets, liste->debut), "INFO");
    EXPECT_GT(liste->taille, 12u) << "at least one entry after the INFO tag";
}

TEST_P(FichierSon, CommenceEtFinitEnSilence) {
    const std::vector<uint8_t> e = echantillons();
    const std::size_t trame = GetParam().canaux;
    for (std::size_t i = 0; i < trame; ++i) {
        EXPECT_EQ(e.at(i), 128) << "first frame";
        EXPECT_EQ(e.at(e.size() - 1 - i), 128) << "last frame";
    }
}

TEST_P(FichierSon, NeSatureJamaisEtSEntendBien) {
    const std::vector<uint8_t> e = echantillons();
    const auto [bas, haut] = std::minmax_element(e.begin(), e.end());
    EXPECT_GT(*bas, 0) << "clipped at the bottom";
    EXPECT_LT(*haut, 255) << "clipped at the top";
    EXPECT_GT(std::max(128 - *bas, *haut - 128), 64) << "loud enough to be heard";
}

INSTANTIATE_TEST_SUITE_P(Sons, FichierSon,
                         ::testing::Values(SonAttendu{"sons/lancer.wav", 1, 11025, 38545},
                                           SonAttendu{"sons/bravo.wav", 2, 11128, 69888},
                                           SonAttendu{"sons/meilleur.wav", 1, 11025, 11311}));

// A throw's animation is seven 500 ms frames; its sound covers them and no more.
TEST(SonLancer, DureAutantQueLAnimationDuLancer) {
    const std::vector<uint8_t> o = lireFichier("sons/lancer.wav");
    const Morceau data = trouver(morceauxRiff(o), "data").value();
    EXPECT_NEAR(data.taille / 11025.0, 3.5, 0.01);
}

} // namespace
} // namespace tests_assets
