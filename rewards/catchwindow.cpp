#include "catchwindow.h"

#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/design.h"
#include "platform/numbertext.h"
#include "platform/scale.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

using platform::ControlSpec;
using platform::designFont;
using platform::kFrameGrey;
using platform::kNavy;
using platform::kRed;
using platform::kSansSerif;
using platform::Label;
using platform::PictureBox;
using Kind = platform::ControlSpec::Kind;

namespace {

enum Role { Exit, Help, Seconds, Period, Slider, Field, Catcher, Caught, Next, Rest };

// The top row's captions stand on the white frames and let them show through: the seconds
// and their unit overlap by a pixel, and an opaque unit would cut off the last digit.
ControlSpec topLabel(int role, const char* name, QRect twips, const QString& caption, Qt::Alignment align)
{
    return {.role = role, .name = name, .twips = twips, .align = align | Qt::AlignTop, .caption = caption};
}

ControlSpec bottomLabel(int role, const char* name, QRect twips, const QColor& fore, const QColor& back,
                        Qt::Alignment align)
{
    return {.role = role,
            .name = name,
            .twips = twips,
            .font = {kSansSerif, 18},
            .back = back,
            .fore = fore,
            .align = align | Qt::AlignTop,
            .look = platform::look::kSunken};
}

ControlSpec frame(const char* name, QRect twips)
{
    return {.kind = Kind::Frame, .name = name, .twips = twips, .back = Qt::white, .fore = kFrameGrey, .lineWidth = 2};
}

ControlSpec iconButton(int role, const char* name, int left, const char* iconName, const QString& tip)
{
    return {.kind = Kind::Button,
            .role = role,
            .name = name,
            .twips = {left, 120, 495, 495},
            .back = kNavy,
            .spoken = tip,
            .picture = artwork::icon(iconName)};
}

platform::Design design()
{
    // The system's window colours, as a text field of the desktop shows them.
    const QPalette system = QApplication::palette();
    return {
        // Frames first: what is built later stacks above them.
        frame("Figur3", {720, 120, 1215, 495}),
        frame("Figur1", {1920, 120, 4215, 495}),
        frame("Figur2", {6120, 120, 495, 495}),
        iconButton(Exit, "Bild1", 120, "exit", QStringLiteral("Spiel beenden")),
        iconButton(Help, "Bild2", 6720, "help", QStringLiteral("Hilfe")),
        topLabel(Seconds, "Bezeichnung6", {840, 240, 495, 255}, QStringLiteral("0"), Qt::AlignRight),
        topLabel(ControlSpec::kDecoration, "Bezeichnung7", {1320, 240, 495, 255}, QStringLiteral(" Sek"),
                 Qt::AlignHCenter),
        topLabel(ControlSpec::kDecoration, "Bezeichnung1", {2040, 240, 735, 255}, QStringLiteral("schnell"),
                 Qt::AlignRight),
        topLabel(ControlSpec::kDecoration, "Bezeichnung2", {5160, 240, 855, 255}, QStringLiteral("langsam"),
                 Qt::AlignLeft),
        topLabel(Period, "Bezeichnung9", {6240, 240, 255, 255}, QStringLiteral("10"), Qt::AlignRight),
        {.kind = Kind::Slider,
         .role = Slider,
         .name = "HBildlauf1",
         .twips = {2880, 240, 2175, 255},
         .spoken = QStringLiteral("Geschwindigkeit")},
        {.kind = Kind::Picture,
         .role = Field,
         .name = "Bild5",
         .twips = {120, 720, 7095, 4575},
         .font = {kSansSerif, 18},
         .back = system.color(QPalette::Base),
         .fore = system.color(QPalette::Text),
         .spoken = QStringLiteral("Spielfeld")},
        {.role = Catcher,
         .name = "Bezeichnung8",
         .twips = {0, 0, 255, 375},
         .font = {kSansSerif, 18},
         .back = kRed,
         .fore = kRed,
         .align = Qt::AlignHCenter | Qt::AlignTop,
         .look = platform::look::kHidden,
         .caption = QStringLiteral("+"),
         .inside = Field},
        bottomLabel(Caught, "Bezeichnung4", {120, 5400, 3375, 495}, QColor(0, 192, 0), QColor(192, 255, 192),
                    Qt::AlignRight),
        bottomLabel(Next, "Bezeichnung3", {3480, 5400, 495, 495}, kRed, QColor(255, 192, 192), Qt::AlignHCenter),
        bottomLabel(Rest, "Bezeichnung5", {3960, 5400, 3255, 495}, platform::kBlue, QColor(192, 255, 255),
                    Qt::AlignLeft),
    };
}

} // namespace

