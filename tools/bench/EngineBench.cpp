// The engine's costs per action, without widgets: a deal, a click on the
// table, a redeal and a pause and resume, each with the scene the window
// reads after it.
#include "Formbank.h"
#include "Game.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

class Agreeable : public GameHost {
public:
    bool ask(Question) override { return true; }
    void readscore() override {}
};

const TBankForm& bank() {
    static const TBankForm store(1.0);
    return store;
}

struct Table {
    Agreeable host;
    quint32 clock = 45296789;
    Game game{bank(), host, [this] { return ++clock; }};
    Table() {
        game.setShowDialog(false);
        game.setScoreMode(smStandard);
        game.newgame();
    }
};

void deal(benchmark::State& state) {
    Table t;
    for (auto _ : state) {
        t.game.newgame();
        benchmark::DoNotOptimize(t.game.scene());
    }
}

void tableClick(benchmark::State& state) {
    Table t;
    for (auto _ : state) {
        if (t.game.state().stockCount == 0)
            t.game.menurozdClick();
        t.game.PanelMainClick();
        benchmark::DoNotOptimize(t.game.scene());
    }
}

void redeal(benchmark::State& state) {
    Table t;
    for (auto _ : state) {
        state.PauseTiming();
        while (t.game.state().stockCount > 0)
            t.game.PanelMainClick();
        state.ResumeTiming();
        t.game.menurozdClick();
        benchmark::DoNotOptimize(t.game.scene());
    }
}

void pauseAndResume(benchmark::State& state) {
    Table t;
    for (auto _ : state) {
        t.game.menupauseClick();
        benchmark::DoNotOptimize(t.game.scene());
        t.game.menupauseClick();
        benchmark::DoNotOptimize(t.game.scene());
    }
}

} // namespace

BENCHMARK(deal)->Unit(benchmark::kMicrosecond);
BENCHMARK(tableClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(redeal)->Unit(benchmark::kMicrosecond);
BENCHMARK(pauseAndResume)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bank().paintCards();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
