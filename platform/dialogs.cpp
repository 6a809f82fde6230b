#include "dialogs.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

// The window manager writes the title in a font of its own beside its icon and buttons, and cuts what does not fit;
// Qt leaves 50 pixels for all of that. Measured here in the box's own font made bold, which grows with a zoom, with
// eight lines' height for the icon, three buttons and their padding (openbox, as Debian sets it up, needs seven).
// Qt makes a box no narrower than its layout asks: the row of buttons asks.
void keepTitleWhole(QMessageBox& box)
{
    QFont font = box.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QMargins margins = box.layout()->contentsMargins();
    box.findChild<QDialogButtonBox*>()->setMinimumWidth(metrics.horizontalAdvance(box.windowTitle()) +
                                                        8 * metrics.height() - margins.left() - margins.right());
}

} // namespace

QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

MsgResult QtDialogs::show(QWidget* parent, const Message& message)
{
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    keepTitleWhole(box);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(message.text));
    switch (message.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }

    // Button texts are set here, so they read German whatever Qt catalogue is installed.
    if (message.buttons == MsgButtons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MsgResult::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(message.defaultNo ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
}

} // namespace platform
