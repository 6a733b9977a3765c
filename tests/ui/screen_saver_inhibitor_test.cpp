#include "ui/screen_saver_inhibitor.h"

#include <mutex>
#include <vector>

#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_application.h"

namespace quor {
namespace {

using ::testing::ElementsAre;

TEST(screen_saver_inhibitor_test, does_nothing_without_a_bus) {
    testing::test_application();
    QDBusConnection missing =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("missing"));
    {
        screen_saver_inhibitor inhibitor(missing);
        EXPECT_FALSE(inhibitor.active());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("missing"));
}

// Plays the desktop's screen-saver service: hands out cookie 77 and notes the calls.
class fake_screen_saver : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        std::lock_guard lock(mutex_);
        if (message.member() == QStringLiteral("Inhibit") && message.arguments().size() == 2) {
            calls_.push_back("Inhibit " + message.arguments().at(1).toString().toStdString());
            connection.send(message.createReply(QVariant::fromValue(quint32(77))));
            return true;
        }
        if (message.member() == QStringLiteral("UnInhibit") && message.arguments().size() == 1) {
            calls_.push_back("UnInhibit " + std::to_string(message.arguments().at(0).toUInt()));
            connection.send(message.createReply());
            return true;
        }
        return false;
    }
    std::vector<std::string> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

TEST(screen_saver_inhibitor_test, inhibits_while_alive_on_a_bus_with_the_service) {
    testing::test_application();
    QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) GTEST_SKIP() << "no dbus-daemon to run a private bus";
    QProcess bus_process;
    bus_process.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                               QStringLiteral("--print-address")});
    ASSERT_TRUE(bus_process.waitForReadyRead(5000));
    QString address = QString::fromUtf8(bus_process.readLine()).trimmed();

    // The service answers from its own thread while the inhibitor waits for it.
    QThread service_thread;
    service_thread.start();
    fake_screen_saver service;
    service.moveToThread(&service_thread);
    QDBusConnection service_bus = QDBusConnection::connectToBus(address, QStringLiteral("service"));
    ASSERT_TRUE(service_bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
    ASSERT_TRUE(service_bus.registerVirtualObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &service));

    QDBusConnection client_bus = QDBusConnection::connectToBus(address, QStringLiteral("client"));
    {
        screen_saver_inhibitor inhibitor(client_bus);
        EXPECT_TRUE(inhibitor.active());
        EXPECT_THAT(service.calls(), ElementsAre("Inhibit Full-screen animation running"));
    }
    EXPECT_THAT(service.calls(), ElementsAre("Inhibit Full-screen animation running", "UnInhibit 77"));

    service_bus.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    service_thread.quit();
    service_thread.wait();
    bus_process.terminate();
    bus_process.waitForFinished(5000);
}

}  // namespace
}  // namespace quor
