// The dash settings pages over the real kernel connected to the simulated dash: what a user
// chooses on a page and applies from the header is what the device's block holds afterwards.
#include "PageHost.h"
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "settings/ArdixEnums.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>

using namespace e2e;
using ArdixTest::findItem;

namespace {

constexpr int ExtraOffset = 16588;             // the extra settings area in the dash block
constexpr int LampsAt = ExtraOffset + 44;      // 64 lamp records of 4 bytes, by lamp index
constexpr int LampRecordSize = 4;
constexpr int CommonOffset = 5880;
constexpr int FansAt = CommonOffset + 356;     // three output ports of five bytes

QByteArray lampRecord(const QByteArray &block, int lampIndex)
{
    return block.mid(LampsAt + lampIndex * LampRecordSize, LampRecordSize);
}

} // namespace

class TestUiPages : public QObject
{
    Q_OBJECT

    ArdixTest::PageHost m_host;
    ArdixTest::WarningWatch m_warnings;

private slots:
    void initTestCase()
    {
        setUpApplication();
        registerArdixTypes();
        m_warnings.start();
    }

    void cleanupTestCase()
    {
        m_warnings.check();
    }

    // A lamp bound to a dash input reaches the device; a second lamp cannot take the same input.
    void lampBindingReachesTheDevice()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QQuickItem *settings = m_host.openSettings();
        QVERIFY(settings);
        QTest::qWait(300);
        QQuickItem *page = m_host.clickRow(settings, QStringLiteral("row_Settings_LampsConfig"));
        QVERIFY(page);
        QCOMPARE(page->objectName(), QStringLiteral("lampsConfigDialog"));

        QQuickItem *abs = findItem(page, QStringLiteral("lampRow_%1").arg(ArdixEnums::Lamp_ABS));
        QQuickItem *turn = findItem(page, QStringLiteral("lampRow_%1").arg(ArdixEnums::Lamp_LeftTurn));
        QVERIFY(abs && turn);
        QCOMPARE(lampRecord(r.sim.dashBlock(), ArdixEnums::Lamp_ABS), QByteArray(4, '\0'));

        // "Цифровые входы Ardix", then the first input that is free.
        m_host.stepDown(findItem(abs, QStringLiteral("typeCombo")), 1);
        QVERIFY(abs->property("pending").toBool());
        QQuickItem *channels = findItem(abs, QStringLiteral("channelCombo"));
        for (int i = 0; i < 8 && abs->property("pending").toBool(); ++i)
            m_host.stepDown(channels, 1);
        QVERIFY(!abs->property("pending").toBool());
        QQuickItem *apply = findItem(page, QStringLiteral("applyButtonRight"));
        QVERIFY(apply);
        QTRY_VERIFY(apply->isVisible());
        const QVariantList model = channels->property("model").toList();
        const int input = model.at(channels->property("currentIndex").toInt()).toMap().value(QStringLiteral("value")).toInt();

        // The same input for the left turn (the list shows it disabled; picked anyway): refused with a
        // message, not stored.
        m_host.stepDown(findItem(turn, QStringLiteral("typeCombo")), 1);
        QQuickItem *turnChannels = findItem(turn, QStringLiteral("channelCombo"));
        QMetaObject::invokeMethod(turnChannels, "activated", Q_ARG(int, channels->property("currentIndex").toInt()));
        QVERIFY(!m_host.messages().isEmpty());
        QVERIFY2(m_host.messages().constLast().startsWith(QStringLiteral("Данный вход занят: Неисправность ABS")),
                 qPrintable(m_host.messages().constLast()));
        QVERIFY(turn->property("pending").toBool());

