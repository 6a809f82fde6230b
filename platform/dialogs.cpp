#include "dialogs.h"

#include "scale.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace platform {

QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

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

// The box is drawn at the scale of the window it stands over: texts, buttons and icon; and each line of the text
// keeps to one line, as Qt would otherwise wrap a box wider than half the screen.
void drawAtScale(QMessageBox& box, const Scale& scale, MsgIcon icon)
{
    if (scale.factor == 1.0) return;
    // Buttons may have a font of the desktop theme's own; the rest takes the box's, set before the text.
    for (QPushButton* button : box.findChildren<QPushButton*>()) button->setFont(box.font());
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString& line : label->text().split(u'\n'))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        label->setMinimumWidth(widest);
    }
    if (icon == MsgIcon::None) return;
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const QStyle::StandardPixmap pixmap =
        icon == MsgIcon::Question ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxCritical;
    box.setIconPixmap(box.style()->standardIcon(pixmap, nullptr, &box).pixmap(qRound(side * scale.factor)));
}

} // namespace

MsgResult QtDialogs::show(QWidget* parent, const Message& message)
{
    QMessageBox box(parent);
    const Scale scale = parent ? scaleOf(parent) : Scale();
    box.setFont(scale.font(box.font()));
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
    QPushButton* yes = nullptr;
    if (message.buttons == MsgButtons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    } else {
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(message.defaultNo ? no : yes);
        box.setEscapeButton(no);
    }
    drawAtScale(box, scale, message.icon);
    box.exec();
    if (message.buttons == MsgButtons::Ok) return MsgResult::Ok;
    return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
}

} // namespace platform
