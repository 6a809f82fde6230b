#include "worksheetwindow.h"

#include "sheetoutput.h"

#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/design.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QListWidget>

using platform::ControlSpec;
using platform::kBlue;
using platform::kDeepBlue;
using platform::kLightGrey;
using platform::kNavy;
using platform::kRed;
using platform::kSansSerif;
using platform::Label;
using platform::MsgButtons;
using platform::MsgIcon;
using Kind = platform::ControlSpec::Kind;

namespace {

constexpr int kListHeight = 5700;
const QString kPrintTitle = QStringLiteral("Pelko-Morvelt: Drucken");

enum Role {
    Exit,
    NewSheet,
    Dice,
    Range,
    PrintTasks,
    PrintSolutions,
    CopyTasks,
    CopySolutions,
    PrinterState,
    RangeState,
    DiceState,
    CountState,
    TaskList,
    SolutionList
};

ControlSpec button(Role role, const char* name, int left, int top, const char* icon, const QString& tip)
{
    return {.kind = Kind::Button,
            .role = role,
            .name = name,
            .twips = {left, top, 495, 495},
            .back = role == Exit ? kDeepBlue : kNavy,
            .spoken = tip,
            .picture = artwork::icon(icon)};
}

ControlSpec stateLabel(Role role, const char* name, int top, const QString& caption, const QColor& fore)
{
    return {.role = role,
            .name = name,
            .twips = {120, top, 1095, 375},
            .font = {kSansSerif, 9.75},
            .back = kLightGrey,
            .fore = fore,
            .align = Qt::AlignHCenter | Qt::AlignTop,
            .look = platform::look::kSunken,
            .caption = caption};
}

// The spaced-out caption would be spelt out letter by letter: it is read as the word.
ControlSpec heading(const char* name, int left, const QString& caption, const QString& word)
{
    return {.name = name,
            .twips = {left, 120, 3375, 255},
            .back = kNavy,
            .fore = Qt::white,
            .align = Qt::AlignHCenter | Qt::AlignTop,
            .caption = caption,
            .readAs = word};
}

ControlSpec sheetList(Role role, const char* name, int left, const QString& spoken)
{
    return {.kind = Kind::List,
            .role = role,
            .name = name,
            .twips = {left, 360, 3375, kListHeight},
            .back = kLightGrey,
            .fore = Qt::black,
            .spoken = spoken};
}

platform::Design design()
{
    return {
        {.kind = Kind::Frame, .name = "Figur1", .twips = {0, 0, 1335, 6255}, .back = kNavy},
        button(Exit, "Bild1", 120, 120, "exit", QStringLiteral("Zurück zum Spiel")),
        button(NewSheet, "Bild2", 720, 120, "newsheet", QStringLiteral("Neues Arbeitsblatt")),
        button(Dice, "Bild3", 120, 720, "dice", QStringLiteral("Anzahl der Würfel")),
        button(Range, "Bild4", 720, 720, "range", QStringLiteral("Zahlenraum")),
        button(PrintTasks, "Bild5", 120, 1320, "printtasks", QStringLiteral("Aufgaben drucken")),
        button(PrintSolutions, "Bild6", 720, 1320, "printsolutions", QStringLiteral("Lösungen drucken")),
        button(CopyTasks, "Bild7", 120, 1920, "copytasks", QStringLiteral("Aufgaben kopieren")),
        button(CopySolutions, "Bild8", 720, 1920, "copysolutions", QStringLiteral("Lösungen kopieren")),
        stateLabel(PrinterState, "Bezeichnung12", 4200, QStringLiteral("Drucker"), kRed),
        stateLabel(RangeState, "Bezeichnung5", 4680, QStringLiteral("900-1000"), kBlue),
        stateLabel(DiceState, "Bezeichnung6", 5160, QStringLiteral(" 1 Würfel"), kBlue),
        stateLabel(CountState, "Bezeichnung2", 5640, QStringLiteral("100 Aufg."), kBlue),
        heading("Bezeichnung1", 1440, QStringLiteral("A u f g a b e n"), QStringLiteral("Aufgaben")),
        heading("Bezeichnung3", 4920, QStringLiteral("L ö s u n g e n"), QStringLiteral("Lösungen")),
        sheetList(TaskList, "Liste1", 1440, QStringLiteral("Aufgaben")),
        sheetList(SolutionList, "Liste2", 4920, QStringLiteral("Lösungen")),
    };
}

} // namespace