        m_host.click(apply);
        const QByteArray expected = QByteArray::fromRawData("\x0C", 1) + char(input) + QByteArray(2, '\0');
        QTRY_COMPARE_WITH_TIMEOUT(lampRecord(r.sim.dashBlock(), ArdixEnums::Lamp_ABS), expected, 3000);
        QCOMPARE(lampRecord(r.sim.dashBlock(), ArdixEnums::Lamp_LeftTurn), QByteArray(4, '\0'));
        QMetaObject::invokeMethod(settings, "closeStack");
        m_host.close();
    }

    // An on-temperature above its range stays red and never reaches the device; a valid one does.
    void outputPortKeepsBadNumbersOut()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QQuickItem *settings = m_host.openSettings();
        QVERIFY(settings);
        QVariant page;
        QMetaObject::invokeMethod(settings, "openPage", Q_RETURN_ARG(QVariant, page),
                                  Q_ARG(QVariant, QStringLiteral("dialogs/OutputPortConfigDialog.qml")), Q_ARG(QVariant, QVariantMap()));
        auto *outputs = qobject_cast<QQuickItem *>(page.value<QObject *>());
        QVERIFY(outputs);
        QTest::qWait(300);
        QQuickItem *port = findItem(outputs, QStringLiteral("portRow_0"));
        QVERIFY(port);
        QQuickItem *onField = findItem(port, QStringLiteral("onField"));
        QVERIFY(onField && onField->isEnabled()); // port 1 is a fan by default
        const QByteArray before = r.sim.dashBlock().mid(FansAt, 5);

        QVERIFY(m_host.type(onField, "300"));
        QVERIFY(!onField->property("textValid").toBool());
        QQuickItem *apply = findItem(outputs, QStringLiteral("applyButtonRight"));
        QVERIFY(apply && !apply->isVisible());

        QVERIFY(m_host.type(onField, "105"));
        QVERIFY(onField->property("textValid").toBool());
        QTRY_VERIFY(apply->isVisible());
        m_host.click(apply);
        QByteArray expected = before;
        expected[2] = char(105);
        QTRY_COMPARE_WITH_TIMEOUT(r.sim.dashBlock().mid(FansAt, 5), expected, 3000);
        QMetaObject::invokeMethod(settings, "closeStack");
        m_host.close();
    }

    // Typed as a user types: 95 into "вкл." and Enter, 85 into "выкл." and a click on "Применить".
    // Both reach the device and both show; a value out of range then stops the apply with a message
    // naming the field, and the device keeps what it had.
    void typedPortValuesReachTheDeviceExactly()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QQuickItem *settings = m_host.openSettings();
        QVERIFY(settings);
        QVariant page;
        QMetaObject::invokeMethod(settings, "openPage", Q_RETURN_ARG(QVariant, page),
                                  Q_ARG(QVariant, QStringLiteral("dialogs/OutputPortConfigDialog.qml")), Q_ARG(QVariant, QVariantMap()));
        auto *outputs = qobject_cast<QQuickItem *>(page.value<QObject *>());
        QVERIFY(outputs);
        QTRY_COMPARE(outputs->opacity(), 1.0);
        QQuickItem *port = findItem(outputs, QStringLiteral("portRow_0"));
        QQuickItem *onField = findItem(port, QStringLiteral("onField"));
        QQuickItem *offField = findItem(port, QStringLiteral("offField"));
        QQuickItem *apply = findItem(outputs, QStringLiteral("applyButtonRight"));
        QVERIFY(onField && offField && apply);
        const QByteArray before = r.sim.dashBlock().mid(FansAt, 5);

        QVERIFY(m_host.typeKeys(onField, QStringLiteral("95")));
        QTest::keyClick(m_host.window(), Qt::Key_Return);
        QVERIFY(m_host.typeKeys(offField, QStringLiteral("85")));
        QTRY_VERIFY(apply->isVisible());
        m_host.click(apply);

        QByteArray expected = before;
        expected[2] = char(95);
        expected[3] = char(85);
        QTRY_COMPARE_WITH_TIMEOUT(r.sim.dashBlock().mid(FansAt, 5), expected, 4000);
        QCOMPARE(onField->property("text").toString(), QStringLiteral("95"));
        QCOMPARE(offField->property("text").toString(), QStringLiteral("85"));
        QTRY_VERIFY(!r.kernel->currentArdixSettings()->hasChanges());

        // Out of range and a click on the header's apply, made visible by a valid change first.
        QVERIFY(m_host.typeKeys(onField, QStringLiteral("96")));
        QTest::keyClick(m_host.window(), Qt::Key_Tab);
        QVERIFY(m_host.typeKeys(offField, QStringLiteral("300")));
        QTRY_VERIFY(apply->isVisible());
        const int messagesBefore = m_host.messages().size();
        r.sim.clearReceived();
        m_host.click(apply);
        QCOMPARE(m_host.messages().size(), messagesBefore + 1);
        QVERIFY2(m_host.messages().constLast().contains(QStringLiteral("Выход #1: выкл.")), qPrintable(m_host.messages().constLast()));
        QVERIFY2(m_host.messages().constLast().contains(QStringLiteral("от 0 до 250")), qPrintable(m_host.messages().constLast()));
        QTest::qWait(1500);
        QCOMPARE(r.sim.dashBlock().mid(FansAt, 5), expected);
        for (const SimFrame &f : r.sim.received())
            QVERIFY2(f.action != 0, "no settings were sent");
        QVERIFY(!outputs->property("isClosing").toBool());
        QMetaObject::invokeMethod(settings, "closeStack");
        m_host.close();
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    TestUiPages test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_pages.moc"
