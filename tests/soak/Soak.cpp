// The soak run: a million random actions (by default) in every score mode and
// cards mode, checking the table after each one. The same seed plays the
// same run again, so a failure can be replayed and watched.
//
//   soak [--seed S] [--actions N]     N actions per mode; the seed is printed
#include "Formbank.h"
#include "RandomPlay.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

unsigned long long argument(int argc, char** argv, const char* name, unsigned long long fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::strtoull(argv[i + 1], nullptr, 10);
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto seed = static_cast<unsigned>(
        argument(argc, argv, "--seed", static_cast<unsigned long long>(std::random_device{}())));
    const auto actions = argument(argc, argv, "--actions", 1000000);
    std::printf("soak: seed %u, %llu actions per mode\n", seed, actions);
    std::fflush(stdout);

    const TBankForm bank(1.0);
    bank.paintCards();
    const auto started = std::chrono::steady_clock::now();
    for (int mode : {smCasino, smStandard, smNone})
        for (int drawThree : {0, 1}) {
            std::mt19937 rng(seed + unsigned(mode * 2 + drawThree));
            RandomAnswers host(rng);
            quint32 clock = 0;
            Game game(bank, host, [&clock] { return clock; });
            game.setScoreMode(mode);
            game.setDrawThree(drawThree);
            game.newgame();
            for (unsigned long long step = 0; step < actions; ++step) {
                clock += 1 + rng() % 1000;
                randomAction(game, rng);
                // Making a whole scene afresh costs more than the action itself.
                const std::string broken = checkTable(game, bank, step % 64 == 0);
                if (!broken.empty()) {
                    std::printf("soak: mode %d, three cards %d, action %llu: %s\n%s\n", mode,
                                drawThree, step, broken.c_str(), qPrintable(game.dump()));
                    return 1;
                }
            }
            std::printf("soak: mode %d, three cards %d: clean\n", mode, drawThree);
            std::fflush(stdout);
        }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::printf("soak: clean in %.1f s\n", took.count());
    return 0;
}