CatchWindow::CatchWindow(platform::Services& services) : services_(services), game_(services.random)
{
    platform::setupFixedWindow(this, QStringLiteral("fang"), QStringLiteral("Zahlenfange"), 7350, 6015, kNavy);
    platform::setDesignFont(this, designFont(kSansSerif, 8.25));

    const platform::Controls controls = platform::buildControls(this, design());
    seconds_ = controls.at<Label>(Seconds);
    slider_ = controls.at<QScrollBar>(Slider);
    period_ = controls.at<Label>(Period);
    field_ = controls.at<PictureBox>(Field);
    catcher_ = controls.at<Label>(Catcher);
    caught_ = controls.at<Label>(Caught);
    next_ = controls.at<Label>(Next);
    rest_ = controls.at<Label>(Rest);
    connect(controls.at<PictureBox>(Exit), &PictureBox::clicked, this, &CatchWindow::exitClick);
    connect(controls.at<PictureBox>(Help), &PictureBox::clicked, this, &CatchWindow::helpClick);

    slider_->setRange(3, 15);
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    slider_->setValue(10);
    // Tracking is on, so dragging the thumb reports each value as it passes.
    connect(slider_, &QScrollBar::valueChanged, this, &CatchWindow::speedChange);

    field_->setFocusPolicy(Qt::StrongFocus);
    connect(field_, &PictureBox::clicked, this, &CatchWindow::startOrScatter);
    // Boards in class have no arrow keys: a swipe steers. It may well start on the catcher.
    for (QWidget* swiped : {static_cast<QWidget*>(field_), static_cast<QWidget*>(catcher_)})
        platform::takeStrokes(swiped, [this](QPoint from, QPoint to) { return swipe(from, to); });

    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("Zeit1"));
    clock_->setInterval(1000);
    // The seconds are counted aloud by the children: a coarse timer would run up to 5 % fast.
    clock_->setTimerType(Qt::PreciseTimer);
    connect(clock_, &QTimer::timeout, this, &CatchWindow::clockTick);

    new platform::KeyPreview(this, [this](int key) { return keyDown(key); });

    load();
}

void CatchWindow::render()
{
    seconds_->setCaption(platform::plainNumber(game_.seconds()));
    caught_->setCaption(game_.caughtCaption());
    next_->setCaption(game_.nextCaption());
    rest_->setCaption(game_.restCaption());
    printField();
    platform::placeAt(catcher_, QRect(QPoint(game_.catcherCol() * kCellTwips, game_.catcherRow() * kCellTwips),
                                      platform::designRect(catcher_).size()));
    catcher_->setVisible(game_.catcherShown());
    platform::keepRunning(*clock_, game_.clockOn());
}

void CatchWindow::printField()
{
    field_->clearText();
    if (game_.startTextShown()) {
        const int lineTwips = platform::scaleOf(field_).twipsOf(field_->fontMetrics().lineSpacing());
        const QStringList lines = startTextLines();
        for (int line = 0; line < lines.size(); ++line) {
            if (!lines[line].isEmpty()) field_->printAt(QPoint(0, line * lineTwips), lines[line]);
        }
    }
    for (const PrintedDigit& digit : game_.field())
        field_->printAt(QPoint(digit.col * kCellTwips, digit.row * kCellTwips), digit.digit);
}

void CatchWindow::load() { platform::centreOnScreen(this); }

