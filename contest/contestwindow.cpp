#include "contestwindow.h"

#include "assets/artwork.h"
#include "assets/gallery.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/numbertext.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QShowEvent>

#include <algorithm>

using platform::blankLedNumber;
using platform::designFont;
using platform::kFrameGrey;
using platform::kGreen;
using platform::kNavy;
using platform::kSansSerif;
using platform::kVerdana;
using platform::Label;
using platform::PictureBox;
using platform::plainNumber;
using platform::Shape;
using platform::twipsRect;

namespace {

const QString kStartStatus = QStringLiteral("Klicke zum Start auf einen Würfel.");

// A name in a right-to-left script is set apart, so the German words around it keep their order.
QString embeddedName(const QString& name)
{
    const bool rightToLeft = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    });
    return rightToLeft ? QChar(0x2068) + name + QChar(0x2069) : name;
}

QString turnAnnouncement(const QString& name) { return embeddedName(name) + QStringLiteral(" ist dran!"); }

Label* greenLabel(const char* name, QWidget* parent, QRect geometry, const QString& caption, double points)
{
    auto* label = new Label(QString::fromLatin1(name), parent, geometry);
    label->setFont(designFont(kVerdana, points));
    label->setForeColor(kGreen);
    label->setCaption(caption);
    return label;
}

PictureBox* menuButton(const char* name, QWidget* parent, int left, const char* iconName, const QString& tip)
{
    return platform::pictureButton(QString::fromLatin1(name), parent, QRect(left, 5760, 495, 495),
                                   artwork::icon(iconName), kNavy, tip);
}

QListWidget* popupList(const char* name, QWidget* parent, QRect geometry, const QString& tip)
{
    auto* list = platform::listBox(QString::fromLatin1(name), parent, geometry, kNavy, platform::kLightGrey);
    list->setFrameShape(QFrame::Box);
    // Sized to hold every entry whole, so scroll bars would only cut entries off.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The range entries end in a blank; an ellipsis would cut the number before it.
    list->setTextElideMode(Qt::ElideNone);
    list->setFocusPolicy(Qt::NoFocus);
    list->setAccessibleName(tip);
    list->hide();
    return list;
}

// Fills a list with one row of equal height per entry, so all of them fit its height.
void fillList(QListWidget* list, const QStringList& entries)
{
    list->clear();
    list->addItems(entries);
    if (entries.isEmpty()) return;
    const int rowHeight = list->contentsRect().height() / static_cast<int>(entries.size());
    for (int row = 0; row < list->count(); ++row) list->item(row)->setSizeHint(QSize(0, rowHeight));
}

} // namespace

ContestWindow::ContestWindow(platform::Services& services, std::function<bool()> memoVisible)
    : services_(services), memoVisible_(std::move(memoVisible)), scale_(scaleTicks())
{
    platform::setupFixedWindow(this, QStringLiteral("Form1"), QStringLiteral("Pelko-Morvelt (Runde 1)"), 10365, 6435,
                               platform::kLightGrey);
    setFont(designFont(kSansSerif, 8.25));

    buildPlayingArea();
    buildTaskRow();
    buildMenuBar();
    buildTemplates();

    rollTimer_.setObjectName(QStringLiteral("Zeit1"));
    rollTimer_.setInterval(500);
    // A coarse timer may fire up to 5 % early, which a child sees as a hurried roll.
    rollTimer_.setTimerType(Qt::PreciseTimer);
    connect(&rollTimer_, &QTimer::timeout, this, &ContestWindow::rollTick);

    // Enter confirms wherever the focus is; all other keys go on to the focused control.
    new platform::KeyPreview(this, [this](int key) { return keyDown(key); });

    load();
}

