// Copyright 2026 the Tavlo32 developers.
#include "jeu_fixture.h"

namespace tavlo::turn {
namespace {

using rules::AfficherBoite;
using rules::Effet;
using rules::TypeBoite;

const std::vector<Effet> A_MOI{
    AfficherBoite{TypeBoite::Personnalise, "C'est à moi de relancer..."}};

class PartieSolo : public JeuTest {
protected:
    void SetUp() override {
        JeuTest::SetUp();
        jeu.MenuNouvelleClick();
        jeu.unJoueur("PAUL");
        jeu.MenuSonClick(); // silent throws: the effects show only the messages
    }
    // Paul passes, and ORDY's throws are those written here.
    void passerAOrdy(std::initializer_list<Faces> lancers) {
        for (const Faces& faces : lancers) {
            des.prevoir(faces);
        }
        jeu.ButStopClick();
    }
};

// A round against ORDY in every position: second and first in the loading phase and in the
// replay of a tie, first with three throws.
TEST_F(PartieSolo, UneMancheContreOrdy) {
    // Hand 1: ORDY throws at once, pauses two ticks, loses as second and says so.
    lancer({5, 3, 2});
    passerAOrdy({{1, 3, 5}});
    EXPECT_TRUE(jeu.lancerEnCours());
    tiquer(8);
    EXPECT_TRUE(jeu.prendreEffets().empty()) << "the pause lasts two ticks";
    tiquer(4);
    EXPECT_EQ(jeu.prendreEffets(), A_MOI);
    EXPECT_FALSE(jeu.lancerEnCours()) << "ORDY opens the next hand only once the box is closed";

    // Hand 2: ORDY opens with one throw, whose first frame the tick raised under the box draws.
    des.prevoir({6, 5, 2});
    jeu.BoiteFermee();
    tiquer(6);
    EXPECT_FALSE(jeu.lancerEnCours());
    tiquer(1);
    EXPECT_TRUE(jeu.ordyJoue()) << "every pause lasts two ticks";
    tiquer(1);
    // Paul beats its 652: ORDY, first, takes a token, says nothing and opens the next hand.
    lancer({6, 5, 3});
    passerAOrdy({{4, 2, 1}});
    EXPECT_TRUE(jeu.prendreEffets().empty());
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 2);
    EXPECT_TRUE(jeu.lancerEnCours());

    // Hand 3: Paul loses the pot's last nine tokens and opens the unloading phase.
    laisserJouerOrdy();
    jouerTour({5, 3, 2});
    EXPECT_FALSE(jeu.etat().Charge);
    // Hand 4: Paul throws once, so ORDY may throw once; equal values, no throw to spare: a tie.
    lancer({6, 5, 2});
    passerAOrdy({{6, 5, 2}});
    laisserJouerOrdy();
    EXPECT_TRUE(jeu.etiReposVisible());
    EXPECT_EQ(jeu.fenetre().m_cpsMaxi, "Nombre de coups maxi:1");
    // Hand 5, the replay: ORDY, second, has one throw; it loses and says so.
    lancer({6, 5, 3});
    passerAOrdy({{6, 5, 2}});
    tiquer(9);
    EXPECT_EQ(jeu.prendreEffets(), A_MOI);

    // Hand 6: ORDY, first with three throws and three tokens, keeps the 1 of 153, stops on 421.
    des.prevoir({1, 5, 3});
    des.prevoir({6, 4, 2}); // the die kept shows its 1 whatever is drawn for it
    jeu.BoiteFermee();
    tiquer(7);
    EXPECT_FALSE(jeu.fenetre().m_ecarte[1]) << "ORDY decides at the end of its pause";
    tiquer(1);
    EXPECT_TRUE(jeu.fenetre().m_ecarte[1]);
    EXPECT_FALSE(jeu.fenetre().m_ecarte[2] || jeu.fenetre().m_ecarte[3]);
    EXPECT_EQ(jeu.fenetre().m_imageSelectDe[1], 1);
    tiquer(6);
    EXPECT_FALSE(jeu.lancerEnCours())
        << "the pause's second tick drew the next throw's first frame";
    EXPECT_FALSE(jeu.fenetre().m_ecarte[1]) << "the kept die comes back for the next decision";
    laisserJouerOrdy();
    EXPECT_EQ(jeu.etat().ValeurPremier, 421);
    // Paul matches it with his last throw: a tie, and ORDY opens the replay at once.
    lancer({6, 5, 2});
    lancer({4, 2, 1});
    passerAOrdy({{1, 3, 5}});
    EXPECT_TRUE(jeu.lancerEnCours());

    // Hand 7, the replay: ORDY, first, throws 531 once and keeps nothing.
    laisserJouerOrdy();
    EXPECT_EQ(jeu.etat().ValeurPremier, 531);
    EXPECT_FALSE(jeu.fenetre().m_ecarte[1]);
    EXPECT_EQ(jeu.fenetre().m_cpsMaxi, "Nombre de coups maxi:1");
    // Paul wins the tied stake of ten: ORDY receives his last eight tokens and the round is over.
    jouerTour({5, 3, 2});
    EXPECT_EQ(compterJetons(jeu.etat().Jetons2), 11);
    EXPECT_TRUE(jeu.enAttenteBoite());
    jeu.BoiteFermee();
    EXPECT_FALSE(jeu.ordyJoue());
    EXPECT_FALSE(jeu.gobeletCliquable()) << "nothing more is played until a new game";
    EXPECT_FALSE(jeu.butStopCliquable());
    EXPECT_EQ(jeu.texteManches(), "Manches pour PAUL : 1\r\rManches pour ORDY : 0");
    jeu.MenuNouvelleClick();
    EXPECT_TRUE(jeu.gobeletCliquable());
    EXPECT_EQ(jeu.etat().Manches1, 1) << "a new game keeps the rounds won";
    jeu.MenuZeroClick();
    EXPECT_EQ(jeu.texteManches(), "Manches pour PAUL : 0\r\rManches pour ORDY : 0");
    // A new game in the middle of ORDY's turn stops it.
    lancer({6, 5, 2});
    passerAOrdy({{1, 3, 5}});
    jeu.MenuNouvelleClick();
    tiquer(20);
    EXPECT_FALSE(jeu.ordyJoue());
}

} // namespace
} // namespace tavlo::turn
