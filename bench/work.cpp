// Times single steps of the real windows on fakes, each as a child or the clock sets it off, including the
// repaint it causes: prints "STEP MEDIAN_MS SAMPLES" a line each. The time is the thread's CPU time, so that
// other processes on a busy machine do not count.
#include "contest/contestwindow.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

std::vector<double> samples;

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Runs the step, lets the window repaint what it changed, and keeps the time taken.
template <typename Step> void timed(Step step)
{
    const double start = cpuMs();
    step();
    QCoreApplication::processEvents();
    samples.push_back(cpuMs() - start);
}

void report(const char* step)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%s %.3f %zu\n", step, samples[samples.size() / 2], samples.size());
    samples.clear();
}

// Lets a window just shown lay itself out and paint once before its steps are timed.
void paintOnce()
{
    QCoreApplication::processEvents();
    QTest::qWait(50);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    TestProgram t;
    Program& program = t.program;
    ContestWindow& form1 = program.contestWindow();
    form1.show();
    paintOnce();

    // Rolls and confirmations: each roll's ten ticks, then the right answer confirmed. The clock's own
    // firing is kept out, so that every tick is one of ours.
    std::vector<double> confirmations;
    click(&form1, "Bild13");
    for (int round = 0; round < 40; ++round) {
        for (QWidget* reward :
             {static_cast<QWidget*>(&program.memoryWindow()), static_cast<QWidget*>(&program.catchWindow())})
            if (reward->isVisible()) platform::switchWindow(reward, &form1);
        while (form1.rollTimer().isActive()) {
            control<QTimer>(&form1, "Zeit1")->stop();
            timed([&] { form1.rollTick(); });
        }
        const ContestState& state = form1.contest().state();
        sliderOf(&form1)->setValue(state.taskResult - state.rangeBase);
        std::swap(samples, confirmations);
        timed([&] { click(&form1, "Bezeichnung3"); });
        std::swap(samples, confirmations);
    }
    report("roll_tick");
    std::swap(samples, confirmations);
    report("confirmation");

    // Zoom: Ctrl+Plus and Ctrl+Minus in turn on the main window, between 100 and 125 %, each until repainted.
    for (int i = 0; i < 60; ++i)
        timed([&] { QTest::keyClick(&form1, i % 2 ? Qt::Key_Minus : Qt::Key_Plus, Qt::ControlModifier); });
    report("zoom_step");

    // Memory: every field clicked in turn, the game dealt afresh whenever it ends.
    MemoryWindow& memo = program.memoryWindow();
    for (int i = 0; i < 180; ++i) {
        if (!memo.isVisible()) platform::switchWindow(&form1, &memo);
        const int field = 1 + (i * 7) % 18;
        timed([&] { click(&memo, QByteArray("Bezeichnung" + QByteArray::number(field)).constData()); });
    }
    report("memory_click");
    platform::switchWindow(&memo, &form1);

    // The catching game: the catcher jumps right and back along its row while the clock runs.
    CatchWindow& fang = program.catchWindow();
    platform::switchWindow(&form1, &fang);
    paintOnce();
    click(&fang, "Bild5");
    for (int i = 0; i < 200; ++i) {
        if (!fang.game().clockOn()) click(&fang, "Bild5");
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &fang;
        timed([&] { QTest::keyClick(focus, i % 2 ? Qt::Key_Left : Qt::Key_Right); });
    }
    report("catch_jump");
    platform::switchWindow(&fang, &form1);

    // New worksheets, each drawn until the page is full or the chain ends.
    WorksheetWindow& form3 = program.worksheetWindow();
    platform::switchWindow(&form1, &form3);
    paintOnce();
    int tasks = 0;
    for (int i = 0; i < 60; ++i) {
        timed([&] { click(&form3, "Bild2"); });
        tasks = std::max(tasks, static_cast<int>(control<QListWidget>(&form3, "Liste1")->count()));
    }
    report("new_sheet");
    std::printf("sheet_tasks %d\n", tasks);
    return 0;
}
