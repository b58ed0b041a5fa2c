// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// When the clipboard keeper ends: once either clipboard passes to another
// program, and only when the other has left its hands too or the wait for the
// desktop's bridge is over.
#include "keeper_end.h"

#include <QTest>

#include <vector>

using namespace tinctora;
using namespace std::chrono_literals;

namespace {

// One look at the clipboards: when (ms after the first), each clipboard's
// standing as a letter (H still the keeper's, P handed on without a loss, such
// as to the bridge with the keeper's text, L lost to another program), and
// what the keeper decides then: whether it ends, and if not, how long it may
// wait for news.
struct Step {
    int atMs;
    const char* clipboards;
    bool due;
    int waitLimit;
};
using Steps = std::vector<Step>;

std::vector<ClipboardStanding> Standings(const char* letters) {
    std::vector<ClipboardStanding> standings;
    for (const char* letter = letters; *letter != '\0'; ++letter) {
        standings.push_back({*letter == 'L', *letter == 'P'});
    }
    return standings;
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class KeeperEndTest : public QObject {
    Q_OBJECT

private slots:
    void endsOnceEveryClipboardLeftTheKeeper_data() {
        QTest::addColumn<Steps>("steps");
        QTest::newRow("held, then the bridge carries the keeper's text across")
            << Steps{{0, "HH", false, -1}, {100, "PH", false, -1}, {5000, "PP", false, -1}};
        QTest::newRow("one clipboard alone, lost") << Steps{{0, "L", true, -1}};
        QTest::newRow("lost on one side, the bridge takes the other")
            << Steps{{0, "LH", false, 1000}, {30, "LP", true, -1}};
        QTest::newRow("lost on one side, another program copies on the other")
            << Steps{{0, "HL", false, 1000}, {200, "LL", true, -1}};
        QTest::newRow("no bridge: the other side is let go after the wait")
            << Steps{{0, "LH", false, 1000}, {999, "LH", false, 1}, {1000, "LH", true, -1}};
        QTest::newRow("the wait counts from the first loss") << Steps{{0, "PH", false, -1},
                                                                      {400, "LH", false, 1000},
                                                                      {1000, "LH", false, 400},
                                                                      {1400, "LH", true, -1}};
        QTest::newRow("a loss is not forgotten when the owners say otherwise later")
            << Steps{{0, "LH", false, 1000}, {500, "HH", false, 500}, {1000, "HH", true, -1}};
    }
    void endsOnceEveryClipboardLeftTheKeeper() {
        QFETCH(Steps, steps);
        KeeperEnd end(1000ms);
        const KeeperEnd::Clock::time_point start{};
        for (const Step& step : steps) {
            const auto now = start + std::chrono::milliseconds(step.atMs);
            const auto standings = Standings(step.clipboards);
            QCOMPARE(end.due(standings, now), step.due);
            if (!step.due) {
                QCOMPARE(end.waitLimit(now), step.waitLimit);
            }
        }
    }
};

QTEST_APPLESS_MAIN(KeeperEndTest)
#include "test_keeper_end.moc"
