// How long "Deal only winnable games" keeps a player waiting: the whole new
// game, from the command to the dealt table's scene, for many starting
// times of day under each of the four ways the stock is played.
#include "Formbank.h"
#include "Game.h"
#include "GamePosition.h"
#include "WinnableDeal.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

class Agreeable : public GameHost {
public:
    bool ask(Question) override { return true; }
    void readscore() override {}
};

double quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const auto i = std::size_t(std::ceil(q * double(values.size()))) - 1;
    return values[std::min(i, values.size() - 1)];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const TBankForm bank(1.0);
    bank.paintCards();
    Agreeable host;
    struct Mode {
        const char* name;
        int scoreMode;
        int drawThree;
    } modes[] = {{"Casino, one card", smCasino, 0},
                 {"Casino, three cards", smCasino, 1},
                 {"Standard, one card", smStandard, 0},
                 {"Standard, three cards", smStandard, 1}};
    for (const Mode& mode : modes) {
        Game game(bank, host);
        game.setScoreMode(mode.scoreMode);
        game.setDrawThree(mode.drawThree);
        game.setShowDialog(false);
        const Rules rules = rulesOf(mode.scoreMode, mode.drawThree);
        std::vector<double> ms;
        std::vector<double> tries;
        // Times of day spread over the whole day, as players start games.
        for (int i = 0; i < deals; ++i) {
            const auto start = quint32((std::uint64_t(i) * 86'399'999 * 7919) % kDealNumbers);
            const auto begin = std::chrono::steady_clock::now();
            const auto found = findWinnableDeal(start, rules);
            game.dealPostponed(found->number);
            (void)game.scene();
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                    .count());
            tries.push_back(found->tries);
        }
        std::printf("%-22s median %6.1f ms, 95th %6.1f, 99th %6.1f, worst %6.1f;"
                    " deals tried: median %.0f, worst %.0f\n",
                    mode.name, quantile(ms, 0.5), quantile(ms, 0.95), quantile(ms, 0.99),
                    quantile(ms, 1), quantile(tries, 0.5), quantile(tries, 1));
    }
    return 0;
}
