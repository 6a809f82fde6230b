#include "contest/contest.h"
#include "support/fakes.h"

#include <QtTest>

namespace {

// The contest's rules alone, as the main window drives them.
struct Rules {
    Rules() { contest.load(); }
    Contest contest;
    ScriptedRandom random;
    FixedClock clock;
    const ContestState& s() const { return contest.state(); }

    // Every tick of the roll draws the same sign and faces. Runs ticks until the roll ends (or `ticks` ran)
    // and returns how many ran.
    int roll(Sign sign, std::array<int, kDice> faces = {1, 1, 1}, int ticks = 10)
    {
        random.values.clear();
        for (int tick = 0; tick < ticks; ++tick) {
            random.values.push_back(sign == Sign::Minus ? 0.75 : 0.25);
            for (int face : faces) random.values.push_back((face - 0.5) / 9);
        }
        int ran = 0;
        while (ran < ticks && s().rollTimerOn) {
            ++ran;
            if (contest.rollTick(random, clock) == Outcome::RollEnded) {
                // The window resets the contest once the winner is told.
                if (contest.nextTask(false) == Outcome::GameOver) contest.resetGame();
                break;
            }
        }
        return ran;
    }
    void setArrow(int value) { contest.moveSlider(value - s().rangeBase); }
    Outcome answer(int value)
    {
        setArrow(value);
        return contest.confirmAnswer();
    }
    // Answers the waiting task right and rolls the next one, always plus one.
    Outcome solve()
    {
        const Outcome c = answer(s().taskResult);
        roll(Sign::Plus);
        return c;
    }
};

} // namespace

class ContestRulesTest : public QObject {
    Q_OBJECT
private slots:
    // Before the first die click the slider moves alone and a confirmation does nothing at all.
    void nothingCountsBeforeTheFirstDieClick()
    {
        Rules r;
        r.contest.moveSlider(80);
        QCOMPARE(r.contest.confirmAnswer(), Outcome::Nothing);
        QCOMPARE(QList({r.s().arrowValue, r.s().taskCount, r.s().round, int(r.s().rollTimerOn)}), QList({50, 0, 1, 0}));
        QVERIFY(!r.s().announcedSide && !r.s().shownAnswer);
        r.contest.startGame(); // puts the slider back on the arrow
        QCOMPARE(QList({int(r.s().rollTimerOn), r.roll(Sign::Plus, {7, 1, 1})}), QList({1, 10}));
        QCOMPARE(QList({*r.s().firstNumber, r.s().taskResult}), QList({50, 57}));
        QCOMPARE(r.s().answeringSide(), Side::Left);
    }

    // A die click during a game leaves the roll, its tick and the turn alone.
    void aSecondDieClickChangesNothing()
    {
        Rules r;
        r.contest.startGame();
        r.roll(Sign::Plus);
        r.answer(r.s().taskResult);
        r.roll(Sign::Plus, {1, 1, 1}, 4);
        r.contest.startGame();
        QCOMPARE(QList({r.s().rollFrame, int(r.s().rollTimerOn), r.s().taskCount}), QList({4, 1, 1}));
        QCOMPARE(r.s().answeringSide(), Side::Left);
    }

    // A confirmation during a roll is checked against the task just solved: it counts again and starts the
    // roll over from its first tick.
    void aConfirmationDuringARollRestartsIt()
    {
        Rules r;
        r.contest.startGame();
        r.roll(Sign::Minus, {7, 1, 1});
        QCOMPARE(r.answer(43), Outcome::Correct);
        QCOMPARE(r.roll(Sign::Plus, {1, 1, 1}, 6), 6);
        QCOMPARE(r.contest.confirmAnswer(), Outcome::Correct);
        QCOMPARE(QList({r.s().taskCount, r.s().round, r.roll(Sign::Plus, {2, 1, 1})}), QList({2, 3, 10}));
        QCOMPARE(r.s().taskResult, 45);
    }