void ContestWindow::buildPlayingArea()
{
    // Shapes and lines first: what is built later stacks above them.
    auto* taskFrame = new Shape(QStringLiteral("Figur3"), this, QRect(120, 360, 10095, 1455));
    taskFrame->setBorder(kFrameGrey, 2);
    const QList<std::pair<QPoint, QPoint>> frame = {{{120, 1800}, {120, 5280}},
                                                    {{10200, 5280}, {120, 5280}},
                                                    {{10200, 1800}, {10200, 5280}},
                                                    {{120, 4800}, {10200, 4800}}};
    for (int i = 0; i < frame.size(); ++i)
        new platform::Line(QStringLiteral("Linie%1").arg(i + 2), this, frame[i].first, frame[i].second, kFrameGrey, 2);
    auto* sliderStrip = new Shape(QStringLiteral("Figur6"), this, QRect(120, 4800, 10095, 495));
    sliderStrip->setFill(kNavy);
    sliderStrip->setBorder(QColor(192, 192, 192), 1);
    auto* menuBar = new Shape(QStringLiteral("Figur2"), this, QRect(0, 5640, 10455, 855));
    menuBar->setFill(kNavy);
    menuBar->setBorderVisible(false);

    new platform::Line(QStringLiteral("Linie1"), this, {600, 3240}, {9600, 3240}, Qt::black, 2);

    // Each name ends where the score beside it begins, so a long name is cut off instead of running under it.
    names_[Side::Left] = greenLabel("Bezeichnung1", this, {840, 2040, 2865, 495}, QStringLiteral("Freund"), 18);
    names_[Side::Right] = greenLabel("Bezeichnung2", this, {6495, 2040, 3000, 495}, QStringLiteral("Computer"), 18);
    for (Label* name : names_.values) name->setWordWrap(false);
    // A name in a right-to-left script stays beside its picture.
    names_[Side::Left]->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
    const std::array<int, 2> avatarLeft{240, 9600};
    const std::array<int, 2> avatarPicture{artwork::kFirstPlayerPicture, artwork::kSecondPlayerPicture};
    const std::array<QString, 2> avatarTip{QStringLiteral("Bild des ersten Spielers"),
                                           QStringLiteral("Bild des zweiten Spielers")};
    for (std::size_t side = 0; side < 2; ++side) {
        auto* avatar =
            new PictureBox(QStringLiteral("Bild%1").arg(side + 1), this, QRect(avatarLeft[side], 2040, 495, 495));
        avatar->setSpokenRole(avatarTip[side]);
        avatar->setPicture(artwork::galleryPicture(avatarPicture[side]));
        avatars_.values[side] = avatar;
    }
    // Scores count over the whole run: each number grows away from the colon, room for three digits.
    scores_[Side::Left] = greenLabel("Bezeichnung10", this, {3720, 1920, 1095, 615}, QStringLiteral("0"), 24);
    scores_[Side::Left]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    greenLabel("Bezeichnung15", this, {4920, 1920, 375, 615}, QStringLiteral(":"), 24)
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scores_[Side::Right] = greenLabel("Bezeichnung11", this, {5400, 1920, 1095, 615}, QStringLiteral("0"), 24);

    // The ends stand left and right of the number line, clear of the scale.
    rangeLow_ = new Label(QStringLiteral("Bezeichnung12"), this, QRect(150, 3120, 435, 255));
    rangeLow_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    rangeHigh_ = new Label(QStringLiteral("Bezeichnung13"), this, QRect(9700, 3120, 600, 255));
    for (Label* end : {rangeLow_, rangeHigh_}) end->setFont(designFont(kSansSerif, 9.75));

    arrow_ = new PictureBox(QStringLiteral("Bild3"), this, QRect(4920, 3360, 495, 495));
    arrow_->setPicture(artwork::icon("arrow"));
    arrowNumber_ = new Label(QStringLiteral("Bezeichnung3"), this, QRect(4680, 3960, 975, 495));
    arrowNumber_->setFont(designFont(kSansSerif, 18));
    arrowNumber_->setBackColor(kNavy);
    arrowNumber_->setForeColor(Qt::white);
    arrowNumber_->setSingleBorder();
    arrowNumber_->setAlignment(Qt::AlignCenter);
    arrowNumber_->setCursor(Qt::PointingHandCursor);
    arrowNumber_->setSpokenRole(QStringLiteral("Antwort bestätigen"));
    connect(arrowNumber_, &Label::clicked, this, &ContestWindow::confirmAnswer);

    slider_ = new QScrollBar(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("HBildlauf1"));
    slider_->setGeometry(twipsRect(240, 4920, 9855, 255));
    slider_->setRange(0, 100);
    slider_->setSingleStep(1);
    slider_->setPageStep(10);
    slider_->setValue(50);
    // A scroll bar takes no focus by default; the arrow keys must reach it.
    slider_->setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars invert their keys by default, which would send Right to the left.
    slider_->setInvertedControls(false);
    // Qt's own menu on a scroll bar is English and can move it: not for children.
    slider_->setContextMenuPolicy(Qt::PreventContextMenu);
    platform::stepOnePerNotch(slider_);
    platform::nameForUsers(slider_, QStringLiteral("Ergebnis einstellen"));
    connect(slider_, &QScrollBar::valueChanged, this,
            [this](int value) { step([this, value] { contest_.moveSlider(value); }); });
}

