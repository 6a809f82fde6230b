// Reads the program's windows as a screen reader does, over AT-SPI: every object of
// every application on the accessibility bus, one a line, indented by depth:
//   a11yprobe                     prints "ROLE: NAME" lines, line breaks in names as \n, followed
//                                 by " [checked]" and " [focused]" where those states are set
// Message boxes and labels hand their texts to AT-SPI, so a test can check what a
// box says without reading pixels. The bus address comes from the session bus.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <cstdio>

namespace {

struct Ref {
    QString service;
    QString path;
};

QDBusMessage call(QDBusConnection& bus, const Ref& ref, const QString& interface, const QString& method,
                  const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(ref.service, ref.path, interface, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, 3000);
}

QList<Ref> children(QDBusConnection& bus, const Ref& ref)
{
    const QDBusMessage reply = call(bus, ref, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren"));
    QList<Ref> refs;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return refs;
    const auto argument = reply.arguments().first().value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        Ref child;
        QDBusObjectPath path;
        argument.beginStructure();
        argument >> child.service >> path;
        argument.endStructure();
        child.path = path.path();
        refs.append(child);
    }
    argument.endArray();
    return refs;
}

QString text(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return QStringLiteral("?");
    QVariant value = reply.arguments().first();
    if (value.canConvert<QDBusVariant>()) value = value.value<QDBusVariant>().variant();
    return value.toString();
}

// The states a test asks about, from AT-SPI's state set (bit n of word n / 32).
QString states(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    const auto words = qdbus_cast<QList<uint>>(reply.arguments().first());
    const auto has = [&](int state) { return words.size() > state / 32 && (words[state / 32] >> (state % 32) & 1); };
    constexpr int kChecked = 4, kFocused = 12;
    return QString(has(kChecked) ? QStringLiteral(" [checked]") : QString()) +
           (has(kFocused) ? QStringLiteral(" [focused]") : QString());
}

void dump(QDBusConnection& bus, const Ref& ref, int depth)
{
    if (depth > 40) return;
    const QString role = text(call(bus, ref, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetRoleName")));
    QString name = text(call(bus, ref, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                             {QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("Name")}));
    name.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    const QString state = states(call(bus, ref, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetState")));
    std::printf("%s%s: %s%s\n", QByteArray(2 * depth, ' ').constData(), qPrintable(role), qPrintable(name),
                qPrintable(state));
    for (const Ref& child : children(bus, ref)) dump(bus, child, depth + 1);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QDBusConnection session = QDBusConnection::sessionBus();
    const QDBusMessage reply = session.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"),
        QStringLiteral("GetAddress")));
    if (reply.type() != QDBusMessage::ReplyMessage) return std::fprintf(stderr, "no accessibility bus\n"), 2;
    QDBusConnection bus = QDBusConnection::connectToBus(reply.arguments().first().toString(), QStringLiteral("a11y"));
    if (!bus.isConnected()) return std::fprintf(stderr, "cannot reach the accessibility bus\n"), 2;
    const Ref registry{QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/accessible/root")};
    for (const Ref& application : children(bus, registry)) dump(bus, application, 0);
    return 0;
}
