// Reads the program's windows as a screen reader does, over AT-SPI on the session's accessibility bus:
//   a11yprobe [TITLE]   prints the name of every object inside the window of that title that has one, one
//                       a line, line breaks as \n; fails while the accessibility bus cannot be reached
// Labels and message boxes hand their texts to AT-SPI, so a test can check what a box says without pixels.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <cstdio>

namespace {

const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");

QVariant call(const QString& service, const QString& path, const QString& interface, const QString& method,
              const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection(QStringLiteral("a11y")).call(message, QDBus::Block, 3000).arguments().value(0);
}

// Prints each object met once `inside` the one named `title`.
void walk(const QString& service, const QString& path, const QString& title, bool inside)
{
    QString name = call(service, path, "org.freedesktop.DBus.Properties", "Get", {kAccessible, "Name"})
                       .value<QDBusVariant>()
                       .variant()
                       .toString();
    if (inside && !name.isEmpty()) std::printf("%s\n", qPrintable(name.replace(u'\n', QStringLiteral("\\n"))));
    const auto children = call(service, path, kAccessible, "GetChildren").value<QDBusArgument>();
    if (children.currentType() != QDBusArgument::ArrayType) return;
    children.beginArray();
    while (!children.atEnd()) {
        QString childService;
        QDBusObjectPath childPath;
        children.beginStructure();
        children >> childService >> childPath;
        children.endStructure();
        walk(childService, childPath.path(), title, inside || name == title);
    }
    children.endArray();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QDBusMessage address = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"));
    if (address.type() != QDBusMessage::ReplyMessage ||
        !QDBusConnection::connectToBus(address.arguments().value(0).toString(), "a11y").isConnected())
        return std::fprintf(stderr, "cannot reach the accessibility bus\n"), 2;
    if (argc > 1) walk("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root", argv[1], false);
    return 0;
}
