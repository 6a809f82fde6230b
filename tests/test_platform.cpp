#include "assets/artwork.h"
#include "platform/controls.h"
#include "support/fakes.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace platform;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    // Unseeded generators start apart, so the first worksheet of a run is not the same every day.
    void randomNumbersStartApart() { QVERIFY(platform::StdRandom().Rnd() != platform::StdRandom().Rnd()); }

    // The real box: German buttons, No preselected where asked, line breaks, Esc for No, and timers that tick
    // meanwhile. Boxes with OK alone are read in the end-to-end tests.
    void messageBoxesSpeakGermanAndLetTimersTick()
    {
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(5);
        for (const auto& [message, seen, answer] :
             {std::tuple{Message{"Willst du?\r\r", "Frage", MsgButtons::YesNo, MsgIcon::Question, true},
                         "Willst du?\n\n|Frage|4|Ja,Nein|Nein", MsgResult::No},
              {Message{"Ende?", "Frage", MsgButtons::YesNo, MsgIcon::Critical}, "Ende?|Frage|3|Ja,Nein|Ja",
               MsgResult::No}}) {
            QString shown;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QStringList buttons;
                for (QAbstractButton* button : box->buttons()) buttons.append(button->text());
                buttons.sort();
                shown = QStringList{box->text(), box->windowTitle(), QString::number(box->icon()), buttons.join(','),
                                    box->defaultButton()->text()}
                            .join('|');
                const int start = ticks;
                if (!QTest::qWaitFor([&] { return ticks >= start + 3; }, 2000)) shown += "|timers stood still";
                QTest::keyClick(box, Qt::Key_Escape);
            });
            QCOMPARE(QtDialogs().show(nullptr, message), answer);
            QCOMPARE(shown, seen);
        }
    }

    // Face n shows n pips, symmetric about the centre.
    void diceFacesShowTheirNumber()
    {
        for (int face = 1; face <= 9; ++face) {
            int pips = 0;
            for (int place = 0; place < 9; ++place) {
                pips += artwork::hasPip(face, place);
                QCOMPARE(artwork::hasPip(face, place), artwork::hasPip(face, 8 - place));
            }
            QCOMPARE(pips, face);
        }
        QVERIFY(!(artwork::icon("plus") == artwork::icon("plus"))); // the tests tell pictures apart by identity
    }

    // Press and release of the left button over the same control, nothing else, is a click.
    void onlyALeftClickOverTheControlClicks()
    {
        QWidget window;
        QString clicks; // per control, one digit per row
        for (QWidget* control : {static_cast<QWidget*>(new Label("Bezeichnung1", &window, QRect(0, 0, 1500, 1500))),
                                 static_cast<QWidget*>(new PictureBox("Bild1", &window, QRect(1500, 0, 1500, 1500)))}) {
            QSignalSpy spy(control, SIGNAL(clicked()));
            for (auto [press, release, x] : {std::tuple{Qt::LeftButton, Qt::LeftButton, 50},
                                             {Qt::RightButton, Qt::RightButton, 50},
                                             {Qt::MiddleButton, Qt::MiddleButton, 50},
                                             {Qt::LeftButton, Qt::LeftButton, 150},
                                             {Qt::RightButton, Qt::LeftButton, 50}}) {
                QTest::mousePress(control, press, {}, QPoint(50, 50));
                QTest::mouseRelease(control, release, {}, QPoint(x, 50));
                clicks += QString::number(spy.count());
                spy.clear();
            }
        }
        QCOMPARE(clicks, "1000010000");
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
