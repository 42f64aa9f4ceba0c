// ardix-settings on files written by the client's own export: text, JSON and exit status.

#include "settings/ArdixEnums.h"
#include "settings/layout/LittleEndian.h"
#include "settings/persistence/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ARDIX_SETTINGS_TOOL), args);
    if (!p.waitForFinished(30000))
        return {};
    return Run{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestSettingsTool : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_a, m_b, m_pdm;

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings ini(path("store.ini"), QSettings::IniFormat);
        persistence::SettingsStore store(&ini);
        store.loadDefaultAllSettings();
        store.loadDefaultPdmSettings(false);
        m_a = path("car-a.ardix7");
        m_b = path("car-b.ardix7");
        m_pdm = path("car.pmx");
        store.exportFile(m_a, ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType);
        store.exportFile(m_pdm, ArdixEnums::Device_Pmx, ArdixEnums::Settings_FileType);
        unsigned char *common = store.dashImage().data() + 5880;
        layout::writeLE<uint16_t>(common + 296, 6); // gearsCount
        common[252] = 80;                          // lcdPwmDuty
        store.exportFile(m_b, ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType);
        QVERIFY(QFile::exists(m_a) && QFile::exists(m_b) && QFile::exists(m_pdm));
    }

    void diffText()
    {
        const Run r = runTool({QStringLiteral("diff"), m_a, m_b});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, QStringLiteral("[Общие настройки]\n~ Общие\n"
                                       "    lcdPwmDuty: 20 -> 80\n"
                                       "    gearsCount: 5 -> 6\n"));
        QCOMPARE(runTool({QStringLiteral("diff"), m_a, m_a}).status, 0);
    }

    void diffJson()
    {
        const Run r = runTool({QStringLiteral("diff"), QStringLiteral("--json"), m_b, m_a});
        QCOMPARE(r.status, 1);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("fieldCount")).toInt(), 2);
        const QJsonObject field = o.value(QStringLiteral("records")).toArray()[0].toObject()
                                      .value(QStringLiteral("fields")).toArray()[1].toObject();
        QCOMPARE(field.value(QStringLiteral("field")).toString(), QStringLiteral("gearsCount"));
        QCOMPARE(field.value(QStringLiteral("before")).toString(), QStringLiteral("6"));
        QCOMPARE(field.value(QStringLiteral("after")).toString(), QStringLiteral("5"));
    }

    void show()
    {
        Run r = runTool({QStringLiteral("show"), m_pdm});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains(QStringLiteral("    canbusBaud = 3\n")));
        QVERIFY(r.out.contains(QStringLiteral("    retryDelay = 2000\n")));
        r = runTool({QStringLiteral("show"), QStringLiteral("--json"), m_a});
        QCOMPARE(r.status, 0);
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("kind")).toString(),
                 QStringLiteral("dash"));
    }

    void troubleIsStatus2()
    {
        QFile junk(path("junk.ardix7"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a settings file");
        junk.close();
        const QList<QStringList> cases = {
            {},
            {QStringLiteral("diff"), m_a},
            {QStringLiteral("diff"), m_a, m_pdm},
            {QStringLiteral("show"), junk.fileName()},
            {QStringLiteral("show"), path("missing.ardix7")},
        };
        for (const QStringList &args : cases) {
            const Run r = runTool(args);
            QVERIFY2(r.status == 2, qPrintable(args.join(QLatin1Char(' '))));
            QVERIFY(!r.err.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsTool)
#include "tst_settings_tool.moc"
