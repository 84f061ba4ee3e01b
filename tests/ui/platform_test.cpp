// Which Qt platform the program picks from the session it starts in.
#include <toolkit/platform.hpp>

#include <QMap>
#include <QTest>

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void preferredPlatform_data()
    {
        QTest::addColumn<QString>("environment"); // NAME=value pairs
        QTest::addColumn<QString>("platform");    // "" leaves it to Qt
        // clang-format off
        QTest::newRow("X11 session")            << "XDG_SESSION_TYPE=x11 DISPLAY=:0"                              << "";
        QTest::newRow("Wayland with XWayland")  << "XDG_SESSION_TYPE=wayland DISPLAY=:0"                          << "xcb";
        QTest::newRow("Wayland display only")   << "WAYLAND_DISPLAY=wayland-0 DISPLAY=:1"                         << "xcb";
        QTest::newRow("Wayland without X")      << "XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=w-0"                 << "";
        QTest::newRow("user's choice kept")     << "XDG_SESSION_TYPE=wayland DISPLAY=:0 QT_QPA_PLATFORM=wayland" << "";
        QTest::newRow("nothing set")            << ""                                                             << "";
        // clang-format on
    }
    void preferredPlatform()
    {
        QFETCH(QString, environment);
        QFETCH(QString, platform);
        QMap<QByteArray, QByteArray> variables;
        for (const QString& pair : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            variables.insert(pair.section(QLatin1Char('='), 0, 0).toUtf8(),
                             pair.section(QLatin1Char('='), 1).toUtf8());
        const auto chosen = toolkit::preferredPlatform(
            [&](const char* name) { return variables.value(QByteArray(name)); });
        QCOMPARE(QString::fromUtf8(chosen.value_or(QByteArray())), platform);
    }
};

QTEST_APPLESS_MAIN(PlatformTest)
#include "platform_test.moc"
