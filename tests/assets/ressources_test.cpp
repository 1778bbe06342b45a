// Copyright 2026 the Tavlo32 developers.
// Linking tavlo_assets is enough for every picture, sound and icon to resolve by its name.
#include <QFile>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace {

struct Ressource {
    const char* nom;
    int largeur;
    int hauteur;
};

std::ostream& operator<<(std::ostream& os, const Ressource& r) {
    return os << r.nom;
}

class RessourceImage : public ::testing::TestWithParam<Ressource> {};

TEST_P(RessourceImage, SeChargeParSonNomALaBonneTaille) {
    const Ressource r = GetParam();
    const QImage image(QString(":/") + r.nom);
    ASSERT_FALSE(image.isNull()) << r.nom;
    EXPECT_EQ(image.width(), r.largeur);
    EXPECT_EQ(image.height(), r.hauteur);
}

INSTANTIATE_TEST_SUITE_P(Images, RessourceImage,
                         ::testing::Values(Ressource{"PLATEAU", 629, 377},
                                           Ressource{"FACE1", 60, 60}, Ressource{"FACE2", 60, 60},
                                           Ressource{"FACE3", 60, 60}, Ressource{"FACE4", 60, 60},
                                           Ressource{"FACE5", 60, 60}, Ressource{"FACE6", 60, 60},
                                           Ressource{"GOBELET", 80, 107},
                                           Ressource{"JETON", 40, 15},
                                           Ressource{"MAINICON.png", 32, 32}));

TEST(RessourcePlateau, GardeSonFondMarineEtSonTapisVertUneFoisCharge) {
    const QImage plateau(":/PLATEAU");
    ASSERT_FALSE(plateau.isNull());
    EXPECT_EQ(plateau.format(), QImage::Format_Indexed8);
    EXPECT_EQ(plateau.pixel(0, 0), qRgb(0, 0, 128));
    EXPECT_EQ(plateau.pixel(314, 188), qRgb(0, 117, 0));
}

class RessourceSon : public ::testing::TestWithParam<const char*> {};

TEST_P(RessourceSon, DonneUnFichierWaveComplet) {
    QFile f(QString(":/") + GetParam());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << GetParam();
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.startsWith("RIFF"));
    EXPECT_EQ(octets.mid(8, 4), QByteArray("WAVE"));
    EXPECT_GT(octets.size(), 10000);
}

INSTANTIATE_TEST_SUITE_P(Sons, RessourceSon, ::testing::Values("LANCER", "BRAVO", "MEILLEUR"));

// Qt's icon reader refuses 16-bit icons, so the window takes MAINICON.png: it must show
// exactly the pixels of MAINICON.
TEST(RessourceIcone, LePngMontreLesMemesPixelsQueLIcone) {
    QFile f(":/MAINICON");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray ico = f.readAll();
    ASSERT_EQ(ico.size(), 6 + 16 + 40 + 32 * 64 + 32 * 4);
    const QImage png(":/MAINICON.png");
    ASSERT_EQ(png.size(), QSize(32, 32));
    auto octet = [&ico](int i) { return static_cast<uint32_t>(static_cast<uint8_t>(ico[i])); };
    auto etendre = [](uint32_t c) { return static_cast<int>((c << 3) | (c >> 2)); };
    const int pixels = 6 + 16 + 40;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int i = pixels + (31 - y) * 64 + 2 * x;
            const uint32_t v = octet(i) | (octet(i + 1) << 8);
            const QRgb attendu =
                qRgb(etendre((v >> 10) & 31), etendre((v >> 5) & 31), etendre(v & 31));
            ASSERT_EQ(png.pixel(x, y), attendu) << "at " << x << "," << y;
        }
    }
}

} // namespace
