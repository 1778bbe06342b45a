// Copyright 2026 the Tavlo32 developers.
// The core's speed: valuing a throw, ORDY's decision, and whole hands played as fast as the ticks
// can be called.
#include "ordy/decision.h"
#include "rules/combinaisons.h"
#include "turn/jeu.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace tavlo;

class HorlogeQuiAvance final : public turn::Horloge {
public:
    std::uint32_t millisecondesDuJour() const override {
        m_ms = (m_ms + 7919) % 86'400'000;
        return m_ms;
    }

private:
    mutable std::uint32_t m_ms = 0;
};

// Values throw number n of the 216, in a fixed order.
void valoriserLeLancer(rules::EtatJeu& e, int n) {
    e.ValDe[1] = 1 + n % 6;
    e.ValDe[2] = 1 + (n / 6) % 6;
    e.ValDe[3] = 1 + (n / 36) % 6;
    e.NbFaces.remplir(0);
    rules::valoriser(e);
}

void BM_Valoriser(benchmark::State& state) {
    rules::EtatJeu e;
    int n = 0;
    for (auto _ : state) {
        valoriserLeLancer(e, n);
        benchmark::DoNotOptimize(e.Rang);
        n = (n + 1) % 216;
    }
}
BENCHMARK(BM_Valoriser);

void BM_DecisionOrdy(benchmark::State& state) {
    rules::EtatJeu e;
    e.CoupsRestants = 2;
    int n = 0;
    for (auto _ : state) {
        valoriserLeLancer(e, n);
        const bool second = (n / 216) % 2 == 1;
        e.ValeurPremier = second ? 531 : 0;
        e.RangPremier = second ? 17 : 0;
        e.Jetons2[(n % 11) + 1] = !e.Jetons2[(n % 11) + 1];
        benchmark::DoNotOptimize(ordy::decider(e));
        n = (n + 1) % 432;
    }
}
BENCHMARK(BM_DecisionOrdy);

// ORDY against a player who throws once and passes; every tick is called at once.
void BM_MainsContreOrdy(benchmark::State& state) {
    HorlogeQuiAvance horloge;
    turn::Jeu jeu(horloge);
    jeu.FormCreate();
    jeu.MenuSonClick();
    jeu.MenuNouvelleClick();
    jeu.unJoueur("PAUL");
    std::int64_t mains = 0;
    for (auto _ : state) {
        const bool premierAPasse = jeu.etat().ValeurPremier != 0;
        if (jeu.enAttenteBoite()) {
            jeu.prendreEffets();
            jeu.BoiteFermee();
        } else if (jeu.etat().MancheFinie) {
            jeu.MenuNouvelleClick();
        } else if (jeu.gobeletCliquable() && jeu.etat().NumLancer == 1) {
            jeu.GobeletClick();
        } else if (jeu.butStopCliquable()) {
            jeu.ButStopClick();
        } else {
            jeu.TempoTimer();
        }
        mains += premierAPasse && jeu.etat().ValeurPremier == 0;
    }
    state.counters["mains/s"] =
        benchmark::Counter(static_cast<double>(mains), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MainsContreOrdy);

} // namespace

BENCHMARK_MAIN();
