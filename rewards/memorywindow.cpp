#include "memorywindow.h"

#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/numbertext.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QCloseEvent>

using platform::designFont;
using platform::kLightGrey;
using platform::kNavy;
using platform::kSansSerif;
using platform::Label;
using platform::plainNumber;

namespace {

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
    // Where the window opens is left to the window system.
    platform::setupFixedWindow(this, QStringLiteral("memo"), QStringLiteral("Zahlenmemo"), 5805, 5325, kNavy);
    setFont(designFont(kSansSerif, 8.25));

    auto* exitButton = platform::pictureButton(QStringLiteral("Bild1"), this, QRect(240, 120, 495, 495),
                                               artwork::icon("exit"), kNavy, QStringLiteral("Spiel beenden"));
    connect(exitButton, &platform::PictureBox::clicked, this, &MemoryWindow::exitClick);

    auto* instructions = new Label(QStringLiteral("Bezeichnung19"), this, QRect(840, 120, 4695, 495));
    instructions->setCaption(QStringLiteral("Zahlenmemory: Immer zwei Felder haben die gleichen Ziffern,  "
                                            "klicke die Felder an und suche so alle Paare."));
    instructions->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    instructions->setForeColor(platform::kDeepBlue);
    instructions->setBackColor(kLightGrey);
    instructions->setSingleBorder();

    auto* panel = new platform::Shape(QStringLiteral("Figur1"), this, QRect(240, 840, 5295, 4215));
    panel->setFill(kLightGrey);

    buildFields();
    buildStateLabels();
    step([] {});
}

void MemoryWindow::buildFields()
{
    for (int k = 1; k <= MemoryBoard::kFields; ++k) {
        const int row = (k - 1) / 6;
        const int column = (k - 1) % 6;
        auto* field = new Label(QStringLiteral("Bezeichnung%1").arg(k), this,
                                QRect(480 + 840 * column, 1080 + 1320 * row, 615, 1095));
        field->setFont(designFont(kSansSerif, 18));
        field->setForeColor(Qt::white);
        field->setSingleBorder();
        field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        field->setSpokenRole(QStringLiteral("Feld %1").arg(k));
        connect(field, &Label::clicked, this, [this, k] { fieldClick(k); });
        fields_[static_cast<std::size_t>(k - 1)] = field;
    }
}

void MemoryWindow::buildStateLabels()
{
    // The game's state, never seen, in a strip along the bottom edge.
    const std::array<std::pair<int, int>, 6> leftAndWidth = {
        {{240, 255}, {600, 1455}, {2160, 1455}, {3720, 495}, {4320, 495}, {4920, 615}}};
    for (std::size_t i = 0; i < stateLabels_.size(); ++i) {
        auto* label = new Label(QStringLiteral("Bezeichnung%1").arg(20 + i), this,
                                QRect(leftAndWidth[i].first, 5040, leftAndWidth[i].second, 255));
        label->hide();
        stateLabels_[i] = label;
    }
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
    step([this, field] { board_.click(field); });
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
