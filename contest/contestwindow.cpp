#include "contestwindow.h"

#include "assets/artwork.h"
#include "assets/gallery.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/design.h"
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
using platform::ControlSpec;
using platform::kFrameGrey;
using platform::kGreen;
using platform::kLightGrey;
using platform::kNavy;
using platform::kSansSerif;
using platform::kVerdana;
using platform::Label;
using platform::PictureBox;
using platform::plainNumber;
using platform::Shape;
using Kind = platform::ControlSpec::Kind;

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

enum Role {
    FirstNumber,
    Answer,
    SignBox,
    LeftName,
    RightName,
    LeftAvatar,
    RightAvatar,
    LeftScore,
    RightScore,
    RangeLow,
    RangeHigh,
    Arrow,
    ArrowNumber,
    Slider,
    Status,
    RangeList,
    DiceList,
    QuitButton,
    HelpButton,
    DiceButton,
    RangeButton,
    PlayersButton,
    SheetButton,
    InfoButton,
    PlusTemplate,
    MinusTemplate,
    DieFrame,                      // + die
    DieBox = DieFrame + kDice,     // + die
    FaceTemplate = DieBox + kDice, // + face - 1
};

const platform::DesignFont kNameFont{kVerdana, 18};
const platform::DesignFont kScoreFont{kVerdana, 24};
const platform::DesignFont kTaskFont{kVerdana, 42};

ControlSpec menuButton(int role, const char* name, int left, const char* iconName, const QString& tip)
{
    return {.kind = Kind::Button,
            .role = role,
            .name = name,
            .twips = {left, 5760, 495, 495},
            .back = kNavy,
            .spoken = tip,
            .picture = artwork::icon(iconName)};
}

ControlSpec frameLine(const char* name, QLine twips)
{
    return {.kind = Kind::Line, .name = name, .fore = kFrameGrey, .line = twips, .lineWidth = 2};
}

// Frames and boxes of the dice, listed die 1 (middle), die 2 (right), die 3 (left).
void addDice(platform::Design& design)
{
    static const std::array<const char*, kDice> frameNames = {"Figur1", "Figur5", "Figur4"};
    static const std::array<const char*, kDice> boxNames = {"Bild13", "Bild19", "Bild18"};
    const std::array<int, kDice> lefts = {4560, 5880, 3240};
    for (std::size_t die = 0; die < kDice; ++die) {
        const int number = static_cast<int>(die) + 1;
        design.append({.kind = Kind::RoundedFrame,
                       .role = DieFrame + number - 1,
                       .name = frameNames[die],
                       .twips = {lefts[die], 480, 1215, 1215},
                       .back = Qt::white,
                       .fore = Qt::black,
                       .lineWidth = 2});
        design.append({.kind = Kind::Picture,
                       .role = DieBox + number - 1,
                       .name = boxNames[die],
                       .twips = {lefts[die] + 120, 600, 975, 975},
                       .look = platform::look::kHand,
                       .spoken = QStringLiteral("Würfel %1").arg(number)});
    }
}

// Kept hidden beyond the client area, where a full-screen margin must not show them; the boxes on show copy
// their pictures.
void addTemplates(platform::Design& design)
{
    static const std::array<const char*, 9> names = {"Bild4", "Bild5",  "Bild6",  "Bild7", "Bild8",
                                                     "Bild9", "Bild10", "Bild11", "Bild12"};
    for (int i = 0; i < 9; ++i)
        design.append({.kind = Kind::Picture,
                       .role = FaceTemplate + i,
                       .name = names[static_cast<std::size_t>(i)],
                       .twips = {10680 + 1080 * (i % 3), 360 + 1080 * (i / 3), 975, 975},
                       .look = platform::look::kHidden,
                       .picture = artwork::dieFace(i + 1)});
    design.append({{.kind = Kind::Picture,
                    .role = PlusTemplate,
                    .name = "Bild15",
                    .twips = {10680, 3720, 495, 495},
                    .look = platform::look::kHidden,
                    .picture = artwork::icon("plus", QStringLiteral("plus"))},
                   {.kind = Kind::Picture,
                    .role = MinusTemplate,
                    .name = "Bild16",
                    .twips = {11280, 3720, 495, 495},
                    .look = platform::look::kHidden,
                    .picture = artwork::icon("minus", QStringLiteral("minus"))}});
}

