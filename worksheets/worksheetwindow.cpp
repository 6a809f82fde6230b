#include "worksheetwindow.h"

#include "sheetoutput.h"

#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QShowEvent>

using platform::designFont;
using platform::kBlue;
using platform::kLightGrey;
using platform::kNavy;
using platform::kRed;
using platform::kSansSerif;
using platform::Label;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

const QColor kExitBack(0, 0, 192);
const QColor kGrey(192, 192, 192);
constexpr int kListHeight = 5700;
const QString kPrintTitle = QStringLiteral("Pelko-Morvelt: Drucken");

Label* stateLabel(const char* name, QWidget* parent, int top, const QString& caption, const QColor& fore)
{
    auto* label = new Label(QString::fromLatin1(name), parent, QRect(120, top, 1095, 375));
    label->setFont(designFont(kSansSerif, 9.75));
    label->setForeColor(fore);
    label->setBackColor(kLightGrey);
    label->setSingleBorder();
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setCaption(caption);
    return label;
}

Label* heading(const char* name, QWidget* parent, int left, const QString& caption, const QString& spoken)
{
    auto* label = new Label(QString::fromLatin1(name), parent, QRect(left, 120, 3375, 255));
    label->setForeColor(Qt::white);
    label->setBackColor(kNavy);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setCaption(caption);
    label->setAccessibleName(spoken); // the spaced-out caption would be spelt out letter by letter
    return label;
}

QListWidget* sheetList(const char* name, QWidget* parent, int left)
{
    auto* list = platform::listBox(QString::fromLatin1(name), parent, QRect(left, 360, 3375, kListHeight), kLightGrey,
                                   Qt::black);
    // The lines are fixed-width columns: they fit whole, and only long sheets scroll down.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

} // namespace

WorksheetWindow::WorksheetWindow(platform::Services& services, SheetSettings& settings,
                                 std::function<bool()> printingLocked, QWidget* parent)
    : SideWindow(parent), services_(services), settings_(settings), printingLocked_(std::move(printingLocked))
{
    platform::setupFixedWindow(this, QStringLiteral("Form3"), QStringLiteral("Pelko-Morvelt: Arbeitsblatt"), 8400, 6165,
                               kGrey);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(designFont(kSansSerif, 8.25));

    buildBar();
    buildLists();
    platform::centreOnScreen(this);
}

void WorksheetWindow::buildBar()
{
    auto* bar = new platform::Shape(QStringLiteral("Figur1"), this, QRect(0, 0, 1335, 6255));
    bar->setFill(kNavy);
    bar->setBorderVisible(false);

    auto button = [this](const char* name, int left, int top, const char* icon, const QString& tip,
                         const QColor& back = kNavy) {
        return platform::pictureButton(QString::fromLatin1(name), this, QRect(left, top, 495, 495), artwork::icon(icon),
                                       back, tip);
    };
    connect(button("Bild1", 120, 120, "exit", QStringLiteral("Zurück zum Spiel"), kExitBack),
            &platform::PictureBox::clicked, this, &WorksheetWindow::left);
    connect(button("Bild2", 720, 120, "newsheet", QStringLiteral("Neues Arbeitsblatt")), &platform::PictureBox::clicked,
            this, [this] { step(Action::NewSheet); });
    connect(button("Bild3", 120, 720, "dice", QStringLiteral("Anzahl der Würfel")), &platform::PictureBox::clicked,
            this, [this] { step(Action::NextDice); });
    connect(button("Bild4", 720, 720, "range", QStringLiteral("Zahlenraum")), &platform::PictureBox::clicked, this,
            [this] { step(Action::NextRange); });
    connect(button("Bild5", 120, 1320, "printtasks", QStringLiteral("Aufgaben drucken")),
            &platform::PictureBox::clicked, this, [this] { step(Action::PrintTasks); });
    connect(button("Bild6", 720, 1320, "printsolutions", QStringLiteral("Lösungen drucken")),
            &platform::PictureBox::clicked, this, [this] { step(Action::PrintSolutions); });
    connect(button("Bild7", 120, 1920, "copytasks", QStringLiteral("Aufgaben kopieren")),
            &platform::PictureBox::clicked, this, [this] { step(Action::CopyTasks); });
    connect(button("Bild8", 720, 1920, "copysolutions", QStringLiteral("Lösungen kopieren")),
            &platform::PictureBox::clicked, this, [this] { step(Action::CopySolutions); });

    printerState_ = stateLabel("Bezeichnung12", this, 4200, QStringLiteral("Drucker"), kRed);
    range_ = stateLabel("Bezeichnung5", this, 4680, QStringLiteral("900-1000"), kBlue);
    dice_ = stateLabel("Bezeichnung6", this, 5160, QStringLiteral(" 1 Würfel"), kBlue);
    count_ = stateLabel("Bezeichnung2", this, 5640, QStringLiteral("100 Aufg."), kBlue);
}

void WorksheetWindow::buildLists()
{
    heading("Bezeichnung1", this, 1440, QStringLiteral("A u f g a b e n"), QStringLiteral("Aufgaben"));
    heading("Bezeichnung3", this, 4920, QStringLiteral("L ö s u n g e n"), QStringLiteral("Lösungen"));
    tasks_ = sheetList("Liste1", this, 1440);
    solutions_ = sheetList("Liste2", this, 4920);
    platform::nameForUsers(tasks_, QStringLiteral("Aufgaben"));
    platform::nameForUsers(solutions_, QStringLiteral("Lösungen"));
    // Focus on showing would mark the first line as chosen before anyone chose it.
    for (QListWidget* list : {tasks_, solutions_}) list->setFocusPolicy(Qt::ClickFocus);
    // A line chosen in one list is shown with its partner in the other.
    connect(tasks_, &QListWidget::currentRowChanged, solutions_, [this](int row) { solutions_->setCurrentRow(row); });
    connect(solutions_, &QListWidget::currentRowChanged, tasks_, [this](int row) { tasks_->setCurrentRow(row); });
}

void WorksheetWindow::activate()
{
    for (QListWidget* list : {tasks_, solutions_}) list->resize(list->width(), platform::px(kListHeight));
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