void CatchWindow::activate()
{
    game_.activate();
    render();
    field_->setFocus(Qt::OtherFocusReason);
}

bool CatchWindow::keyDown(int key)
{
    switch (key) {
    case Qt::Key_Up: moveCatcher(CatchMove::Up); return true;
    case Qt::Key_Down: moveCatcher(CatchMove::Down); return true;
    case Qt::Key_Left: moveCatcher(CatchMove::Left); return true;
    case Qt::Key_Right: moveCatcher(CatchMove::Right); return true;
    case Qt::Key_Escape: exitClick(); return true;
    default: return false;
    }
}

void CatchWindow::moveCatcher(CatchMove way)
{
    step([this, way] {
        switch (way) {
        case CatchMove::Up: game_.moveUp(); break;
        case CatchMove::Down: game_.moveDown(); break;
        case CatchMove::Left: game_.moveLeft(); break;
        case CatchMove::Right: game_.moveRight(); break;
        case CatchMove::None: break;
        }
    });
}

bool CatchWindow::swipe(QPoint from, QPoint to)
{
    // A cell grows with the window's zoom, and so does half of it.
    const platform::Scale scale = platform::scaleOf(field_);
    const auto design = [&scale](QPoint at) { return QPoint(scale.twipsOf(at.x()), scale.twipsOf(at.y())); };
    const CatchMove way = swipeMove(design(from), design(to), kCellTwips);
    if (way == CatchMove::None) return false; // a tap, which is the field's click
    moveCatcher(way);
    return true;
}

void CatchWindow::startOrScatter()
{
    step([this] { game_.start(); });
    field_->setFocus(Qt::OtherFocusReason);
}

void CatchWindow::clockTick()
{
    step([this] { game_.tick(slider_->value()); });
}

void CatchWindow::step(const std::function<void()>& action)
{
    const bool wonBefore = game_.phase() == CatchPhase::Won;
    const bool runningBefore = game_.phase() == CatchPhase::Running;
    const QString nextBefore = game_.nextCaption();
    action();
    render();
    // The digit to catch is said as the game starts and after each catch; the result is said by its box.
    if (game_.phase() == CatchPhase::Running && (!runningBefore || game_.nextCaption() != nextBefore))
        services_.narrator.say(QStringLiteral("Fange die %1.").arg(game_.nextCaption()));
    // The result is told once, when the last digit is caught, not at every event while it is open.
    if (!wonBefore && game_.phase() == CatchPhase::Won) showResult();
}

void CatchWindow::speedChange(int value)
{
    period_->setCaption(platform::plainNumber(value));
    field_->setFocus(Qt::OtherFocusReason);
}

void CatchWindow::exitClick()
{
    const platform::MsgResult answer =
        services_.dialogs.show(this, {QStringLiteral("Dieses Spiel jetzt beenden?\r"), QStringLiteral("Zahlenfange"),
                                      platform::MsgButtons::YesNo, platform::MsgIcon::Critical});
    // On No the game goes on; the clock has kept running while the question was open.
    if (answer == platform::MsgResult::Yes) endGame();
}

void CatchWindow::helpClick()
{
    services_.dialogs.show(this, {QStringLiteral("Du musst die Ziffern von 0 bis 9 der Reihe\r"
                                                 "nach fangen. Gesteuert wird mit den vier\r"
                                                 "Pfeiltasten rechts auf deiner PC-Tastatur.\r"),
                                  QStringLiteral("Zahlfange: Hilfe")});
    field_->setFocus(Qt::OtherFocusReason);
}

void CatchWindow::showResult()
{
    services_.dialogs.show(this, {QStringLiteral("Du hast es in") + platform::blankLedNumber(game_.seconds()) +
                                      QStringLiteral(" Sekunden geschafft.\r"),
                                  QStringLiteral("Wendolix")});
    endGame();
}

void CatchWindow::endGame()
{
    step([this] { game_.endGame(); });
    clock_->setInterval(1000);
    emit left();
}
