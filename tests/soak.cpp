// A child let loose on the whole program: from a seed, random clicks, keys, ticks, title-bar closes,
// drags, typing and answers to message boxes, with the program's invariants checked after every event.
// A broken invariant or a crash prints the seed and the last events; the same seed replays them exactly.
//   soak [--events N] [--seed S]... (default: seeds 1 2 3, 2000 events each)
#include "contest/contestwindow.h"
#include "platform/controls.h"
#include "platform/picturedrag.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using platform::Label;
using platform::MsgResult;

namespace {

std::deque<QByteArray> recent; // the last events, for the failure report
quint64 currentSeed = 0;
qint64 eventCount = 0;

void report(const char* what)
{
    std::fprintf(stderr, "SOAK FAILED, seed %llu, event %lld: %s\nLast events:\n", currentSeed, eventCount, what);
    for (const QByteArray& line : recent) std::fprintf(stderr, "  %s\n", line.constData());
    std::fprintf(stderr, "Replay: make soak SEED=%llu EVENTS=%lld\n", currentSeed, eventCount);
}

void onFatalSignal(int signal)
{
    report(signal == SIGABRT ? "abort" : "crash");
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

template <typename T> QList<T*> programWindows()
{
    QList<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(w)) found.append(window);
    return found;
}

template <typename T> T* shownWindow()
{
    for (T* w : programWindows<T>())
        if (w->isVisible()) return w;
    return nullptr;
}

// The printer and the clipboard fail now and then, as a real one may.
struct SoakPrinter final : platform::LinePrinter {
    explicit SoakPrinter(std::mt19937_64& rng) : rng(rng) {}
    platform::PrintResult endDoc() override { return takeLines(), platform::PrintResult(rng() % 3); }
    std::mt19937_64& rng;
};

struct SoakClipboard final : platform::Clipboard {
    explicit SoakClipboard(std::mt19937_64& rng) : rng(rng) {}
    bool setText(const QString&) override { return rng() % 4 != 0; }
    std::mt19937_64& rng;
};

// The child, and the program's message boxes: each is answered at random, OK, Yes or No, and now and
// then left open while the timers tick.
class Soak final : public platform::Dialogs {
public:
    explicit Soak(quint64 seed) : rng_(seed) { random_.seed(double(seed)); }
    bool run(qint64 events);
    platform::MsgResult show(QWidget* parent, const platform::Message& message) override;
    QMap<QString, int> seen; // events on each window, won games: what the run reached

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>()(rng_) < p; }
    void note(const QString& line);
    void restart();
    void step();
    void click(QWidget* window, bool twice);
    void key(QWidget* window);
    void type(QWidget* window);
    void drag(QWidget* window);
    void tick();
    void skilled(QWidget* window);
    QString broken();
    QString contestBroken();
    QString memoryBroken();
    QString catchBroken();
    QString sheetBroken();
    QString labelsBroken(QWidget* window);

    std::mt19937_64 rng_;
    platform::StdRandom random_;
    FixedClock clock_;
    SoakPrinter printer_{rng_};
    SoakClipboard clipboard_{rng_};
    std::unique_ptr<Program> program_;
    bool ended_ = false;
    int boxDepth_ = 0;
    int wins_ = 0;
    std::array<int, 2> scores_{};
    bool pageSheet_ = false; // the sheet came from the new-sheet or dice button
    QHash<QString, bool> fits_;
    QHash<QString, QRect> nameGeometry_;
};

// Posted events only: timers never fire by themselves, so a run depends on its seed alone.
void flush()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Soak::note(const QString& line)
{
    recent.push_back((QByteArray(boxDepth_ * 2, ' ') + line.toUtf8()).left(200));
    if (recent.size() > 50) recent.pop_front();
}

MsgResult Soak::show(QWidget* parent, const platform::Message& message)
{
    note(QStringLiteral("box \"%1\" over %2").arg(message.title, parent ? parent->objectName() : "-"));
    ++boxDepth_;
    // A modal box lets only the timers through; a child may leave it open for a while.
    if (boxDepth_ < 4 && chance(program_->form1().rollTimer().isActive() ? 0.6 : 0.3)) {
        for (int n = 1 + pick(15); n > 0; --n) tick();
    }
    --boxDepth_;
    const MsgResult result = message.buttons == platform::MsgButtons::Ok ? MsgResult::Ok
                             : chance(0.35)                              ? MsgResult::Yes
                                                                         : MsgResult::No;
    note(QStringLiteral("answer %1").arg(QStringList{"OK", "Ja", "Nein"}[int(result)]));
    return result;
}