platform::Design design()
{
    // Shapes and lines first: what is built later stacks above them.
    platform::Design design{
        {.kind = Kind::Frame, .name = "Figur3", .twips = {120, 360, 10095, 1455}, .fore = kFrameGrey, .lineWidth = 2},
        frameLine("Linie2", {120, 1800, 120, 5280}),
        frameLine("Linie3", {10200, 5280, 120, 5280}),
        frameLine("Linie4", {10200, 1800, 10200, 5280}),
        frameLine("Linie5", {120, 4800, 10200, 4800}),
        {.kind = Kind::Frame,
         .name = "Figur6",
         .twips = {120, 4800, 10095, 495},
         .back = kNavy,
         .fore = platform::kSilver,
         .lineWidth = 1},
        {.kind = Kind::Frame, .name = "Figur2", .twips = {0, 5640, 10455, 855}, .back = kNavy},
        {.kind = Kind::Line, .name = "Linie1", .fore = Qt::black, .line = {600, 3240, 9600, 3240}, .lineWidth = 2},
        // Each name ends where the score beside it begins, so a long name ends in "…" instead of running under it.
        // A name in a right-to-left script stays beside its picture.
        {.role = LeftName,
         .name = "Bezeichnung1",
         .twips = {840, 2040, 2865, 495},
         .font = kNameFont,
         .fore = kGreen,
         .align = Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop,
         .look = platform::look::kOneLine,
         .caption = QStringLiteral("Freund")},
        {.role = RightName,
         .name = "Bezeichnung2",
         .twips = {6495, 2040, 3000, 495},
         .font = kNameFont,
         .fore = kGreen,
         .align = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop,
         .look = platform::look::kOneLine,
         .caption = QStringLiteral("Computer")},
        {.kind = Kind::Picture,
         .role = LeftAvatar,
         .name = "Bild1",
         .twips = {240, 2040, 495, 495},
         .spoken = QStringLiteral("Bild des ersten Spielers"),
         .picture = artwork::galleryPicture(artwork::kFirstPlayerPicture)},
        {.kind = Kind::Picture,
         .role = RightAvatar,
         .name = "Bild2",
         .twips = {9600, 2040, 495, 495},
         .spoken = QStringLiteral("Bild des zweiten Spielers"),
         .picture = artwork::galleryPicture(artwork::kSecondPlayerPicture)},
        // Scores count over the whole run: each number grows away from the colon, room for three digits.
        {.role = LeftScore,
         .name = "Bezeichnung10",
         .twips = {3720, 1920, 1095, 615},
         .font = kScoreFont,
         .fore = kGreen,
         .align = Qt::AlignRight | Qt::AlignTop,
         .caption = QStringLiteral("0")},
        {.name = "Bezeichnung15",
         .twips = {4920, 1920, 375, 615},
         .font = kScoreFont,
         .fore = kGreen,
         .align = Qt::AlignHCenter | Qt::AlignTop,
         .caption = QStringLiteral(":")},
        {.role = RightScore,
         .name = "Bezeichnung11",
         .twips = {5400, 1920, 1095, 615},
         .font = kScoreFont,
         .fore = kGreen,
         .caption = QStringLiteral("0")},
        // The ends stand left and right of the number line, clear of the scale.
        {.role = RangeLow,
         .name = "Bezeichnung12",
         .twips = {150, 3120, 435, 255},
         .font = {kSansSerif, 9.75},
         .align = Qt::AlignRight | Qt::AlignTop},
        {.role = RangeHigh, .name = "Bezeichnung13", .twips = {9700, 3120, 600, 255}, .font = {kSansSerif, 9.75}},
        {.kind = Kind::Picture,
         .role = Arrow,
         .name = "Bild3",
         .twips = {4920, 3360, 495, 495},
         .picture = artwork::icon("arrow")},
        {.role = ArrowNumber,
         .name = "Bezeichnung3",
         .twips = {4680, 3960, 975, 495},
         .font = {kSansSerif, 18},
         .back = kNavy,
         .fore = Qt::white,
         .align = Qt::AlignCenter,
         .look = platform::look::kSunken | platform::look::kHand,
         .spoken = QStringLiteral("Antwort bestätigen")},
        {.kind = Kind::Slider,
         .role = Slider,
         .name = "HBildlauf1",
         .twips = {240, 4920, 9855, 255},
         .spoken = QStringLiteral("Ergebnis einstellen")},
        {.role = FirstNumber,
         .name = "Bezeichnung7",
         .twips = {120, 480, 2415, 1095},
         .font = kTaskFont,
         .fore = platform::kBlue,
         .align = Qt::AlignRight | Qt::AlignTop},
        {.kind = Kind::Picture,
         .role = SignBox,
         .name = "Bild14",
         .twips = {2640, 840, 495, 495},
         .spoken = QStringLiteral("Rechenzeichen")},
    };
    addDice(design);
    design.append({
        // Named so the task row reads as a sum.
        {.kind = Kind::Picture,
         .name = "Bild17",
         .twips = {7200, 840, 495, 495},
         .spoken = QStringLiteral("gleich"),
         .picture = artwork::icon("equals")},
        {.role = Answer,
         .name = "Bezeichnung8",
         .twips = {7800, 480, 2415, 1095},
         .font = kTaskFont,
         .fore = platform::kRed},
        menuButton(QuitButton, "Bild20", 120, "quit", QStringLiteral("Beenden")),
        menuButton(HelpButton, "Bild21", 720, "help", QStringLiteral("Hilfe")),
        menuButton(DiceButton, "Bild22", 1320, "dice", QStringLiteral("Anzahl der Würfel")),
        menuButton(RangeButton, "Bild23", 1920, "abacus", QStringLiteral("Zahlenraum")),
        menuButton(PlayersButton, "Bild24", 2520, "person", QStringLiteral("Spieler")),
        menuButton(SheetButton, "Bild26", 3120, "printer", QStringLiteral("Arbeitsblatt")),
        menuButton(InfoButton, "Bild25", 3720, "info", QStringLiteral("Programm-Info")),
        {.role = Status,
         .name = "Bezeichnung6",
         .twips = {4320, 5760, 5895, 495},
         .font = {kSansSerif, 18},
         .back = kNavy,
         .fore = Qt::white},
        {.kind = Kind::List,
         .role = DiceList,
         .name = "Liste2",
         .twips = {1320, 4920, 1575, 840},
         .back = kNavy,
         .fore = kLightGrey,
         .look = platform::look::kHidden,
         .readAs = QStringLiteral("Anzahl der Würfel")},
        {.kind = Kind::List,
         .role = RangeList,
         .name = "Liste1",
         .twips = {1920, 3000, 1815, 2730},
         .back = kNavy,
         .fore = kLightGrey,
         .look = platform::look::kHidden,
         .readAs = QStringLiteral("Zahlenraum")},
    });
    addTemplates(design);
    return design;
}

} // namespace

