#include "app/options.h"
#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "players/playerwindow.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

#include <QLabel>
#include <QScreen>

#include <cmath>

using namespace platform;

// Zoom and full screen on a 4K screen: every window's controls at their design rectangles times the scale.
namespace {

using Open = std::function<QWidget*(Program&)>;
const QList<std::pair<const char*, Open>> kWindows = {
    {"main", [](Program& p) -> QWidget* { return &p.contestWindow(); }},
    {"memory", [](Program& p) -> QWidget* { return &p.memoryWindow(); }},
    {"catch", [](Program& p) -> QWidget* { return &p.catchWindow(); }},
    {"info", [](Program& p) -> QWidget* { return &p.infoWindow(); }},
    {"worksheet", [](Program& p) -> QWidget* { return &p.worksheetWindow(); }},
    {"players", [](Program& p) -> QWidget* { return &p.playerWindow(); }},
};

void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow(),
                    Qt::Key(key), modifiers);
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void startOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: starts
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("none") << QStringList{} << -1 << 100 << false;
        QTest::newRow("a step") << QStringList{"--zoom", "250"} << -1 << 250 << false;
        QTest::newRow("full screen") << QStringList{"--vollbild", "--zoom=150"} << -1 << 150 << true;
        QTest::newRow("no step") << QStringList{"--zoom", "130"} << 2 << 100 << false;
        QTest::newRow("no number") << QStringList{"--zoom", "gross"} << 2 << 100 << false;
        QTest::newRow("no value") << QStringList{"--zoom"} << 2 << 100 << false;
    }
    void startOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(int, zoom);
        QFETCH(bool, fullScreen);
        const StartOptions options = parseStartOptions(QStringList{"pelko-morvelt"} + arguments);
        QCOMPARE(options.exitCode.value_or(-1), exitCode);
        QCOMPARE(options.zoom, zoom);
        QCOMPARE(options.fullScreen, fullScreen);
    }

    // Within a pixel of its design rectangle times the scale, the full-screen margin added; its font in proportion,
    // and its text inside it.
    void everyControlAtItsScale_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("percent"); // 0: full screen
        QTest::addColumn<QSize>("screen");
        for (int w = 0; w < kWindows.size(); ++w) {
            for (int percent : {100, 150, 200, 300})
                QTest::addRow("%s %d %%", kWindows[w].first, percent) << w << percent << QSize();
            for (QSize screen : {QSize(1920, 1080), QSize(1024, 768)})
                QTest::addRow("%s full %dx%d", kWindows[w].first, screen.width(), screen.height()) << w << 0 << screen;
        }
    }
    void everyControlAtItsScale()
    {
        QFETCH(int, window);
        QFETCH(int, percent);
        QFETCH(QSize, screen);
        TestProgram t;
        QWidget* shown = kWindows[window].second(t.program);
        const QSize design = designSize(shown);
        for (QScreen* s : QGuiApplication::screens())
            if (s->size() == screen) shown->move(s->geometry().topLeft());
        shown->show();
        QHash<QLabel*, int> designWidths;
        for (QLabel* label : shown->findChildren<QLabel*>())
            designWidths[label] = label->fontMetrics().horizontalAdvance(label->text());
        applyZoom(shown, {percent, percent == 0});
        double factor = percent / 100.0;
        QPointF margin;
        if (percent == 0) {
            QVERIFY(QTest::qWaitFor([&] { return shown->size() == screen; }));
            factor = std::min(screen.width() * 15.0 / design.width(), screen.height() * 15.0 / design.height());
            margin =
                (QPointF(screen.width(), screen.height()) - QPointF(design.width(), design.height()) * factor / 15) / 2;
        } else {
            QCOMPARE(shown->size(), (QSizeF(design) * factor / 15).toSize());
        }
        int checked = 0;
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            const QRect twips = designRect(control);
            if (twips.isNull()) continue;
            ++checked;
            const QPointF offset = control->parentWidget() == shown ? margin : QPointF();
            const QRectF want(offset + QPointF(twips.topLeft()) * factor / 15, QSizeF(twips.size()) * factor / 15);
            const QRect got = control->geometry();
            const auto near = [](double a, int b) { return std::abs(a - b) <= 1.0; };
            QVERIFY2(near(want.x(), got.x()) && near(want.y(), got.y()) && near(want.width(), got.width()) &&
                         near(want.height(), got.height()),
                     qPrintable(control->objectName() + " stands off its place"));
            // A line's height holds more than its letters: only text of several lines is held to the label's height.
            if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
                const QFontMetrics metrics = label->fontMetrics();
                const QRect text = metrics.boundingRect(
                    label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                    label->text());
                QVERIFY2(std::abs(metrics.horizontalAdvance(label->text()) - designWidths[label] * factor) <=
                             0.1 * designWidths[label] * factor + 2,
                         qPrintable(control->objectName() + " writes out of proportion"));
                const int slack = int(std::ceil(2 * factor)); // two pixels of the design: a bold letter's overhang
                QVERIFY2(text.width() <= label->width() + slack &&
                             (text.height() <= metrics.lineSpacing() || text.height() <= label->height() + slack),
                         qPrintable(control->objectName() + " cuts its text " + label->text()));
            }
        }
        QVERIFY(checked > 5);
    }

    // Ctrl+Plus, Ctrl+Minus and Ctrl+0 step the window on screen and every window after it; the steps stop where the
    // screen ends. (Full screen needs a window manager: the end-to-end test has one.)
    void keysInEveryWindow()
    {
        TestProgram t;
        ContestWindow& main = t.program.contestWindow();
        main.move(QGuiApplication::screens()[1]->geometry().topLeft()); // a 1920 x 1080 board
        t.program.start({});
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const auto zoomAfter = [&](int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
            press(key, modifiers);
            return zoomOf(&main);
        };
        // 300 % would be 2073 pixels wide.
        QCOMPARE(QList<int>({zoomAfter(Qt::Key_Plus), zoomAfter(Qt::Key_Equal),
                             zoomAfter(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier), zoomAfter(Qt::Key_Plus),
                             zoomAfter(Qt::Key_Plus), zoomAfter(Qt::Key_Plus), zoomAfter(Qt::Key_Minus),
                             zoomAfter(Qt::Key_Plus, Qt::ShiftModifier)}),
                 QList<int>({125, 150, 175, 200, 250, 250, 200, 200}));
        QCOMPARE(main.size(), QSize(1382, 858));
        click(&main, "Bild25");
        InfoWindow& info = t.program.infoWindow();
        QCOMPARE(info.size(), QSize(468, 534));
        press(Qt::Key_0);
        QCOMPARE(info.size(), QSize(234, 267));
    }
};

QTEST_MAIN(ZoomTest)
#include "test_zoom.moc"