void Soak::restart()
{
    program_.reset();
    flush();
    ended_ = false;
    wins_ = 0;
    scores_ = {};
    fits_.clear();
    program_ = std::make_unique<Program>(
        platform::Services{*this, random_, clock_, printer_, clipboard_, [this] { ended_ = true; }});
    QObject::connect(&program_->form1(), &ContestWindow::gameWon, [this] { ++wins_, ++seen["won games"]; });
    program_->form1().show();
    flush();
    nameGeometry_.clear();
    for (const char* name : {"Bezeichnung1", "Bezeichnung2"})
        nameGeometry_[name] = control(&program_->form1(), name)->geometry();
}

bool Soak::run(qint64 events)
{
    recent.clear();
    restart();
    for (eventCount = 1; eventCount <= events; ++eventCount) {
        clock_.seconds += 0.01 * (1 + pick(100));
        step();
        flush();
        // Painting runs only when asked for: now and then the window on screen is drawn.
        if (eventCount % 25 == 0)
            if (QWidget* shown = shownWindow<QWidget>()) shown->grab();
        if (ended_) {
            note(QStringLiteral("the program ended; a new one starts"));
            if (QWidget* w = QApplication::activeModalWidget()) note("still open: " + w->objectName());
            restart();
        }
        if (const QString fault = broken(); !fault.isEmpty()) {
            report(fault.toUtf8().constData());
            return false;
        }
    }
    return true;
}

void Soak::step()
{
    QWidget* window = shownWindow<QWidget>();
    ++seen[window->objectName()];
    // A third of the time the child plays along; otherwise anything goes.
    if (chance(0.35)) return skilled(window);
    const int kind = pick(100);
    if (kind < 40)
        click(window, false);
    else if (kind < 46)
        click(window, true);
    else if (kind < 72)
        key(window);
    else if (kind < 88)
        tick();
    else if (kind < 93)
        type(window);
    else if (kind < 99)
        drag(window);
    else if (chance(0.5))
        key(window);
    else {
        note("title-bar close of " + window->objectName());
        window->close();
    }
}

// A point anywhere on a control, or on the window; the widget under it gets the click.
void Soak::click(QWidget* window, bool twice)
{
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.removeIf([window](QWidget* c) {
        return !c->isVisibleTo(window) || !window->rect().intersects(QRect(c->mapTo(window, QPoint()), c->size()));
    });
    QWidget* aim = controls.isEmpty() || chance(0.1) ? window : controls[pick(int(controls.size()))];
    const QPoint at = aim->mapTo(window, QPoint(pick(aim->width()), pick(aim->height())));
    if (!window->rect().contains(at)) return click(window, twice);
    QPointer<QWidget> target = window->childAt(at);
    if (!target) target = window;
    const QPoint local = target->mapFrom(window, at);
    note(QStringLiteral("%1 %2/%3 at %4,%5")
             .arg(twice ? "double-click" : "click", window->objectName(),
                  target->objectName().isEmpty() ? target->parent()->objectName() : target->objectName())
             .arg(local.x())
             .arg(local.y()));
    if (window->objectName() == "Form3" && target->objectName().contains(QRegularExpression("^Bild[234]$")))
        pageSheet_ = target->objectName() != "Bild4";
    QTest::mouseClick(target, Qt::LeftButton, {}, local);
    if (!twice || !target) return; // the first click may have taken the control away
    // Qt's double-click: a second press, the double-click itself and a release.
    QTest::mousePress(target, Qt::LeftButton, {}, local);
    QTest::mouseDClick(target, Qt::LeftButton, {}, local);
    QTest::mouseRelease(target, Qt::LeftButton, {}, local);
}