void ContestWindow::buildTaskRow()
{
    firstNumber_ = new Label(QStringLiteral("Bezeichnung7"), this, QRect(120, 480, 2415, 1095));
    firstNumber_->setFont(designFont(kVerdana, 42));
    firstNumber_->setForeColor(QColor(0, 0, 255));
    firstNumber_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    signBox_ = new PictureBox(QStringLiteral("Bild14"), this, QRect(2640, 840, 495, 495));
    signBox_->setSpokenRole(QStringLiteral("Rechenzeichen"));

    // Frames and boxes are listed die 1 (middle), die 2 (right), die 3 (left).
    const std::array<const char*, kDice> frameNames = {"Figur1", "Figur5", "Figur4"};
    const std::array<const char*, kDice> boxNames = {"Bild13", "Bild19", "Bild18"};
    const std::array<int, kDice> frameLefts = {4560, 5880, 3240};
    for (int die = 0; die < kDice; ++die) {
        auto* frame = new Shape(QString::fromLatin1(frameNames[die]), this, QRect(frameLefts[die], 480, 1215, 1215),
                                Shape::Kind::RoundedRectangle);
        frame->setBorder(Qt::black, 2);
        frame->setFill(Qt::white);
        dieFrames_[die] = frame;
        auto* box =
            new PictureBox(QString::fromLatin1(boxNames[die]), this, QRect(frameLefts[die] + 120, 600, 975, 975));
        box->setCursor(Qt::PointingHandCursor);
        box->setSpokenRole(QStringLiteral("Würfel %1").arg(die + 1));
        connect(box, &PictureBox::clicked, this, &ContestWindow::startGame);
        dieBoxes_[die] = box;
    }

    auto* equals = new PictureBox(QStringLiteral("Bild17"), this, QRect(7200, 840, 495, 495));
    equals->setPicture(artwork::icon("equals"));
    platform::nameForUsers(equals, QStringLiteral("gleich")); // so the task row reads as a sum

    answer_ = new Label(QStringLiteral("Bezeichnung8"), this, QRect(7800, 480, 2415, 1095));
    answer_->setFont(designFont(kVerdana, 42));
    answer_->setForeColor(QColor(255, 0, 0));
}

void ContestWindow::buildMenuBar()
{
    const auto onClick = [this](PictureBox* button, auto handler) {
        connect(button, &PictureBox::clicked, this, handler);
    };
    onClick(menuButton("Bild20", this, 120, "quit", QStringLiteral("Beenden")), &ContestWindow::askToQuit);
    onClick(menuButton("Bild21", this, 720, "help", QStringLiteral("Hilfe")), &ContestWindow::showHelp);
    onClick(menuButton("Bild22", this, 1320, "dice", QStringLiteral("Anzahl der Würfel")),
            &ContestWindow::toggleDiceList);
    onClick(menuButton("Bild23", this, 1920, "abacus", QStringLiteral("Zahlenraum")), &ContestWindow::toggleRangeList);
    onClick(menuButton("Bild24", this, 2520, "person", QStringLiteral("Spieler")),
            [this] { openOnWish(&ContestWindow::playersWanted); });
    onClick(menuButton("Bild26", this, 3120, "printer", QStringLiteral("Arbeitsblatt")),
            [this] { openOnWish(&ContestWindow::worksheetsWanted); });
    onClick(menuButton("Bild25", this, 3720, "info", QStringLiteral("Programm-Info")),
            [this] { openOnWish(&ContestWindow::infoWanted); });

    status_ = new Label(QStringLiteral("Bezeichnung6"), this, QRect(4320, 5760, 5895, 495));
    status_->setFont(designFont(kSansSerif, 18));
    status_->setBackColor(kNavy);
    status_->setForeColor(Qt::white);

    diceList_ = popupList("Liste2", this, QRect(1320, 4920, 1575, 840), QStringLiteral("Anzahl der Würfel"));
    rangeList_ = popupList("Liste1", this, QRect(1920, 3000, 1815, 2730), QStringLiteral("Zahlenraum"));
    fillList(rangeList_, rangeEntries());
    connect(diceList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseDice(diceList_->row(item)); });
    connect(rangeList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseRange(rangeList_->row(item)); });
}

