// Where a restored window lands, for stored geometry on present, shifted and vanished screens.
#include "ui/WindowLayout.h"
#include "ui/WindowLayoutHelper.h"

#include <QTest>

class TestWindowLayout : public QObject
{
    Q_OBJECT
private slots:
    void restoredRect_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<int>("ownScreen");
        QTest::addColumn<QRect>("stored"); // x, y, unused width, height; -1 for "not stored"
        QTest::addColumn<QRect>("expected");

        const QRect fullHd(0, 0, 1920, 1080);
        const QRect right(1920, 0, 1280, 800);
        const int w = 900;
        const int h = int(w / 1.6); // 562

        QTest::newRow("first start centres on its screen")
            << QList<QRect>{fullHd} << 0 << QRect(-1, -1, 0, -1) << QRect((1920 - w) / 2, (1080 - h) / 2, w, h);
        QTest::newRow("stored inside stays")
            << QList<QRect>{fullHd} << 0 << QRect(100, 200, 0, 600) << QRect(100, 200, w, 600);
        QTest::newRow("stored off the left edge is pulled 10 inside")
            << QList<QRect>{fullHd} << 0 << QRect(-300, 50, 0, 600) << QRect(10, 50, w, 600);
        QTest::newRow("stored past the bottom right is pulled 10 inside")
            << QList<QRect>{fullHd} << 0 << QRect(1800, 900, 0, 600) << QRect(1920 - w - 10, 1080 - 600 - 10, w, 600);
        QTest::newRow("taller than the screen becomes screen height - 20 at the top")
            << QList<QRect>{fullHd} << 0 << QRect(50, 300, 0, 1500) << QRect(50, 10, w, 1060);
        QTest::newRow("mostly on the second screen goes there")
            << QList<QRect>{fullHd, right} << 0 << QRect(1800, 100, 0, 600) << QRect(1920 + 10, 100, w, 600);
        QTest::newRow("on a screen that no longer exists: own screen")
            << QList<QRect>{fullHd} << 0 << QRect(3000, 100, 0, 600) << QRect(1920 - w - 10, 100, w, 600);
        QTest::newRow("vanished screen, own screen is the second")
            << QList<QRect>{fullHd, right} << 1 << QRect(-5000, -5000, 0, 600) << QRect(1920 + 10, 10, w, 600);
        QTest::newRow("screen left of the primary, negative coordinates")
            << QList<QRect>{QRect(-1280, 0, 1280, 1024), fullHd} << 1 << QRect(-1000, 100, 0, 500)
            << QRect(-1000, 100, w, 500);
        QTest::newRow("height exactly screen height - 20 fits")
            << QList<QRect>{right} << 0 << QRect(1920 + 50, 30, 0, 780) << QRect(1920 + 50, 10, w, 780);
    }

    void restoredRect()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(int, ownScreen);
        QFETCH(QRect, stored);
        QFETCH(QRect, expected);
        const QRect r = WindowLayout::restoredRect(900, stored.x(), stored.y(), stored.height(), screens, ownScreen);
        QCOMPARE(r, expected);
    }

    // The interface passes screens as maps; the helper must read them the same way.
    void helperReadsScreenMaps()
    {
        WindowLayoutHelper helper;
        const QVariantList screens{QVariantMap{{"x", 0}, {"y", 0}, {"width", 1280}, {"height", 800}}};
        QCOMPARE(helper.restoredRect(896, 2000, 2000, 3000, screens, 0), QRect(1280 - 896 - 10, 10, 896, 780));
    }
};

QTEST_GUILESS_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"
