// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "imprimer.h"
#include "turn/generateur.h"
#include "turn/jeu.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>

namespace tavlo::turn {

using Faces = std::array<int, 3>;

// Dice written in advance. Every throw reads the clock once, to seed the generator, so the clock
// hands out the seeds of the coming throws in order; with none left it reads midnight.
class DesPrevus final : public Horloge {
public:
    // The seed whose seventh frame shows these faces (each frame draws the three dice in turn).
    // A die set aside keeps its own face whatever is written here.
    void prevoir(Faces faces) {
        for (std::uint32_t graine = 0;; ++graine) {
            Generateur g;
            g.semer(graine);
            Faces tirees{};
            for (std::size_t tirage = 0; tirage < 21; ++tirage) {
                tirees[tirage % 3] = g.face();
            }
            if (tirees == faces) {
                return m_graines.push_back(graine);
            }
        }
    }
    void prevoirHeure(std::uint32_t ms) { m_graines.push_back(ms); }
    std::uint32_t millisecondesDuJour() const override {
        if (m_graines.empty()) {
            return 0;
        }
        const std::uint32_t graine = m_graines.front();
        m_graines.pop_front();
        return graine;
    }

private:
    mutable std::deque<std::uint32_t> m_graines;
};

inline int compterJetons(const rules::Jetons& j) {
    int n = 0;
    for (int k = 1; k <= rules::NB_JETONS; ++k) {
        n += j[k];
    }
    return n;
}

// A game driven as the window drives it: clicks, ticks and closed boxes.
class JeuTest : public testing::Test {
protected:
    DesPrevus des;
    Jeu jeu{des};

    void SetUp() override { jeu.FormCreate(); }
    void tiquer(int ticks) {
        for (int tick = 0; tick < ticks; ++tick) {
            jeu.TempoTimer();
        }
    }
    // The player at the cup throws these faces and waits for the dice to settle.
    void lancer(Faces faces) {
        ASSERT_TRUE(jeu.gobeletCliquable());
        des.prevoir(faces);
        jeu.GobeletClick();
        tiquer(7);
    }
    void jouerTour(Faces faces) {
        lancer(faces);
        jeu.ButStopClick();
    }
    // Ticks while ORDY plays, until it hands the turn over or a box holds the game.
    void laisserJouerOrdy() {
        for (int tick = 0; tick < 40 && jeu.ordyJoue() && !jeu.enAttenteBoite(); ++tick) {
            jeu.TempoTimer();
        }
    }
};

} // namespace tavlo::turn