void ContestWindow::buildTemplates()
{
    // Kept beyond the visible client area; the boxes on show copy their pictures.
    for (int face = 1; face <= 9; ++face) {
        const int i = face - 1;
        auto* box = new PictureBox(QStringLiteral("Bild%1").arg(face + 3), this,
                                   QRect(10680 + 1080 * (i % 3), 360 + 1080 * (i / 3), 975, 975));
        box->setPicture(artwork::dieFace(face));
        faceTemplates_[static_cast<std::size_t>(i)] = box;
    }
    plusTemplate_ = new PictureBox(QStringLiteral("Bild15"), this, QRect(10680, 3720, 495, 495));
    plusTemplate_->setPicture(artwork::icon("plus", QStringLiteral("plus")));
    minusTemplate_ = new PictureBox(QStringLiteral("Bild16"), this, QRect(11280, 3720, 495, 495));
    minusTemplate_->setPicture(artwork::icon("minus", QStringLiteral("minus")));
}

void ContestWindow::load()
{
    platform::centreOnScreen(this);
    step([this] { return contest_.load(); });
}

void ContestWindow::render()
{
    const ContestState& state = contest_.state();
    setWindowTitle(QStringLiteral("Pelko-Morvelt (Runde") + blankLedNumber(state.round) + QStringLiteral(")"));
    firstNumber_->setCaption(state.firstNumber ? plainNumber(*state.firstNumber) : QString());
    answer_->setCaption(state.shownAnswer ? plainNumber(*state.shownAnswer) : QString());
    signBox_->setBackColor(state.signColor ? platform::paletteColor(*state.signColor) : platform::kLightGrey);
    signBox_->setPicture(state.sign == Sign::Plus    ? plusTemplate_->picture()
                         : state.sign == Sign::Minus ? minusTemplate_->picture()
                                                     : platform::Picture());
    for (std::size_t die = 0; die < kDice; ++die) {
        const bool shown = contest_.dieShown(static_cast<int>(die));
        dieFrames_[die]->setVisible(shown);
        const QColor back = platform::paletteColor(state.dieColor[die]);
        dieFrames_[die]->setFill(back);
        dieBoxes_[die]->setVisible(shown);
        dieBoxes_[die]->setBackColor(back);
        const int face = state.dieFace[die];
        dieBoxes_[die]->setPicture(face >= 1 && face <= 9
                                       ? faceTemplates_[static_cast<std::size_t>(face - 1)]->picture()
                                       : platform::Picture());
    }
    for (Side side : {Side::Left, Side::Right}) {
        names_[side]->setCaption(state.names[side]);
        scores_[side]->setCaption(plainNumber(state.scores[side]));
    }
    // The right name hugs the right edge while it fits; a longer one shows its beginning.
    Label* right = names_[Side::Right];
    const bool rightNameFits = right->fontMetrics().horizontalAdvance(state.names[Side::Right]) <= right->width();
    right->setAlignment((rightNameFits ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignTop);
    rangeLow_->setCaption(plainNumber(state.rangeBase));
    rangeHigh_->setCaption(plainNumber(state.rangeBase + 100));
    const int arrowX = contest_.arrowX();
    arrow_->move(platform::px(arrowX - 240), arrow_->y());
    arrowNumber_->move(platform::px(arrowX - 500), arrowNumber_->y());
    arrowNumber_->setCaption(plainNumber(state.arrowValue));
    if (state.announcedSide) {
        const QString& name = state.names[*state.announcedSide];
        status_->setCaption(turnAnnouncement(name));
        // A long name is cut short on screen, so that " ist dran!" always shows.
        const QFontMetrics metrics = status_->fontMetrics();
        const int room = status_->contentsRect().width() - metrics.horizontalAdvance(turnAnnouncement(QString())) -
                         metrics.averageCharWidth();
        status_->setText(turnAnnouncement(metrics.elidedText(name, Qt::ElideRight, room)));
    } else {
        status_->setCaption(kStartStatus);
    }

    // No repaint of the whole window: each control repaints itself when it changes, and what the window
    // draws itself, the scale, never does.
    platform::keepRunning(rollTimer_, state.rollTimerOn);
}

void ContestWindow::startGame()
{
    step([this] { return contest_.startGame(); });
    focusSlider();
}

void ContestWindow::focusSlider() { slider_->setFocus(Qt::OtherFocusReason); }

void ContestWindow::activate() { focusSlider(); }

void ContestWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit endRequested();
}

void ContestWindow::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    focusSlider(); // a click on an empty spot
}

void ContestWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    // Most repaints are of a label or two: the ticks outside them are left alone.
    const QRegion dirty = event->region();
    for (const ScaleTick& tick : scale_) {
        const int x = platform::px(tick.x);
        const int top = platform::px(tick.yFrom);
        const int bottom = platform::px(tick.yTo);
        if (!dirty.intersects(QRect(QPoint(x, std::min(top, bottom)), QPoint(x, std::max(top, bottom))))) continue;
        painter.setPen(QPen(platform::paletteColor(tick.colorIndex), 1));
        painter.drawLine(x, top, x, bottom);
    }
}

