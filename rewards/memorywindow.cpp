#include "memorywindow.h"

#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/design.h"
#include "platform/numbertext.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QCloseEvent>

#include <tuple>

using platform::ControlSpec;
using platform::kLightGrey;
using platform::kNavy;
using platform::kSansSerif;
using platform::Label;
using platform::plainNumber;
using Kind = platform::ControlSpec::Kind;

namespace {

enum Role { Exit, FirstField, FirstState = FirstField + MemoryBoard::kFields };

// The fields, six to a row, then the game's state, never seen, in a strip along the bottom edge.
void addFieldsAndState(platform::Design& design)
{
    static const std::array<const char*, MemoryBoard::kFields> fieldNames = {
        "Bezeichnung1",  "Bezeichnung2",  "Bezeichnung3",  "Bezeichnung4",  "Bezeichnung5",  "Bezeichnung6",
        "Bezeichnung7",  "Bezeichnung8",  "Bezeichnung9",  "Bezeichnung10", "Bezeichnung11", "Bezeichnung12",
        "Bezeichnung13", "Bezeichnung14", "Bezeichnung15", "Bezeichnung16", "Bezeichnung17", "Bezeichnung18"};
    for (int i = 0; i < MemoryBoard::kFields; ++i) {
        design.append({.role = FirstField + i,
                       .name = fieldNames[static_cast<std::size_t>(i)],
                       .twips = {480 + 840 * (i % 6), 1080 + 1320 * (i / 6), 615, 1095},
                       .font = {kSansSerif, 18},
                       .fore = Qt::white,
                       .look = platform::look::kSunken,
                       .spoken = QStringLiteral("Feld %1").arg(i + 1)});
    }
    static const std::array<std::tuple<const char*, int, int>, 6> states = {{{"Bezeichnung20", 240, 255},
                                                                             {"Bezeichnung21", 600, 1455},
                                                                             {"Bezeichnung22", 2160, 1455},
                                                                             {"Bezeichnung23", 3720, 495},
                                                                             {"Bezeichnung24", 4320, 495},
                                                                             {"Bezeichnung25", 4920, 615}}};
    for (std::size_t i = 0; i < states.size(); ++i) {
        const auto [name, left, width] = states[i];
        design.append({.role = FirstState + static_cast<int>(i),
                       .name = name,
                       .twips = {left, 5040, width, 255},
                       .look = platform::look::kHidden});
    }
}

platform::Design design()
{
    platform::Design design{
        {.kind = Kind::Button,
         .role = Exit,
         .name = "Bild1",
         .twips = {240, 120, 495, 495},
         .back = kNavy,
         .spoken = QStringLiteral("Spiel beenden"),
         .picture = artwork::icon("exit")},
        {.name = "Bezeichnung19",
         .twips = {840, 120, 4695, 495},
         .back = kLightGrey,
         .fore = platform::kDeepBlue,
         .align = Qt::AlignHCenter | Qt::AlignTop,
         .look = platform::look::kSunken,
         .caption = QStringLiteral("Zahlenmemory: Immer zwei Felder haben die gleichen Ziffern,  "
                                   "klicke die Felder an und suche so alle Paare.")},
        {.kind = Kind::Frame, .name = "Figur1", .twips = {240, 840, 5295, 4215}, .back = kLightGrey, .fore = Qt::black},
    };
    addFieldsAndState(design);
    return design;
}

// Face down as the window is designed, navy once a game has ended, white when found.
QColor backOf(FieldShade shade)
{
    switch (shade) {
    case FieldShade::Designed: break;
    case FieldShade::Ended: return platform::paletteColor(1);
    case FieldShade::Found: return platform::paletteColor(15);
    }
    return platform::kDeepBlue;
}

} // namespace

MemoryWindow::MemoryWindow(platform::Services& services) : services_(services), board_(services.random)
{
    platform::setupFixedWindow(this, QStringLiteral("memo"), QStringLiteral("Zahlenmemo"), 5805, 5325, kNavy);
    // Centred as every other window is, not wherever the window manager would put it.
    platform::centreOnScreen(this);
    platform::setDesignFont(this, platform::designFont(kSansSerif, 8.25));

    const platform::Controls controls = platform::buildControls(this, design());
    connect(controls.at<platform::PictureBox>(Exit), &platform::PictureBox::clicked, this, &MemoryWindow::exitClick);
    for (int k = 1; k <= MemoryBoard::kFields; ++k) {
        fields_[static_cast<std::size_t>(k - 1)] = controls.at<Label>(FirstField + k - 1);
        connect(fields_[static_cast<std::size_t>(k - 1)], &Label::clicked, this, [this, k] { fieldClick(k); });
    }
    for (std::size_t i = 0; i < stateLabels_.size(); ++i)
        stateLabels_[i] = controls.at<Label>(FirstState + static_cast<int>(i));
    step([] {});
}

void MemoryWindow::render()
{
    for (int k = 1; k <= MemoryBoard::kFields; ++k) {
        Label* field = fields_[static_cast<std::size_t>(k - 1)];
        field->setCaption(board_.field(k).faceUp ? QStringLiteral(" ") + plainNumber(board_.digit(k)) : QString());
        field->setBackColor(backOf(board_.field(k).shade));
    }
    // The hidden labels show the game's state as the design keeps it: the layout of digits, a mask with
    // "1" for each field whose pair is still to find, the open fields in the blank-led form or "0".
    QString layout;
    QString mask;
    for (int k = 1; board_.everDealt() && k <= MemoryBoard::kFields; ++k) {
        layout += plainNumber(board_.digit(k));
        mask += board_.found(k) ? u'0' : u'1';
    }
    const auto openField = [](int k) { return k == 0 ? QStringLiteral("0") : platform::blankLedNumber(k); };
    const std::array<QString, 6> state = {board_.dealt() ? QStringLiteral("1") : QStringLiteral("0"),
                                          layout,
                                          mask,
                                          openField(board_.firstField()),
                                          openField(board_.secondField()),
                                          plainNumber(board_.clickedField())};
    for (std::size_t i = 0; i < state.size(); ++i) stateLabels_[i]->setCaption(state[i]);
}

void MemoryWindow::fieldClick(int field)
{
    step([this, field] {
        const bool wasUp = field >= 1 && field <= MemoryBoard::kFields && board_.field(field).faceUp;
        board_.click(field);
        // A child who cannot read yet hears the digit it turned.
        if (!wasUp && field >= 1 && field <= MemoryBoard::kFields && board_.field(field).faceUp)
            services_.narrator.say(plainNumber(board_.digit(field)));
    });
}

void MemoryWindow::step(const std::function<void()>& action)
{
    const bool wonBefore = board_.won();
    action();
    render();
    // The result is told once, when the last pair is found.
    if (!wonBefore && board_.won()) showResult();
}

void MemoryWindow::exitClick()
{
    const platform::Message question{QStringLiteral("  Dieses Spiel jetzt beenden?"), QStringLiteral("Zahlenmemory"),
                                     platform::MsgButtons::YesNo, platform::MsgIcon::Question, true};
    if (services_.dialogs.show(this, question) == platform::MsgResult::Yes) endGame();
}

void MemoryWindow::showResult()
{
    services_.dialogs.show(this,
                           platform::Message{QStringLiteral("  Das Spiel ist beendet!\r"), QStringLiteral("Memory"),
                                             platform::MsgButtons::Ok, platform::MsgIcon::None, false});
    endGame();
}

void MemoryWindow::endGame()
{
    step([this] { board_.endGame(); });
    emit left();
}
