#include "catchwindow.h"

#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/numbertext.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

using platform::designFont;
using platform::kFrameGrey;
using platform::kNavy;
using platform::kRed;
using platform::kSansSerif;
using platform::Label;
using platform::PictureBox;
using platform::Shape;

namespace {

// The top row's captions stand on the white frames and let them show through: the seconds
// and their unit overlap by a pixel, and an opaque unit would cut off the last digit.
Label* topLabel(const char* name, QWidget* parent, QRect geometry, const QString& caption, Qt::Alignment align)
{
    auto* label = new Label(QString::fromLatin1(name), parent, geometry);
    label->setTransparentBack();
    label->setAlignment(align | Qt::AlignTop);
    label->setCaption(caption);
    return label;
}

Label* bottomLabel(const char* name, QWidget* parent, QRect geometry, const QColor& fore, const QColor& back,
                   Qt::Alignment align)
{
    auto* label = new Label(QString::fromLatin1(name), parent, geometry);
    label->setFont(designFont(kSansSerif, 18));
    label->setForeColor(fore);
    label->setBackColor(back);
    label->setSingleBorder();
    label->setAlignment(align | Qt::AlignTop);
    return label;
}

PictureBox* iconButton(const char* name, QWidget* parent, int left, const char* iconName, const QString& tip)
{
    return platform::pictureButton(QString::fromLatin1(name), parent, QRect(left, 120, 495, 495),
                                   artwork::icon(iconName), kNavy, tip);
}

} // namespace

CatchWindow::CatchWindow(platform::Services& services) : services_(services), game_(services.random)
{
    platform::setupFixedWindow(this, QStringLiteral("fang"), QStringLiteral("Zahlenfange"), 7350, 6015, kNavy);
    setFont(designFont(kSansSerif, 8.25));

    buildTopRow();
    buildFieldAndLabels();

    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("Zeit1"));
    clock_->setInterval(1000);
    // The seconds are counted aloud by the children: a coarse timer would run up to 5 % fast.
    clock_->setTimerType(Qt::PreciseTimer);
    connect(clock_, &QTimer::timeout, this, &CatchWindow::clockTick);

    new platform::KeyPreview(this, [this](int key) { return keyDown(key); });

    load();
}

void CatchWindow::buildTopRow()
{
    // Frames first: what is built later stacks above them.
    for (auto [name, geometry] :
         {std::pair{"Figur3", QRect(720, 120, 1215, 495)}, std::pair{"Figur1", QRect(1920, 120, 4215, 495)},
          std::pair{"Figur2", QRect(6120, 120, 495, 495)}}) {
        auto* frame = new Shape(QString::fromLatin1(name), this, geometry);
        frame->setBorder(kFrameGrey, 2);
        frame->setFill(Qt::white);
    }

    connect(iconButton("Bild1", this, 120, "exit", QStringLiteral("Spiel beenden")), &PictureBox::clicked, this,
            &CatchWindow::exitClick);
    connect(iconButton("Bild2", this, 6720, "help", QStringLiteral("Hilfe")), &PictureBox::clicked, this,
            &CatchWindow::helpClick);

    seconds_ = topLabel("Bezeichnung6", this, {840, 240, 495, 255}, QStringLiteral("0"), Qt::AlignRight);
    topLabel("Bezeichnung7", this, {1320, 240, 495, 255}, QStringLiteral(" Sek"), Qt::AlignHCenter);
    topLabel("Bezeichnung1", this, {2040, 240, 735, 255}, QStringLiteral("schnell"), Qt::AlignRight);
    topLabel("Bezeichnung2", this, {5160, 240, 855, 255}, QStringLiteral("langsam"), Qt::AlignLeft);
    period_ = topLabel("Bezeichnung9", this, {6240, 240, 255, 255}, QStringLiteral("10"), Qt::AlignRight);

    slider_ = new QScrollBar(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("HBildlauf1"));
    slider_->setGeometry(platform::twipsRect(2880, 240, 2175, 255));
    slider_->setRange(3, 15);
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    slider_->setValue(10);
    platform::stepOnePerNotch(slider_);
    platform::nameForUsers(slider_, QStringLiteral("Geschwindigkeit"));
    // Tracking is on, so dragging the thumb reports each value as it passes.
    connect(slider_, &QScrollBar::valueChanged, this, &CatchWindow::speedChange);
}

void CatchWindow::buildFieldAndLabels()
{
    field_ = new PictureBox(QStringLiteral("Bild5"), this, QRect(120, 720, 7095, 4575));
    // The system's window colours, as a text field of the desktop shows them.
    const QPalette system = QApplication::palette();
    field_->setBackColor(system.color(QPalette::Base));
    QPalette fieldPalette = field_->palette();
    fieldPalette.setColor(QPalette::WindowText, system.color(QPalette::Text));
    field_->setPalette(fieldPalette);
    field_->setFont(designFont(kSansSerif, 18));
    field_->setFocusPolicy(Qt::StrongFocus);
    platform::nameForUsers(field_, QStringLiteral("Spielfeld"));
    connect(field_, &PictureBox::clicked, this, &CatchWindow::startOrScatter);

    catcher_ = new Label(QStringLiteral("Bezeichnung8"), field_, QRect(0, 0, 255, 375));
    catcher_->setFont(designFont(kSansSerif, 18));
    catcher_->setForeColor(kRed);
    catcher_->setBackColor(kRed);
    catcher_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    catcher_->setCaption(QStringLiteral("+"));
    catcher_->hide();

    caught_ = bottomLabel("Bezeichnung4", this, {120, 5400, 3375, 495}, QColor(0, 192, 0), QColor(192, 255, 192),
                          Qt::AlignRight);
    next_ = bottomLabel("Bezeichnung3", this, {3480, 5400, 495, 495}, kRed, QColor(255, 192, 192), Qt::AlignHCenter);
    rest_ = bottomLabel("Bezeichnung5", this, {3960, 5400, 3255, 495}, QColor(0, 0, 255), QColor(192, 255, 255),
                        Qt::AlignLeft);
}

void CatchWindow::render()
{
    seconds_->setCaption(platform::plainNumber(game_.seconds()));
    caught_->setCaption(game_.caughtCaption());
    next_->setCaption(game_.nextCaption());
    rest_->setCaption(game_.restCaption());
    printField();
    catcher_->move(platform::twipsPoint(game_.catcherCol() * kCellTwips, game_.catcherRow() * kCellTwips));
    catcher_->setVisible(game_.catcherShown());
    platform::keepRunning(*clock_, game_.clockOn());
}

void CatchWindow::printField()
{
    field_->clearText();
    if (game_.startTextShown()) {
        const int lineTwips = platform::twips(field_->fontMetrics().lineSpacing());
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
    case Qt::Key_Up: step([this] { game_.moveUp(); }); return true;
    case Qt::Key_Down: step([this] { game_.moveDown(); }); return true;
    case Qt::Key_Left: step([this] { game_.moveLeft(); }); return true;
    case Qt::Key_Right: step([this] { game_.moveRight(); }); return true;
    case Qt::Key_Escape: exitClick(); return true;
    default: return false;
    }
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
    action();
    render();
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
