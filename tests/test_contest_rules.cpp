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
    int ran = 0;                         // ticks of the last roll
    Outcome answered = Outcome::Nothing; // what the last answer came to
    const ContestState& s() const { return contest.state(); }

    // Steps: "die", "=43" an answer, "@43" the arrow, "solve" the task then a roll of +1, "range3", "dice2"
    // (list rows), "-2,5,9/3" a roll of these faces (the rest ones) for up to so many ticks (ten), "winLeft"
    // (50 + 9 solved, then 98 + 9 cannot be asked) or "winRight" (3 - 3 reaches the bottom at once).
    void act(const QString& steps)
    {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const int value = step.mid(1).toInt();
            if (step == "die") {
                contest.startGame();
            } else if (step[0] == '=' || step == "solve") {
                contest.moveSlider((step == "solve" ? s().taskResult : value) - s().rangeBase);
                answered = contest.confirmAnswer();
                if (step == "solve") act("+1");
            } else if (step[0] == '@') {
                contest.moveSlider(value - s().rangeBase);
            } else if (step.startsWith("range") || step.startsWith("dice")) {
                const int row = step.right(1).toInt();
                step[0] == 'r' ? contest.chooseRange(row) : contest.chooseDice(row);
            } else if (step == "winLeft" || step == "winRight") {
                act(step == "winLeft" ? "die +9 =59 @98 +9" : "die @3 -3");
            } else { // every tick draws the same sign and faces, until the roll ends or the ticks ran
                std::array<int, kDice> faces{1, 1, 1};
                const QStringList numbers = step.mid(1).section('/', 0, 0).split(',');
                for (int die = 0; die < numbers.size(); ++die) faces[std::size_t(die)] = numbers[die].toInt();
                const int ticks = step.contains('/') ? step.section('/', 1).toInt() : 10;
                random.values.clear();
                for (int tick = 0; tick < ticks; ++tick) {
                    random.values.push_back(step[0] == '-' ? 0.75 : 0.25);
                    for (int face : faces) random.values.push_back((face - 0.5) / 9);
                }
                for (ran = 0; ran < ticks && s().rollTimerOn;) {
                    ++ran;
                    // The window resets the contest once the winner is told.
                    if (contest.rollTick(random, clock) == Outcome::RollEnded &&
                        contest.nextTask(false) == Outcome::GameOver)
                        contest.resetGame();
                }
            }
        }
    }
    // What a child would see: the task's result ("none" without a game), the round, the arrow, the roll,
    // who answers, who won, the scores, whether the reward is due, the sign box's and the dice's colours.
    QString seen(const QString& what) const
    {
        const auto side = [](std::optional<Side> who) { return !who ? "none" : *who == Side::Left ? "left" : "right"; };
        if (what == "task") return s().gameStarted ? QString::number(s().taskResult) : "none";
        if (what == "round") return QString::number(s().round);
        if (what == "arrow") return QString::number(s().arrowValue);
        if (what == "roll") return QString("%1 ticks, %2").arg(ran).arg(s().rollTimerOn ? "rolls" : "still");
        if (what == "answers") return side(s().gameStarted ? std::optional(s().answeringSide()) : std::nullopt);
        if (what == "winner") return side(s().winnerSide);
        if (what == "scores") return QString("%1:%2").arg(s().scores[Side::Left]).arg(s().scores[Side::Right]);
        if (what == "reward") return answered == Outcome::RewardDue ? "due" : "not due";
        if (what == "sign") return s().signColor ? QString::number(*s().signColor) : "grey";
        QStringList dice;
        for (int die = 0; die < kDice; ++die)
            dice += QString("%1 on %2").arg(s().dieFace[std::size_t(die)]).arg(s().dieColor[std::size_t(die)]);
        return dice.join(", ");
    }
};

} // namespace

class ContestRulesTest : public QObject {
    Q_OBJECT
private slots:
    // What the rules decide after a few steps: each row one rule.
    void theRulesDecideTheGame_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("is");
        const auto row = [](const char* name, const char* steps, const char* what, const char* is) {
            QTest::newRow(name) << steps << what << is;
        };
        row("before the first die a confirmation counts nothing", "=50", "round", "1");
        row("before the first die a confirmation rolls nothing", "=50", "roll", "0 ticks, still");
        row("before the first die the arrow stays", "@80", "arrow", "50");
        row("the first die rolls ten ticks", "die +7", "roll", "10 ticks, still");
        row("the first task starts from the middle", "die +7", "task", "57");
        row("the left player answers first", "die +7", "answers", "left");
        row("the right player answers second", "die +7 solve", "answers", "right");
        row("a second die click leaves the roll alone", "die +1 =51 +1/4 die", "roll", "4 ticks, rolls");
        row("a second die click leaves the turn alone", "die +1 =51 +1/4 die", "answers", "left");
        row("a confirmation during a roll counts again", "die -7 =43 +1/6 =43", "round", "3");
        row("a confirmation during a roll restarts it", "die -7 =43 +1/6 =43 +2", "roll", "10 ticks, still");
        row("the second answer brings no reward", "range4 die +1 solve solve", "reward", "not due");
        row("the third answer brings the memory reward", "range4 die +1 solve solve solve", "reward", "due");
        row("the sixth answer brings it again", "range4 die +1 solve solve solve solve solve solve", "reward", "due");
        row("95 + 4 stays in range", "die @95 +4", "task", "99");
        row("95 + 5 reaches the top", "die @95 +5", "task", "none");
        row("5 - 4 stays in range", "die @5 -4", "task", "1");
        row("5 - 5 reaches the bottom", "die @5 -5", "task", "none");
        row("397 + 2 + 1 reaches the top", "dice1 range3 die @397 +2", "task", "none");
        row("the top is tested first, whatever the sign", "dice1 range3 die @400 -9", "task", "none");
        row("399 - 8 - 1 stays in range", "dice1 range3 die @399 -8", "task", "390");
        row("the last one to solve wins", "winLeft", "winner", "left");
        row("with none solved the second player wins", "winRight", "winner", "right");
        row("wins count over the run", "winLeft winRight", "scores", "1:1");
        row("no setting resets the scores", "winLeft range3 dice2", "scores", "1:0");
        row("a setting stops the roll", "die +9/3 range3", "roll", "3 ticks, still");
        row("a setting ends the game", "die +9 range3", "task", "none");
        row("a setting puts the arrow on the range's middle", "die +9/3 range3", "arrow", "350");
        row("a win keeps the round until the next answer", "winLeft", "round", "2");
        row("a win starts the next game at its first task", "winLeft die +1 solve", "round", "2");
        row("the sign box takes 15 - d of the last die", "dice1 die +4,2/2", "sign", "13");
        row("the roll's end greys the sign box", "die +4", "sign", "grey");
        row("a setting greys the sign box", "die +4/2 dice0", "sign", "grey");
        row("the dice take 16 - d", "dice2 die +2,5,9/3", "dice", "2 on 14, 5 on 11, 9 on 7");
        row("a reset empties the dice but keeps their colours", "dice2 die +2,5,9/3 range1", "dice",
            "0 on 14, 0 on 11, 0 on 7");
    }
    void theRulesDecideTheGame()
    {
        QFETCH(QString, steps);
        QFETCH(QString, what);
        Rules r;
        r.act(steps);
        QTEST(r.seen(what), "is");
    }
};

QTEST_GUILESS_MAIN(ContestRulesTest)
#include "test_contest_rules.moc"
