// The replica's one-colour icons: drawn in their colour where the picture covers, transparent
// elsewhere, on any scene graph backend (painted, no shader).
#include "ui/TintedIcon.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

class TestTintedIcon : public QObject
{
    Q_OBJECT
private slots:
    void paintsTheCoveredPartInItsColour()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A dark square over the left half of a 20 x 20 picture.
        QFile svg(dir.filePath(QStringLiteral("half.svg")));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20' viewBox='0 0 20 20'>"
                  "<rect x='0' y='0' width='10' height='20' fill='#202020'/></svg>");
        svg.close();

        TintedIcon icon;
        icon.setSize(QSizeF(40, 40));
        icon.setColor(QColor(0xff, 0x00, 0x00));
        icon.setSource(QUrl::fromLocalFile(svg.fileName()));
        QVERIFY(icon.valid());

        QImage out(40, 40, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        {
            QPainter painter(&out);
            icon.paint(&painter);
        }
        QCOMPARE(out.pixelColor(10, 20), QColor(0xff, 0x00, 0x00));
        QCOMPARE(out.pixelColor(30, 20).alpha(), 0);
    }

    void aMissingPictureDrawsNothing()
    {
        TintedIcon icon;
        icon.setSize(QSizeF(16, 16));
        icon.setSource(QUrl(QStringLiteral("qrc:/nowhere/none.svg")));
        QVERIFY(!icon.valid());
        QImage out(16, 16, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        {
            QPainter painter(&out);
            icon.paint(&painter);
        }
        QImage empty(16, 16, QImage::Format_ARGB32_Premultiplied);
        empty.fill(Qt::transparent);
        QCOMPARE(out, empty);
    }

    void filePathsOfTheUrlsTheScreensUse_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("path");
        QTest::newRow("resource") << QUrl(QStringLiteral("qrc:/ARDIX/images/icons/oilTemp.svg")) << QStringLiteral(":/ARDIX/images/icons/oilTemp.svg");
        QTest::newRow("file") << QUrl(QStringLiteral("file:///tmp/a b.svg")) << QStringLiteral("/tmp/a b.svg");
        QTest::newRow("empty") << QUrl() << QString();
    }
    void filePathsOfTheUrlsTheScreensUse()
    {
        QFETCH(QUrl, url);
        QFETCH(QString, path);
        QCOMPARE(TintedIcon::filePathOf(url), path);
    }
};

QTEST_MAIN(TestTintedIcon)
#include "tst_tinted_icon.moc"
