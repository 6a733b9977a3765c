#include "ui/screen_saver_inhibitor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace quor {

namespace {

const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString object_path = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString interface_name = QStringLiteral("org.freedesktop.ScreenSaver");
// Start-up must not hang on a service that does not answer.
constexpr int call_timeout = 2000;  // milliseconds

}  // namespace

screen_saver_inhibitor::screen_saver_inhibitor(const QDBusConnection& bus) : bus_(bus) {
    if (!bus_.isConnected()) return;
    QDBusConnectionInterface* bus_service = bus_.interface();
    if (!bus_service || !bus_service->isServiceRegistered(service).value()) return;

    QDBusMessage call = QDBusMessage::createMethodCall(service, object_path, interface_name,
                                                      QStringLiteral("Inhibit"));
    QString application = QCoreApplication::applicationName();
    call << (application.isEmpty() ? QStringLiteral("quorrings") : application)
         << QStringLiteral("Full-screen animation running");
    QDBusReply<quint32> reply = bus_.call(call, QDBus::Block, call_timeout);
    if (!reply.isValid()) return;
    cookie_ = reply.value();
    active_ = true;
}

screen_saver_inhibitor::~screen_saver_inhibitor() {
    if (!active_) return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, object_path, interface_name,
                                                      QStringLiteral("UnInhibit"));
    call << cookie_;
    bus_.call(call, QDBus::Block, call_timeout);
}

}  // namespace quor