WorksheetWindow::WorksheetWindow(platform::Services& services, SheetSettings& settings,
                                 std::function<bool()> printingLocked, QWidget* parent)
    : SideWindow(parent), services_(services), settings_(settings), printingLocked_(std::move(printingLocked))
{
    platform::setupFixedWindow(this, QStringLiteral("Form3"), QStringLiteral("Pelko-Morvelt: Arbeitsblatt"), 8400, 6165,
                               platform::kSilver);
    setAttribute(Qt::WA_DeleteOnClose);
    platform::setDesignFont(this, platform::designFont(kSansSerif, 8.25));

    const platform::Controls controls = platform::buildControls(this, design());
    printerState_ = controls.at<Label>(PrinterState);
    range_ = controls.at<Label>(RangeState);
    dice_ = controls.at<Label>(DiceState);
    count_ = controls.at<Label>(CountState);
    tasks_ = controls.at<QListWidget>(TaskList);
    solutions_ = controls.at<QListWidget>(SolutionList);

    const auto onClick = [&](Role role, auto handler) {
        connect(controls.at<platform::PictureBox>(role), &platform::PictureBox::clicked, this, handler);
    };
    onClick(Exit, &WorksheetWindow::left);
    onClick(NewSheet, [this] { step(Action::NewSheet); });
    onClick(Dice, [this] { step(Action::NextDice); });
    onClick(Range, [this] { step(Action::NextRange); });
    onClick(PrintTasks, [this] { step(Action::PrintTasks); });
    onClick(PrintSolutions, [this] { step(Action::PrintSolutions); });
    onClick(CopyTasks, [this] { step(Action::CopyTasks); });
    onClick(CopySolutions, [this] { step(Action::CopySolutions); });

    for (QListWidget* list : {tasks_, solutions_}) {
        // The lines are fixed-width columns: they fit whole, and only long sheets scroll down.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Focus on showing would mark the first line as chosen before anyone chose it.
        list->setFocusPolicy(Qt::ClickFocus);
    }
    // A line chosen in one list is shown with its partner in the other.
    connect(tasks_, &QListWidget::currentRowChanged, solutions_, [this](int row) { solutions_->setCurrentRow(row); });
    connect(solutions_, &QListWidget::currentRowChanged, tasks_, [this](int row) { tasks_->setCurrentRow(row); });
    platform::centreOnScreen(this);
}

void WorksheetWindow::activate()
{
    for (QListWidget* list : {tasks_, solutions_}) {
        QRect design = platform::designRect(list);
        design.setHeight(kListHeight);
        platform::placeAt(list, design);
    }
    printerState_->setForeColor(printingLocked_() ? kRed : kBlue);
    step(Action::Show);
}

void WorksheetWindow::step(Action action)
{
    switch (action) {
    case Action::PrintTasks:
        return printLines(sheet_.tasks, QStringLiteral("Die Aufgaben jetzt ausdrucken?"),
                          QStringLiteral("Aufgaben werden gedruckt ...\r\r"));
    case Action::PrintSolutions:
        return printLines(sheet_.solutions, QStringLiteral("Die Lösungen jetzt ausdrucken?"),
                          QStringLiteral("Lösungen werden gedruckt ...\r\r"));
    case Action::CopyTasks: return copyLines(sheet_.tasks, QStringLiteral("Die Aufgaben wurden kopiert!\r"));
    case Action::CopySolutions: return copyLines(sheet_.solutions, QStringLiteral("Die Lösungen wurden kopiert!\r"));
    case Action::NextDice: settings_.sheetDice = worksheets::nextSheetDice(settings_.sheetDice); break;
    case Action::NextRange: settings_.sheetRangeBase = worksheets::nextSheetRangeBase(settings_.sheetRangeBase); break;
    case Action::Show:
    case Action::NewSheet: break;
    }
    // The buttons for a new sheet and for the dice want a sheet that fits on a page; showing and the range take any.
    const bool page = action == Action::NewSheet || action == Action::NextDice;
    showSheet(page ? worksheets::buildPageSheet(services_.random, settings_) : buildSheet(services_.random, settings_));
    range_->setCaption(worksheets::rangeCaption(settings_.sheetRangeBase));
    // The dice button writes its count plainly, where a showing leaves a blank for a second digit.
    if (action == Action::Show) dice_->setCaption(worksheets::diceCaption(settings_.sheetDice));
    if (action == Action::NextDice) dice_->setCaption(worksheets::chosenDiceCaption(settings_.sheetDice));
}

void WorksheetWindow::showSheet(Sheet sheet)
{
    sheet_ = std::move(sheet);
    tasks_->clear();
    solutions_->clear();
    tasks_->addItems(sheet_.tasks);
    solutions_->addItems(sheet_.solutions);
    count_->setCaption(worksheets::countCaption(sheet_.tasks.size()));
}

void WorksheetWindow::printLines(QStringList lines, const QString& question, const QString& done)
{
    if (printingLocked_()) {
        message(QStringLiteral("Der Drucker ist gesperrt!\r"), QStringLiteral("Drucken"));
        return;
    }
    const platform::Message ask{question, kPrintTitle, MsgButtons::YesNo, MsgIcon::Question, true};
    if (services_.dialogs.show(this, ask) == platform::MsgResult::No) return;

    worksheets::printSheet(services_.printer, lines);
    switch (services_.printer.endDoc()) {
    case platform::PrintResult::Printed: message(done, kPrintTitle); break;
    // Nothing came out of the printer, so saying that it prints would send the child to wait.
    case platform::PrintResult::NoPrinter:
        message(QStringLiteral("Es ist kein Drucker eingerichtet.\rDas Arbeitsblatt wurde nicht gedruckt.\r"),
                kPrintTitle, MsgIcon::Critical);
        break;
    case platform::PrintResult::Failed:
        message(QStringLiteral("Der Druckauftrag konnte nicht ausgeführt werden.\r"
                               "Das Arbeitsblatt wurde nicht gedruckt.\r"),
                kPrintTitle, MsgIcon::Critical);
        break;
    }
}

void WorksheetWindow::copyLines(QStringList lines, const QString& done)
{
    if (services_.clipboard.setText(worksheets::clipboardText(lines)))
        message(done, QStringLiteral("Ablage"));
    else // pasting would bring up something else, or nothing
        message(QStringLiteral("Die Ablage hat den Text nicht angenommen.\rEs wurde nichts kopiert.\r"),
                QStringLiteral("Ablage"), MsgIcon::Critical);
}

void WorksheetWindow::message(const QString& text, const QString& title, MsgIcon icon)
{
    services_.dialogs.show(this, platform::Message{text, title, MsgButtons::Ok, icon, false});
}