void Soak::key(QWidget* window)
{
    static const std::array keys{Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,  Qt::Key_Down,      Qt::Key_Return,
                                 Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space,     Qt::Key_A,
                                 Qt::Key_Z,     Qt::Key_5,      Qt::Key_0,   Qt::Key_Backspace, Qt::Key_PageUp};
    const Qt::Key key = keys[std::size_t(pick(int(keys.size())))];
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    note(QStringLiteral("key %1 on %2/%3")
             .arg(QKeySequence(key).toString(), window->objectName(), target->objectName()));
    QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

void Soak::type(QWidget* window)
{
    static const QStringList texts{QStringLiteral("Mia"),
                                   QStringLiteral("מרים"),
                                   QStringLiteral("سارة und Ben"),
                                   QStringLiteral("Ölçü-Übermütig"),
                                   QString(3000, u'W'),
                                   QStringLiteral("אבגדהוזחטיכלמנסעפצקרשת").repeated(40)};
    const QString text = texts[pick(int(texts.size()))];
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    note(QStringLiteral("type %1 chars on %2/%3").arg(text.size()).arg(window->objectName(), target->objectName()));
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text, Qt::NoModifier);
}

// A gallery picture dragged onto any point of the window, or a drag of something else from there.
void Soak::drag(QWidget* window)
{
    QList<platform::PictureBox*> sources = window->findChildren<platform::PictureBox*>();
    sources.removeIf([](platform::PictureBox* box) { return !box->property("pelkoDraggable").toBool(); });
    if (sources.isEmpty()) return click(window, false);
    platform::PictureBox* source = sources[pick(int(sources.size()))];
    const QPoint at(pick(window->width()), pick(window->height()));
    QWidget* target = window->childAt(at) ? window->childAt(at) : window;
    note(QStringLiteral("drag %1 to %2").arg(source->objectName(), target->objectName()));
    const platform::PictureDragData data(*source);
    const QPoint local = target->mapFrom(window, at);
    QDragEnterEvent enter(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return;
    QDropEvent drop(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// One tick of a running timer: the roll's or the catching game's clock.
void Soak::tick()
{
    ContestWindow& main = program_->form1();
    CatchWindow* fang = programWindows<CatchWindow>().value(0);
    auto* clock = fang ? fang->findChild<QTimer*>("Zeit1") : nullptr;
    const bool roll = main.rollTimer().isActive();
    const bool catching = clock && clock->isActive();
    if (roll && (!catching || chance(0.5))) {
        note("tick of the roll");
        main.Zeit1_Timer();
    } else if (catching) {
        note("tick of the catching clock");
        fang->Zeit1_Timer();
    }
}

// What a child who plays along does: the right answer, a step towards the next digit, a memory field.
void Soak::skilled(QWidget* window)
{
    if (auto* main = qobject_cast<ContestWindow*>(window)) {
        const ContestState& s = main->contest().state();
        if (main->rollTimer().isActive()) return tick(); // waiting for the dice
        if (!s.gameStarted) return click(window, false);
        note(QStringLiteral("answer %1 and Enter").arg(s.taskResult));
        main->slider()->setValue(s.taskResult - s.rangeBase);
        QTest::keyClick(main->slider(), Qt::Key_Return);
    } else if (auto* fang = qobject_cast<CatchWindow*>(window)) {
        const CatchGame& g = fang->game();
        if (g.phase() != CatchPhase::Running) return click(window, false);
        const int dc = g.nextDigitCol() - g.catcherCol();
        const int dr = g.nextDigitRow() - g.catcherRow();
        const Qt::Key key = dc > 0 ? Qt::Key_Right : dc < 0 ? Qt::Key_Left : dr > 0 ? Qt::Key_Down : Qt::Key_Up;
        note(QStringLiteral("catch towards %1,%2").arg(g.nextDigitCol()).arg(g.nextDigitRow()));
        QTest::keyClick(fang->focusWidget() ? fang->focusWidget() : fang, key);
    } else if (auto* memo = qobject_cast<MemoryWindow*>(window)) {
        // A field not yet found; half the time the partner of the one open, as a child who remembers.
        const MemoryBoard& b = memo->board();
        QList<int> fields;
        int partner = 0;
        for (int k = 1; k <= MemoryBoard::kFields; ++k) {
            if (b.dealt() && b.found(k)) continue;
            fields.append(k);
            if (b.dealt() && b.firstField() && k != b.firstField() && b.digit(k) == b.digit(b.firstField()))
                partner = k;
        }
        const int field = partner && chance(0.5) ? partner : fields[pick(int(fields.size()))];
        note(QStringLiteral("memory field %1").arg(field));
        QTest::mouseClick(control(memo, QByteArray("Bezeichnung" + QByteArray::number(field)).constData()),
                          Qt::LeftButton);
    } else {
        click(window, false);
    }
}

QString Soak::broken()
{
    QStringList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) shown += w->objectName();
    if (shown.size() != 1) return "windows on screen: " + shown.join(' ');
    for (const QString& fault : {contestBroken(), memoryBroken(), catchBroken(), sheetBroken()})
        if (!fault.isEmpty()) return fault;
    return labelsBroken(shownWindow<QWidget>());
}

QString Soak::contestBroken()
{
    ContestWindow& main = program_->form1();
    const ContestState& s = main.contest().state();
    const int wins = std::exchange(wins_, 0);
    const int risen = s.scores[0] + s.scores[1] - scores_[0] - scores_[1];
    if (s.scores[0] < scores_[0] || s.scores[1] < scores_[1] || risen != wins)
        return QStringLiteral("scores %1:%2 after %3:%4 and %5 won games")
            .arg(s.scores[0])
            .arg(s.scores[1])
            .arg(scores_[0])
            .arg(scores_[1])
            .arg(wins);
    scores_ = s.scores;
    // After a game's end the title keeps the last round until the next correct answer.
    const QString title = main.windowTitle();
    if (s.taskCount > 0 && title != QStringLiteral("Pelko-Morvelt (Runde %1)").arg(s.taskCount + 1))
        return QStringLiteral("title \"%1\" with %2 tasks done").arg(title).arg(s.taskCount);
    if (!s.gameStarted) return {};
    if (!main.rollTimer().isActive() && !(s.rangeBase < s.taskResult && s.taskResult < s.rangeBase + 100))
        return QStringLiteral("task result %1 outside %2 - %3")
            .arg(s.taskResult)
            .arg(s.rangeBase)
            .arg(s.rangeBase + 100);
    if (caption(&main, "Bezeichnung3").toInt() != s.rangeBase + main.slider()->value())
        return QStringLiteral("arrow number %1, slider %2")
            .arg(caption(&main, "Bezeichnung3"))
            .arg(main.slider()->value());
    return {};
}

QString Soak::memoryBroken()
{
    MemoryWindow* memo = programWindows<MemoryWindow>().value(0);
    if (!memo) return {};
    const MemoryBoard& b = memo->board();
    std::array<int, 10> under{};
    int open = 0;
    for (int k = 1; k <= MemoryBoard::kFields; ++k) {
        const FieldLook& look = b.field(k);
        if (b.dealt() && b.found(k) && (look.back != QColor(Qt::white) || !look.faceUp))
            return QStringLiteral("found memory field %1 not white and open").arg(k);
        open += look.faceUp && !(b.dealt() && b.found(k));
        ++under[std::size_t(b.digit(k))];
        auto* field = control<Label>(memo, QByteArray("Bezeichnung" + QByteArray::number(k)).constData());
        const QString shows = look.faceUp ? QStringLiteral(" %1").arg(b.digit(k)) : QString();
        if (field->caption() != shows || field->backColor() != look.back)
            return QStringLiteral("memory field %1 shows \"%2\", the board \"%3\"").arg(k).arg(field->caption(), shows);
    }
    if (open > 2) return QStringLiteral("%1 unmatched memory fields face up").arg(open);
    for (int d = 1; b.everDealt() && d <= 9; ++d)
        if (under[std::size_t(d)] != 2)
            return QStringLiteral("digit %1 under %2 memory fields").arg(d).arg(under[std::size_t(d)]);
    return {};
}

QString Soak::catchBroken()
{
    CatchWindow* fang = shownWindow<CatchWindow>();
    if (!fang) return {};
    const CatchGame& g = fang->game();
    if (caption(fang, "Bezeichnung4") + caption(fang, "Bezeichnung3") + caption(fang, "Bezeichnung5") != "0123456789")
        return "caught, next and remaining digits: " + caption(fang, "Bezeichnung4") + "|" +
               caption(fang, "Bezeichnung3") + "|" + caption(fang, "Bezeichnung5");
    QSet<QPair<int, int>> cells;
    for (const PrintedDigit& d : g.field()) {
        if (cells.contains({d.col, d.row})) return QStringLiteral("two digits in cell %1,%2").arg(d.col).arg(d.row);
        cells.insert({d.col, d.row});
    }
    if (g.phase() != CatchPhase::Running && g.phase() != CatchPhase::Won) return {};
    const QWidget* catcher = control(fang, "Bezeichnung8");
    if (g.catcherCol() < 0 || g.catcherCol() > kLastCatcherCol || g.catcherRow() < 0 || g.catcherRow() >= kFieldRows ||
        !catcher->isVisible() || !control(fang, "Bild5")->rect().contains(catcher->geometry()))
        return QStringLiteral("catcher at %1,%2, %3")
            .arg(g.catcherCol())
            .arg(g.catcherRow())
            .arg(catcher->isVisible() ? "shown" : "hidden");
    return {};
}

QString Soak::sheetBroken()
{
    WorksheetWindow* sheet = shownWindow<WorksheetWindow>();
    if (!sheet) {
        pageSheet_ = false; // the next showing draws a whole chain
        return {};
    }
    auto* tasks = control<QListWidget>(sheet, "Liste1");
    auto* solutions = control<QListWidget>(sheet, "Liste2");
    const int base = program_->sheetSettings.sheetRangeBase;
    const qsizetype width = worksheets::solutionLine(base, base, '+', 1, base).size();
    if (tasks->count() != solutions->count())
        return QStringLiteral("%1 tasks, %2 solutions").arg(tasks->count()).arg(solutions->count());
    for (QListWidget* list : {tasks, solutions})
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().size() != width) return "worksheet line \"" + list->item(i)->text() + "\"";
    if (caption(sheet, "Bezeichnung2") != worksheets::countCaption(tasks->count()))
        return QStringLiteral("%1 lines counted \"%2\"").arg(tasks->count()).arg(caption(sheet, "Bezeichnung2"));
    if (pageSheet_ && tasks->count() > worksheets::kPageLines)
        return QStringLiteral("a page sheet of %1 tasks").arg(tasks->count());
    return {};
}

// Every caption fits its label; a name label may cut its name but stays where it was designed.
QString Soak::labelsBroken(QWidget* window)
{
    if (!window) return {};
    for (Label* label : window->findChildren<Label*>()) {
        // The catcher is a block of colour: its caption is never seen.
        if (!label->isVisibleTo(window) || label->foreColor() == label->backColor()) continue;
        const bool name = window == &program_->form1() && nameGeometry_.contains(label->objectName());
        if (name) {
            if (label->geometry() != nameGeometry_[label->objectName()]) return label->objectName() + " moved";
            continue;
        }
        const QRect box = label->contentsRect();
        const QString key = label->text() + QString::number(box.width()) + label->font().toString();
        auto known = fits_.find(key);
        if (known == fits_.end()) {
            // The layout counts the font's widest overhangs on both sides; a glyph may reach into them.
            const QFontMetrics metrics = label->fontMetrics();
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QSize need = metrics.boundingRect(box, flags, label->text()).size();
            known = fits_.insert(key, need.height() <= box.height() + 1 &&
                                          need.width() <=
                                              box.width() + 1 - metrics.minLeftBearing() - metrics.minRightBearing());
        }
        if (!*known)
            return QStringLiteral("%1/%2 cannot show \"%3\"")
                .arg(window->objectName(), label->objectName(), label->text().left(60));
    }
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    // The offscreen platform says at every window switch that it cannot raise a window.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.startsWith("This plugin does not support")) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QList<quint64> seeds;
    qint64 events = 2000;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--seed")
            seeds += args[++i].toULongLong();
        else if (args[i] == "--events")
            events = args[++i].toLongLong();
    }
    if (seeds.isEmpty()) seeds = {1, 2, 3};
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS}) std::signal(signal, onFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback([] { report("sanitizer report"); });
#endif
    QElapsedTimer clock;
    clock.start();
    for (quint64 seed : seeds) {
        currentSeed = seed;
        Soak soak(seed);
        if (!soak.run(events)) return 1;
        QStringList seen;
        for (auto [what, count] : soak.seen.asKeyValueRange()) seen += QStringLiteral("%1 %2").arg(what).arg(count);
        std::printf("seed %llu: %lld events, no fault (%.1f s so far); %s\n", seed, events, clock.elapsed() / 1000.0,
                    qPrintable(seen.join(", ")));
        std::fflush(stdout);
    }
    return 0;
}