ContestWindow::ContestWindow(platform::Services& services, std::function<bool()> memoVisible)
    : services_(services), memoVisible_(std::move(memoVisible)), scale_(scaleTicks())
{
    platform::setupFixedWindow(this, QStringLiteral("Form1"), QStringLiteral("Pelko-Morvelt (Runde 1)"), 10365, 6435,
                               kLightGrey);
    platform::setDesignFont(this, platform::designFont(kSansSerif, 8.25));

    const platform::Controls controls = platform::buildControls(this, design());
    firstNumber_ = controls.at<Label>(FirstNumber);
    answer_ = controls.at<Label>(Answer);
    signBox_ = controls.at<PictureBox>(SignBox);
    for (int die = 0; die < kDice; ++die) {
        const auto i = static_cast<std::size_t>(die);
        dieFrames_[i] = controls.at<Shape>(DieFrame + die);
        dieBoxes_[i] = controls.at<PictureBox>(DieBox + die);
        connect(dieBoxes_[i], &PictureBox::clicked, this, &ContestWindow::startGame);
    }
    for (int face = 0; face < 9; ++face)
        faceTemplates_[static_cast<std::size_t>(face)] = controls.at<PictureBox>(FaceTemplate + face);
    plusTemplate_ = controls.at<PictureBox>(PlusTemplate);
    minusTemplate_ = controls.at<PictureBox>(MinusTemplate);
    names_ = {controls.at<Label>(LeftName), controls.at<Label>(RightName)};
    avatars_ = {controls.at<PictureBox>(LeftAvatar), controls.at<PictureBox>(RightAvatar)};
    scores_ = {controls.at<Label>(LeftScore), controls.at<Label>(RightScore)};
    rangeLow_ = controls.at<Label>(RangeLow);
    rangeHigh_ = controls.at<Label>(RangeHigh);
    arrow_ = controls.at<PictureBox>(Arrow);
    arrowNumber_ = controls.at<Label>(ArrowNumber);
    status_ = controls.at<Label>(Status);
    connect(arrowNumber_, &Label::clicked, this, &ContestWindow::confirmAnswer);

    slider_ = controls.at<QScrollBar>(Slider);
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
    connect(slider_, &QScrollBar::valueChanged, this, [this](int value) {
        step([this, value] { contest_.moveSlider(value); });
        if (contest_.state().gameStarted) sliderRest_.start();
    });
    // The number the arrow points at is said once the slider has rested, not at every step it passes.
    sliderRest_.setSingleShot(true);
    sliderRest_.setInterval(500);
    connect(&sliderRest_, &QTimer::timeout, this, [this] {
        if (contest_.state().gameStarted && !rollTimer_.isActive())
            services_.narrator.say(plainNumber(contest_.state().arrowValue), platform::Narrator::Kind::Aside);
    });

    const auto onClick = [this, &controls](int role, auto handler) {
        connect(controls.at<PictureBox>(role), &PictureBox::clicked, this, handler);
    };
    onClick(QuitButton, &ContestWindow::askToQuit);
    onClick(HelpButton, &ContestWindow::showHelp);
    onClick(DiceButton, &ContestWindow::toggleDiceList);
    onClick(RangeButton, &ContestWindow::toggleRangeList);
    onClick(PlayersButton, [this] { openOnWish(&ContestWindow::playersWanted); });
    onClick(SheetButton, [this] { openOnWish(&ContestWindow::worksheetsWanted); });
    onClick(InfoButton, [this] { openOnWish(&ContestWindow::infoWanted); });

    diceList_ = controls.at<QListWidget>(DiceList);
    rangeList_ = controls.at<QListWidget>(RangeList);
    for (QListWidget* list : {diceList_, rangeList_}) {
        list->setFrameShape(QFrame::Box);
        // Sized to hold every entry whole, so scroll bars would only cut entries off.
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The range entries end in a blank; an ellipsis would cut the number before it.
        list->setTextElideMode(Qt::ElideNone);
        list->setFocusPolicy(Qt::NoFocus);
        platform::fillWithRows(list);
    }
    rangeList_->addItems(rangeEntries());
    connect(diceList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseDice(diceList_->row(item)); });
    connect(rangeList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseRange(rangeList_->row(item)); });

    rollTimer_.setObjectName(QStringLiteral("Zeit1"));
    rollTimer_.setInterval(500);
    // A coarse timer may fire up to 5 % early, which a child sees as a hurried roll.
    rollTimer_.setTimerType(Qt::PreciseTimer);
    connect(&rollTimer_, &QTimer::timeout, this, &ContestWindow::rollTick);

    // Enter confirms wherever the focus is; all other keys go on to the focused control.
    new platform::KeyPreview(this, [this](int key) { return keyDown(key); });

    load();
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
    rangeLow_->setCaption(plainNumber(state.rangeBase));
    rangeHigh_->setCaption(plainNumber(state.rangeBase + 100));
    const int arrowX = contest_.arrowX();
    for (auto [control, left] : {std::pair<QWidget*, int>{arrow_, arrowX - 240}, {arrowNumber_, arrowX - 500}}) {
        QRect design = platform::designRect(control);
        design.moveLeft(left);
        platform::placeAt(control, design);
    }
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
    const platform::Scale scale = platform::scaleOf(this);
    const int width = std::max(1, scale.length(platform::twips(1)));
    for (const ScaleTick& tick : scale_) {
        const QPoint top = scale.point({tick.x, tick.yFrom});
        const QPoint bottom = scale.point({tick.x, tick.yTo});
        const QRect span = QRect(top, bottom).normalized().adjusted(-width, 0, width, 0);
        if (!dirty.intersects(span)) continue;
        painter.setPen(QPen(platform::paletteColor(tick.colorIndex), width));
        painter.drawLine(top, bottom);
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
    case Outcome::Stands:
        focusSlider();
        sayTask();
        break;
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

void ContestWindow::sayTask()
{
    const ContestState& state = contest_.state();
    if (!state.announcedSide || !state.firstNumber) return;
    const QString text = QStringLiteral("%1 ist dran! %2 %3 %4.")
                             .arg(state.names[*state.announcedSide], plainNumber(*state.firstNumber),
                                  state.sign == Sign::Minus ? QStringLiteral("minus") : QStringLiteral("plus"),
                                  plainNumber(state.operand));
    // Asked for once the roll's last tick is over, which stays as short as every other tick.
    QMetaObject::invokeMethod(
        this, [this, text] { services_.narrator.say(text); }, Qt::QueuedConnection);
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
        diceList_->clear(); // filled afresh, so it opens with nothing selected
        diceList_->addItems(diceEntries());
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