    // The memory reward is due at every third correct answer of a game: the 3rd, 6th and 9th.
    void theMemoryRewardComesAtEveryThirdAnswer()
    {
        Rules r;
        r.contest.chooseRange(4); // 400 - 500, so nine plus-one tasks stay in range
        r.contest.startGame();
        r.roll(Sign::Plus);
        QList<int> due;
        for (int answer = 1; answer <= 9; ++answer)
            if (r.solve() == Outcome::RewardDue) due += answer;
        QCOMPARE(due, QList({3, 6, 9}));
        QCOMPARE(r.s().round, 10);
    }

    // The top of the range is tested first, whatever the sign; a result on an end is never asked.
    void nextTaskTestsTheTopFirstThenTheBottom()
    {
        // dice, range, arrow, first die (negative: minus), result or 0 for the game's end
        const int cases[][5] = {{1, 0, 95, 4, 99},   {1, 0, 95, 5, 0},     {1, 0, 5, -4, 1},      {1, 0, 5, -5, 0},
                                {2, 300, 397, 2, 0}, {2, 300, 400, -9, 0}, {2, 300, 399, -8, 390}};
        for (auto [dice, rangeBase, arrow, die, result] : cases) {
            Rules r;
            r.contest.chooseDice(dice - 1);
            r.contest.chooseRange(rangeBase / 100);
            r.contest.startGame();
            r.setArrow(arrow); // the arrow moved during the roll starts the next task
            r.roll(die < 0 ? Sign::Minus : Sign::Plus, {std::abs(die), 1, 1});
            const int won = r.s().scores[Side::Left] + r.s().scores[Side::Right];
            QCOMPARE(QList({r.s().taskResult, won, int(r.s().gameStarted)}),
                     QList({result ? result : rangeBase + 50, result ? 0 : 1, result ? 1 : 0}));
        }
    }

    // The last one to solve wins; the scores count over the run and no setting resets them.
    void winsCountOverTheRunWhateverTheSettings()
    {
        Rules r;
        r.contest.startGame();
        r.roll(Sign::Plus, {9, 1, 1}); // Freund: 50 + 9
        r.answer(59);
        r.setArrow(98); // 98 + 9 cannot be asked of Computer
        r.roll(Sign::Plus, {9, 1, 1});
        QCOMPARE(QList({int(*r.s().winnerSide), r.s().scores[Side::Left], r.s().scores[Side::Right]}),
                 QList({0, 1, 0}));
        r.contest.startGame();
        r.setArrow(3); // 3 - 3 reaches the bottom before anyone solved: Computer wins
        r.roll(Sign::Minus, {3, 1, 1});
        QCOMPARE(QList({int(*r.s().winnerSide), r.s().scores[Side::Left], r.s().scores[Side::Right]}),
                 QList({1, 1, 1}));
        r.contest.startGame();
        r.roll(Sign::Plus, {9, 1, 1}, 3);
        r.contest.chooseRange(3);
        r.contest.chooseDice(2);
        QCOMPARE(QList({r.s().scores[Side::Left], r.s().scores[Side::Right], r.s().rangeBase, r.s().arrowValue,
                        r.s().diceCount}),
                 QList({1, 1, 300, 350, 3}));
        QVERIFY(!r.s().gameStarted && !r.s().rollTimerOn);
    }

    // A choice during a roll stops it and greys the sign box again.
    void aSettingStopsTheRoll()
    {
        Rules r;
        r.contest.startGame();
        r.roll(Sign::Plus, {4, 1, 1}, 2);
        QCOMPARE(r.s().signColor, std::optional(11)); // palette 11 for a four
        r.contest.chooseDice(1);
        QVERIFY(!r.s().signColor);
        r.contest.startGame();
        r.roll(Sign::Plus, {4, 1, 1}, 2);
        r.contest.chooseRange(2);
        QVERIFY(!r.s().signColor);
        QCOMPARE(QList({r.s().rollFrame, int(r.s().rollTimerOn)}), QList({2, 0}));
    }
};

QTEST_GUILESS_MAIN(ContestRulesTest)
#include "test_contest_rules.moc"
