#pragma once

// Shared set-up for the rule tests: a real image store, scripted answers to
// the rules' questions, a fixed time of day and a way to lay out chosen cards.
// Every deal and step is followed by the soak's table check, so the tests
// themselves only look at what the rule under test decides.

#include "Formbank.h"
#include "Game.h"
#include "QtPrinters.h"
#include "RandomPlay.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <vector>

class ScriptedHost : public GameHost {
public:
    std::deque<bool> answers;
    std::vector<Question> asked;
    int readscoreCalls = 0;
    std::vector<GameResult> ended;

    bool ask(Question q) override {
        asked.push_back(q);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question " << int(q);
            return true;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void readscore() override { ++readscoreCalls; }
    void gameEnded(const GameResult& result) override { ended.push_back(result); }
};

inline const TBankForm& testBank() {
    static const TBankForm bank(1.0);
    return bank;
}

// The code the shuffle gives to a card named like "Kh", "Ts", "2c", "Ad".
inline int codeOf(const char* name) {
    const QString ranks = QStringLiteral("23456789TJQKA");
    const QString suits = QStringLiteral("hdcs");
    const int rank = int(ranks.indexOf(QChar(name[0]))) + 1; // 1..13
    const int suit = int(suits.indexOf(QChar(name[1]))) + 1;
    return (suit - 1) * 13 + (rank == 1 ? 13 : rank - 1);
}

// A full deal in which the named card numbers carry the named cards; the rest
// get the remaining codes in order. Cards left unnamed are 2..9 of clubs and
// the like, so name every card a test depends on.
inline std::array<int, kCardCount + 1> dealWith(const std::map<int, const char*>& named) {
    std::array<int, kCardCount + 1> codes{};
    std::vector<bool> used(kCardCount + 1, false);
    for (const auto& [card, name] : named) {
        codes[card] = codeOf(name);
        used[codes[card]] = true;
    }
    int next = 1;
    for (int card = 1; card <= kCardCount; ++card) {
        if (codes[card] != 0)
            continue;
        while (used[next])
            ++next;
        codes[card] = next;
        used[next] = true;
    }
    return codes;
}

class TableTest : public ::testing::Test {
protected:
    ScriptedHost host;
    quint32 timeOfDay = 45296789; // 12:34:56.789 UTC
    const TBankForm* bank = &testBank();
    std::unique_ptr<Game> game = std::make_unique<Game>(*bank, host, [this] { return timeOfDay; });

    // A fresh program on the given image store, before its first deal.
    void restart(const TBankForm& store = testBank()) {
        bank = &store;
        game = std::make_unique<Game>(store, host, [this] { return timeOfDay; });
    }

    const GameState& st() const { return game->state(); }
    const Scene& scene() const { return game->scene(); }

    // A new game whose cards are the shuffle's except the named ones.
    void deal(const std::map<int, const char*>& named = {}) {
        game->newgame();
        if (!named.empty())
            game->presetCodes(dealWith(named));
        expectSoundTable("the deal");
    }

    // Runs a script of actions: "12" clicks card 12, "t" the free table,
    // "m" the stock place, "F2" new game, "F4" redeal, "F5" pause, "tick" one
    // clock second; the Test menu's "win" and "stop", "reset" the score,
    // "deal#N" selects deal N, "restart" the deal, "leave" the program,
    // "undo" and "redo"; "w" clicks the open waste card;
    // "t*24" repeats a step.
    void play(const QString& script) {
        for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList parts = word.split(u'*');
            const int times = parts.size() > 1 ? parts[1].toInt() : 1;
            for (int i = 0; i < times; ++i)
                step(parts[0]);
        }
    }

    void step(const QString& action) {
        if (action == u"t")
            game->PanelMainClick();
        else if (action == u"m")
            game->ImagenewClick();
        else if (action == u"F2")
            game->N21Click();
        else if (action == u"F4")
            game->menurozdClick();
        else if (action == u"F5")
            game->menupauseClick();
        else if (action == u"tick")
            game->TimerGameTimer();
        else if (action == u"win")
            game->N5Click();
        else if (action == u"stop")
            game->N7Click();
        else if (action == u"reset")
            game->menunilscoreClick();
        else if (action == u"restart")
            game->restartDeal();
        else if (action == u"leave")
            game->leave();
        else if (action == u"w")
            game->ImageClick(game->openWasteCard());
        else if (action == u"undo")
            game->undo();
        else if (action == u"redo")
            game->redo();
        else if (action.startsWith(u"deal#"))
            game->selectDeal(action.mid(5).toUInt());
        else
            game->ImageClick(action.toInt());
        expectSoundTable(action);
    }

    void expectSoundTable(const QString& after) const {
        const std::string broken = checkTable(*game, *bank);
        EXPECT_EQ(broken, "") << "after " << after.toStdString() << "\n" << dump().toStdString();
    }

    int place(int card) const { return st().cards[card].place; }
    // The places of `cards` as the dump's letters: S stock, W waste (playable),
    // B waste beneath the fan's top, C covered, O open, D discarded.
    QString places(std::initializer_list<int> cards) const {
        QString out;
        for (int c : cards)
            out += placeLetter(place(c));
        return out;
    }
    QString dump() const { return game->dump(); }
};
