// The settings-file preview reads only regular files, and no more than a settings file can be: a FIFO
// without a writer would block the open and never end, an oversized file would be read whole.
#include "settings/ArdixEnums.h"
#include "ui/SettingsHistoryModel.h"

#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

class TstPreviewFile : public QObject
{
    Q_OBJECT
private slots:
    void refusesWhatIsNoSettingsFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fifo = dir.filePath(QStringLiteral("pipe.ardix7"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString big = dir.filePath(QStringLiteral("big.ardix7"));
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(8 * 1024 * 1024));
        file.close();

        SettingsHistoryModel model;
        // Before, the FIFO's open never returned: the test hung until CTest ended it.
        for (const QString &path : {fifo, big, dir.path()}) {
            const QVariantMap preview = model.previewFile(QUrl::fromLocalFile(path).toString(), ArdixEnums::Device_Ardix7,
                                                          ArdixEnums::Settings_FileType);
            QCOMPARE(preview.value(QStringLiteral("previewable")).toBool(), false);
        }
    }
};

QTEST_GUILESS_MAIN(TstPreviewFile)
#include "tst_preview_file.moc"
