#include "dialogs.h"

#include "scale.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace platform {

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
    // The box is drawn at the scale of the window it stands over, icon and all.
    if (parent) box.setFont(scaleOf(parent).font(box.font()));
    box.setWindowTitle(message.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(message.text));
    switch (message.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    if (const double factor = parent ? scaleOf(parent).factor : 1.0; factor != 1.0 && !box.iconPixmap().isNull()) {
        const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        const QStyle::StandardPixmap icon =
            message.icon == MsgIcon::Question ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxCritical;
        box.setIconPixmap(box.style()->standardIcon(icon, nullptr, &box).pixmap(qRound(side * factor)));
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
