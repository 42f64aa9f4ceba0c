// The client's language: chosen from the locale unless the user or the environment says otherwise,
// applied at once, and the catalogues complete for every text in the sources.
#include "app/InterfaceLanguage.h"
#include "settings/ArdixEnums.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmFuncUsage.h"
#include "ui/SettingsHistoryModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestI18n : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings().clear();
        qunsetenv(InterfaceLanguage::kEnvironmentOverride);
    }
    void cleanupTestCase() { (void)InterfaceLanguage::instance()->apply(QStringLiteral("ru")); }

    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("Russia") << "ru_RU" << "ru";
        QTest::newRow("Russian in Ukraine") << "ru_UA" << "ru";
        QTest::newRow("Ukrainian") << "uk_UA" << "en";
        QTest::newRow("English") << "en_US" << "en";
        QTest::newRow("German") << "de_DE" << "en";
        QTest::newRow("C") << "C" << "en";
    }
    void languageFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(InterfaceLanguage::forLocale(QLocale(locale)), language);
    }

    void theEnvironmentThenTheStoredChoiceWin()
    {
        QSettings().setValue(InterfaceLanguage::kSettingsKey, QStringLiteral("en"));
        QCOMPARE(InterfaceLanguage::startupLanguage(), QStringLiteral("en"));
        qputenv(InterfaceLanguage::kEnvironmentOverride, "RU");
        QCOMPARE(InterfaceLanguage::startupLanguage(), QStringLiteral("ru"));
        // An unknown override or stored value falls through to the next source.
        qputenv(InterfaceLanguage::kEnvironmentOverride, "xx");
        QCOMPARE(InterfaceLanguage::startupLanguage(), QStringLiteral("en"));
        QSettings().setValue(InterfaceLanguage::kSettingsKey, QStringLiteral("klingon"));
        QCOMPARE(InterfaceLanguage::startupLanguage(), InterfaceLanguage::forLocale(QLocale::system()));
    }

    // The user's choice changes the texts at once, is kept, and leaves numbers in the "C" locale.
    void aChoiceAppliesAtOnceAndIsKept()
    {
        QLocale::setDefault(QLocale::c());
        auto *language = InterfaceLanguage::instance();
        QVERIFY(language->apply(QStringLiteral("ru")));
        const char *source = "нет связи c\nустройством";
        QCOMPARE(QCoreApplication::translate("KernelText", source), QString::fromUtf8(source));

        QSignalSpy changed(language, &InterfaceLanguage::languageChanged);
        language->setLanguage(QStringLiteral("en"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(QCoreApplication::translate("KernelText", source), QStringLiteral("no link to\ndevice"));
        QCOMPARE(QSettings().value(InterfaceLanguage::kSettingsKey).toString(), QStringLiteral("en"));
        QCOMPARE(language->formatDateTime(QDateTime(QDate(2026, 6, 1), QTime(12, 0)), QStringLiteral("dd MMM")), QStringLiteral("01 Jun"));
        QCOMPARE(QLocale().toString(1234.5), QStringLiteral("1234.5"));

        // Qt's own dialogs speak Russian with the Russian interface.
        language->setLanguage(QStringLiteral("ru"));
        QCOMPARE(QCoreApplication::translate("KernelText", source), QString::fromUtf8(source));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCOMPARE(language->formatDateTime(QDateTime(QDate(2026, 6, 1), QTime(12, 0)), QStringLiteral("dd MMM")), QStringLiteral("01 июн."));
        // Plural forms come from the Russian catalogue.
        QCOMPARE(QCoreApplication::translate("DiffTexts", "%n отличий", nullptr, 1), QStringLiteral("1 отличие"));
        QCOMPARE(QCoreApplication::translate("DiffTexts", "%n отличий", nullptr, 3), QStringLiteral("3 отличия"));
        QCOMPARE(QCoreApplication::translate("DiffTexts", "%n отличий", nullptr, 11), QStringLiteral("11 отличий"));

        // Unknown codes are not taken.
        language->setLanguage(QStringLiteral("xx"));
        QCOMPARE(language->language(), QStringLiteral("ru"));
    }

    // Names and reports the core builds from a text and numbers or names are translated as a
    // whole, then filled in: the catalogue knows the text, not the result.
    void builtTextsAreTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two numbers") << "en" << "Скин 1, режим 2" << "Skin 1, mode 2";
        QTest::newRow("one number") << "en" << "Функция 12" << "Function 12";
        QTest::newRow("trailing number") << "en" << "Лампа 3" << "Lamp 3";
        QTest::newRow("whole") << "en" << "Общие настройки" << "Common settings";
        QTest::newRow("unknown stays") << "en" << "Бак 2" << "Бак 2";
        QTest::newRow("Russian") << "ru" << "Скин 1, режим 2" << "Скин 1, режим 2";
    }
    void builtTextsAreTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        QVERIFY(InterfaceLanguage::instance()->apply(language));
        QCOMPARE(shownRecordLabel(label), shown);
    }

    void functionUsageReportFollowsTheLanguage()
    {
        using namespace PdmLayout;
        QByteArray block(int(BlockSize), '\0');
        const int id = 7;
        const auto put = [&block](std::size_t at, const QByteArray &bytes) { block.replace(int(at), bytes.size(), bytes); };
        const quint32 global = qToLittleEndian(quint32(1u << ArdixEnums::FunctionIsGlobal));
        put(functionOffset(id) + Function::ConfigBits, QByteArray(reinterpret_cast<const char *>(&global), sizeof global));
        put(outputOffset(0) + Output::Name, "Fan");
        put(outputOffset(2) + Output::Name, "Pump");
        block[int(outputOffset(0) + Output::FunctionsOrder)] = char(id);
        block[int(outputOffset(2) + Output::FunctionsOrder + 3)] = char(id);

        QVERIFY(InterfaceLanguage::instance()->apply(QStringLiteral("en")));
        QCOMPARE(pdmFuncUsageInfo(block, id), QStringLiteral("Global function is used in:\nOUTPUT - 'Fan', \nOUTPUT - 'Pump'"));
        QVERIFY(InterfaceLanguage::instance()->apply(QStringLiteral("ru")));
        QCOMPARE(pdmFuncUsageInfo(block, id), QStringLiteral("Глобальная функция используется в настройках:\nВЫХОД - 'Fan', \nВЫХОД - 'Pump'"));
    }

    // lupdate over the sources into a copy of each catalogue finds nothing new, nothing gone and
    // nothing left untranslated.
    void cataloguesAreComplete_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("English") << "ardix_en.ts" << QStringList{};
        QTest::newRow("Russian plurals") << "ardix_ru.ts" << QStringList{QStringLiteral("-pluralonly")};
    }
    void cataloguesAreComplete()
    {
        QFETCH(QString, catalogue);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString copy = dir.filePath(catalogue);
        QVERIFY(QFile::copy(QStringLiteral(ARDIX_SOURCE_DIR "/translations/") + catalogue, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(ARDIX_SOURCE_DIR));
        lupdate.start(QStringLiteral(LUPDATE), QStringList{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-ui-lines")}
                                                   + options + QStringList{QStringLiteral("src"), QStringLiteral("qml"), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString ts = QString::fromUtf8(file.readAll());
        QStringList faults;
        static const QRegularExpression entry(QStringLiteral("<source>([^<]*)</source>\\s*(?:<comment>[^<]*</comment>\\s*)?<translation type=\"(unfinished|vanished|obsolete)\""));
        for (auto it = entry.globalMatch(ts); it.hasNext();) {
            const auto m = it.next();
            faults << m.captured(2) + QStringLiteral(": ") + m.captured(1);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    TestI18n test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_i18n.moc"
