// The settings stack over the real kernel connected to the simulated dash: a change made in a
// menu row and applied from the header reaches the device's block.
#include "PageHost.h"
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "settings/ArdixEnums.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>

using namespace e2e;
using ArdixTest::findItem;

namespace {

constexpr int CommonOffset = 5880; // the common settings record in the dash block
constexpr int Can1BaudAt = CommonOffset + 1;

} // namespace

class TestUiSettings : public QObject
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

    void canSpeedRowReachesTheDevice()
    {
        Rig r;
        r.sim.setDashBlock(storedDashBlock());
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 8000);

        QVERIFY(m_host.open(r.kernel.get(), QSize(900, 515)));
        QQuickItem *settings = m_host.openSettings();
        QVERIFY(settings);

        QQuickItem *combo = findItem(settings, QStringLiteral("canSpeedCombo"));
        QQuickItem *apply = findItem(settings, QStringLiteral("applyButtonRight"));
        QVERIFY(combo && apply);
        QVERIFY(!apply->isVisible());
        const qint8 before = qint8(r.sim.dashBlock().at(Can1BaudAt));
        const qint8 wanted = before == ArdixEnums::CanbusBaud_500kbps ? ArdixEnums::CanbusBaud_250kbps
                                                                      : ArdixEnums::CanbusBaud_500kbps;
        // The user steps the combo with the arrow keys, then applies from the header.
        combo->forceActiveFocus();
        for (int i = 0; i < 5 && combo->property("currentIndex").toInt() != wanted + 1; ++i)
            QTest::keyClick(m_host.window(), combo->property("currentIndex").toInt() > wanted + 1 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(combo->property("currentIndex").toInt(), wanted + 1);
        QTRY_VERIFY(apply->isVisible());

        synced.clear();
        m_host.click(apply);
        QTRY_COMPARE_WITH_TIMEOUT(qint8(r.sim.dashBlock().at(Can1BaudAt)), wanted, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 3000);
        QVERIFY(!apply->isVisible());
        QCOMPARE(r.sim.dashBlock(), storedDashBlock());
        m_host.close();
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    // The application's font, as the window sets it, so that the pictures show the real widths.
    const int font = QFontDatabase::addApplicationFont(QStringLiteral(":/ARDIX/fonts/RobotoCondensed-MediumItalic.ttf"));
    if (font >= 0)
        QGuiApplication::setFont(QFont(QFontDatabase::applicationFontFamilies(font).value(0)));
    TestUiSettings test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_settings.moc"