bool ContestWindow::keyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    confirmAnswer();
    return true;
}

void ContestWindow::confirmAnswer()
{
    step([this] { return contest_.confirmAnswer(); });
}

void ContestWindow::rollTick()
{
    step([this] { return contest_.rollTick(services_.random, services_.clock); });
}

template <typename Action> void ContestWindow::step(Action action)
{
    Outcome outcome = Outcome::Nothing;
    if constexpr (std::is_void_v<std::invoke_result_t<Action>>)
        action();
    else
        outcome = action();
    render();
    react(outcome);
}

void ContestWindow::react(Outcome outcome)
{
    const ContestState& state = contest_.state();
    switch (outcome) {
    case Outcome::Started:
    case Outcome::Reset: {
        // Before a game the slider moves alone; a start or a reset puts it back under the arrow.
        const QSignalBlocker quiet(slider_);
        slider_->setValue(state.arrowValue - state.rangeBase);
        break;
    }
    case Outcome::Wrong:
        message({QStringLiteral("\r") + contest_.taskText() + QStringLiteral("\r\r"), QStringLiteral("F e h l e r")});
        focusSlider();
        break;
    case Outcome::RewardDue:
        // The roll goes on while the message is open; it may even end the game meanwhile.
        message({QStringLiteral("Zur Aufmunterung gibt es ein Spiel ...\r"), QStringLiteral("Pelko-Memory")});
        step([this] { contest_.stopRoll(); });
        // Once the game ended and the catching game took over, a second reward window would stand beside it.
        if (isVisible()) emit memoryRewardDue();
        break;
    case Outcome::Ticked: hideLists(); break;
    case Outcome::RollEnded:
        hideLists();
        step([this] { return contest_.nextTask(memoVisible_ && memoVisible_()); });
        break;
    case Outcome::Stands: focusSlider(); break;
    case Outcome::GameOver:
        focusSlider();
        message({QStringLiteral("Jetzt gibt es ein Belohnungsspiel.\r"),
                 embeddedName(state.names[*state.winnerSide]) + QStringLiteral(" hat gewonnen!")});
        emit gameWon();
        step([this] { return contest_.resetGame(); });
        break;
    case Outcome::Nothing:
    case Outcome::Correct:
    case Outcome::Skipped: break;
    }
}

void ContestWindow::askToQuit()
{
    hideLists();
    const platform::MsgResult answer = message({QStringLiteral("Willst du das Programm jetzt beenden?\r\r"),
                                                QStringLiteral("Pelko-Morvelt - Das Entwicklerteam"),
                                                platform::MsgButtons::YesNo, platform::MsgIcon::Question, true});
    if (answer != platform::MsgResult::No) emit endRequested();
}

void ContestWindow::showHelp()
{
    message({contest_.state().helpText + QStringLiteral("\r"), QStringLiteral("Pelko-Morvelt: Hilfe")});
}

void ContestWindow::hideLists()
{
    rangeList_->hide();
    diceList_->hide();
}

void ContestWindow::toggleDiceList()
{
    rangeList_->hide();
    if (diceList_->isHidden()) {
        fillList(diceList_, diceEntries()); // afresh, so it opens with nothing selected
        diceList_->show();
    } else {
        diceList_->hide();
        focusSlider();
    }
}

void ContestWindow::toggleRangeList()
{
    diceList_->hide();
    rangeList_->setVisible(rangeList_->isHidden());
    if (rangeList_->isHidden()) focusSlider();
}

void ContestWindow::chooseDice(int row)
{
    diceList_->hide();
    step([this, row] { return contest_.chooseDice(row); });
    focusSlider();
}

void ContestWindow::chooseRange(int row)
{
    rangeList_->hide();
    step([this, row] { return contest_.chooseRange(row); });
    focusSlider();
}

void ContestWindow::setPlayer(Side side, const QString& name, const platform::Picture& picture)
{
    avatars_[side]->setPicture(picture);
    step([this, side, &name] { contest_.setPlayerName(side, name); });
}

void ContestWindow::openOnWish(void (ContestWindow::*wish)())
{
    // The other windows open only between rolls.
    if (!rollTimer_.isActive()) emit(this->*wish)();
}

platform::MsgResult ContestWindow::message(const platform::Message& message)
{
    return services_.dialogs.show(this, message);
}
