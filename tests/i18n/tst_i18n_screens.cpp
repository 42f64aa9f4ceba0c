// Every screen and dialog of the window, against the in-process simulator, in each language:
// in English no visible text carries Cyrillic letters unless it is user data; in Russian no
// visible English word shows unless it is a unit, an abbreviation, a product name or user data.
// On the way, every editable control must carry a name a screen reader can say.
//
//   tst_i18n_screens dash_en | dash_ru | pdm_en | pdm_ru
#include "ClientWindow.h"
#include "PageHost.h"
#include "ShotList.h"
#include "app/InterfaceLanguage.h"
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ui/InterfaceTypes.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>
#include <set>

namespace {

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
const QRegularExpression kLatinWord(QStringLiteral("[A-Za-z]{2,}"));
const QRegularExpression kQuoted(QStringLiteral("'([^']+)'"));

// Words the Russian interface writes in Latin letters: units, abbreviations, product and file
// format names, and the protocol's own terms.
const std::set<QString> kLatinAllowed = {
    "ardix", "pdm", "pmx", "can", "ecu", "gps", "egt", "id", "hex", "wifi", "ssid", "rs", "pwm",
    "kbps", "mbit", "svg", "csv", "ld", "elog", "gzip", "ext", "ls", "ms", "first", "hz", "ok",
    "epifan", "ecuedit", "samsonas", "esl", "erl", "ardix7", "led", "usb", "mb", "kb", "km", "mph",
    "kmph", "rpm", "bit", "bits", "ms", "max", "min", "dccd", "awd", "abs", "afr", "lambda", "tps",
    "map", "iat", "ect", "ofs", "dd", "mm", "yyyy", "http", "https", "www", "html",
    // the CAN value formats, the "new" badge and the coordinates of a start line
    "unsigned", "signed", "new", "lat", "lon", "course", "bus",
};
const QRegularExpression kHexNumber(QStringLiteral("\\b0x[0-9A-Fa-f]+\\b"));

// Screens whose texts come from places a change of language could miss: the settings menu, the
// script libraries' lists, the kernel's lamp table and the dash's input descriptions.
struct Switch
{
    bool pdm;
    const char *open;
    const char *item;
    const char *child; // within `item`, or nullptr
    const char *property;
    const char *ru; // what the Russian text starts with
};
const Switch kSwitches[] = {
    {false, "ardix.openSettings()", "menuLogs", nullptr, "text", "Логи"},
    {false, "ardix.openSettings()", "row_InterfaceLanguage", nullptr, "title", "Язык интерфейса"},
    {false, "ardix.openSettings().openPage('dialogs/ActionsConfigDialog.qml')", "actionRow_0", nullptr, "name", "Кнопка 3 в 1"},
    {false, "ardix.openSettings().openPage('dialogs/LampsConfigDialog.qml')", "lampRow_1", nullptr, "name", "Неисправность ABS"},
    {false, "(function() { const v = DevSettings.dash.commonSettings.input16ChannelModuleSettings.slice(); v[0] = ArdixEnums.Lamp_ABS;"
            " DevSettings.dash.commonSettings.input16ChannelModuleSettings = v; ardix.openSettings().openPage('dialogs/ButtonsSetupDialog.qml'); return true })()",
     "inputRow_0", "functionCombo", "displayText", "Лампа Неисправность ABS"},
    {false, "(function() { const p = ardix.openSettings().openPage('dialogs/CustomAnalogSensorDialog.qml');"
            " p.rawValues = [1000, 1000, 1000, 1000, 1000, 1000, 5000, 5000, 5000, 5000, 5000]; return true })()",
     "rawRow_0", "rawDescription", "text", "1 Вход 5В"},
    {true, "ardix.createObjectFrom('logicDialogs/InternalFunctionSettingsDialog.qml', { thisFunctionId: 5, kernel: ardixKernel, window: ardix })",
     "operatorCombo", nullptr, "displayText", ""},
};

bool isInLanguage(const QString &text, const QString &language, const char *ru)
{
    if (text.isEmpty())
        return false;
    if (language == QLatin1String("en"))
        return !text.contains(kCyrillic);
    return text.contains(kCyrillic) && text.startsWith(QString::fromUtf8(ru));
}

bool isEditable(QQuickItem *item)
{
    if (item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit"))
        return !item->property("readOnly").toBool();
    return item->inherits("QQuickComboBox") || item->inherits("QQuickSpinBox") || item->inherits("QQuickCheckBox")
           || item->inherits("QQuickSwitch") || item->inherits("QQuickSlider");
}

struct Walk
{
    bool english = false;
    QStringList userData; // texts the shot itself typed in
    QStringList texts;    // offending texts, with where they were seen
    QStringList nameless; // editable controls without a name

    bool isUserData(const QString &text) const
    {
        // Sensor units come with the sensor catalogue, in the dash's language.
        // "Бак" is the name the default settings give the first custom sensor.
        static const QStringList units = {QStringLiteral("кПа"), QStringLiteral("Бар"), QStringLiteral("км/ч"), QStringLiteral("В"), QStringLiteral("Бак")};
        if (units.contains(text.trimmed()))
            return true;
        for (const QString &d : userData)
            if (text.contains(d, Qt::CaseInsensitive))
                return true;
        return false;
    }

    void checkText(QQuickItem *item, const QString &text)
    {
        if (text.isEmpty() || isUserData(text))
            return;
        if (english) {
            if (text.contains(kCyrillic))
                texts << QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(item->metaObject()->className()), text);
            return;
        }
        QString words = text;
        words.remove(kHexNumber);
        for (auto it = kLatinWord.globalMatch(words); it.hasNext();) {
            const QString word = it.next().captured().toLower();
            if (!kLatinAllowed.count(word)) {
                texts << QStringLiteral("%1 \"%2\" (%3)").arg(QString::fromLatin1(item->metaObject()->className()), text, word);
                return;
            }
        }
    }

    void visit(QQuickItem *item)
    {
        if (!item->isVisible() || item->opacity() <= 0)
            return;
        // The replica shows what the dash shows, in the dash's own language.
        if (item->objectName() == QLatin1String("dashNuvoSkin"))
            return;
        // A log's channels and the sensor makers' calibration tables are named by their sources.
        const QByteArray type = item->metaObject()->className();
        // The module's logo spells out its product name.
        if (type.startsWith("LogViewChannelRow") || type.startsWith("LogViewPlot") || type.startsWith("AnalogTablesPopup")
            || type.startsWith("PmxLogo"))
            return;
        // What is drawn as text: labels, fields and their placeholders.
        if (item->inherits("QQuickText") || item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit")) {
            // What a field holds was typed by someone: only its placeholder is the client's.
            const bool typed = isEditable(item);
            for (const char *name : {"text", "placeholderText"}) {
                if (typed && qstrcmp(name, "text") == 0)
                    continue;
                const QVariant v = item->property(name);
                if (v.typeId() == QMetaType::QString)
                    checkText(item, v.toString());
            }
        }
        // A spin box's editor is part of the spin box, which carries the name.
        const bool spinEditor = item->parentItem() && item->parentItem()->inherits("QQuickSpinBox");
        if (isEditable(item) && item->isEnabled() && !spinEditor) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(item);
            const QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
            if (name.isEmpty())
                nameless << QStringLiteral("%1 %2 in %3").arg(QString::fromLatin1(item->metaObject()->className()), item->objectName(),
                                                            item->parentItem() ? QString::fromLatin1(item->parentItem()->metaObject()->className()) : QString());
        }
        for (QQuickItem *child : item->childItems())
            visit(child);
    }
};

} // namespace

class TestI18nScreens : public QObject
{
    Q_OBJECT
    QString m_device;
    QString m_language;

public:
    TestI18nScreens(QString device, QString language) : m_device(std::move(device)), m_language(std::move(language)) {}

private slots:
    void initTestCase()
    {
        registerArdixTypes();
        registerInterfaceTypes();
        QVERIFY(InterfaceLanguage::instance()->apply(m_language));
    }

    void everyScreen()
    {
        const bool pdm = m_device == QLatin1String("pdm");
        ArdixTest::resetWindowStore(pdm ? 4 : 0);
        ArdixTest::ClientWindow rig(pdm ? SimRole::Pdm : SimRole::Dash);
        if (!pdm && !rig.sim->logFiles().isEmpty()) {
            const QDir store(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Ardix"));
            QDir().mkpath(store.path());
            QFile log(store.filePath(QStringLiteral("circuit.elog")));
            QVERIFY(log.open(QIODevice::WriteOnly));
            log.write(rig.sim->logFiles().first());
            log.close();
            QFile junk(store.filePath(QStringLiteral("not_a_log.elog")));
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write("this is not a log");
        }
        QVERIFY(rig.load());
        QVERIFY(QTest::qWaitForWindowExposed(rig.window));
        QVERIFY(rig.waitOnline());
        QTest::qWait(1500);
        rig.eval(QStringLiteral("ardixKernel.deviceId === ArdixEnums.Device_Pmx ? ardixKernel.applyNewPdmSettings() : ardixKernel.applyNewArdixSettings(true)"));
        QTest::qWait(2500);

        // What the shots type in stays in the settings for the shots after them.
        QStringList typed;
        const auto collect = [&typed](const shots::Shot &shot) {
            for (auto it = kQuoted.globalMatch(QString::fromUtf8(shot.open)); it.hasNext();)
                typed << it.next().captured(1);
        };
        if (pdm) {
            for (const shots::Shot &s : shots::kPdmShots)
                collect(s);
        } else {
            for (const shots::Shot &s : shots::kDashShots)
                collect(s);
        }
        // Names of the catalogue that are product names, in any language: ECU protocols, lamps.
        const QStringList catalogue = rig.eval(QStringLiteral("ardixKernel.ecuList_Ardix.map(e => e.name).concat(ardixKernel.ecuList_PDM.map(e => e.name),"
                                                              " ardixKernel.lampsInfo.map(l => l.lampName))")).toStringList();
        QStringList faults;
        QStringList nameless;
        const auto run = [&](const shots::Shot &shot) {
            rig.eval(QString::fromUtf8(shots::kReset));
            // Sensor names follow the dash's language: the English pass shows them in English.
            if (!pdm)
                rig.eval(QStringLiteral("DevSettings.dash.setIsRu(%1)").arg(m_language == QLatin1String("en") ? 0 : 1));
            QTest::qWait(300);
            const QString open = QString::fromUtf8(shot.open);
            rig.eval(open);
            QTest::qWait(qMin(shot.settleMs, 1200));
            Walk walk;
            walk.english = m_language == QLatin1String("en");
            walk.userData = typed + catalogue;
            // Sensor names come from the catalogue in the dash's language: device data here.
            if (!pdm)
                walk.userData << rig.eval(QStringLiteral("DevSettings.dash.sensors.map(s => s.sensorName).filter(n => n !== '')")).toStringList();
            // Names the default settings give a record, kept in the device's block.
            walk.userData << QStringLiteral("Бак") << QStringLiteral("Служеб. кнопка");
            walk.visit(rig.window->contentItem());
            for (const QString &t : std::as_const(walk.texts))
                faults << QStringLiteral("%1: %2").arg(QString::fromUtf8(shot.name), t);
            for (const QString &n : std::as_const(walk.nameless))
                nameless << QStringLiteral("%1: %2").arg(QString::fromUtf8(shot.name), n);
        };
        if (pdm) {
            for (const shots::Shot &s : shots::kPdmShots)
                run(s);
        } else {
            for (const shots::Shot &s : shots::kDashShots)
                run(s);
        }
        rig.eval(QString::fromUtf8(shots::kReset));

        // The in-app choice changes the open window at once, both ways, texts built by the
        // interface's script libraries and the kernel's catalogue included.
        const QString other = m_language == QLatin1String("en") ? QStringLiteral("ru") : QStringLiteral("en");
        for (const Switch &row : kSwitches) {
            if (row.pdm != pdm)
                continue;
            rig.eval(QString::fromUtf8(shots::kReset));
            rig.eval(QString::fromUtf8(row.open));
            const auto shown = [&rig, &row]() {
                QQuickItem *item = rig.item(QString::fromUtf8(row.item));
                if (item && row.child)
                    item = ArdixTest::findItem(item, QString::fromUtf8(row.child));
                return item ? item->property(row.property).toString() : QString();
            };
            const QString name = QString::fromUtf8(row.item);
            QTRY_VERIFY2(!shown().isEmpty(), qPrintable(name));
            const QString before = shown();
            QVERIFY2(isInLanguage(before, m_language, row.ru), qPrintable(name + QStringLiteral(": ") + before));
            rig.eval(QStringLiteral("InterfaceLanguage.language = '%1'").arg(other));
            QTRY_VERIFY2(isInLanguage(shown(), other, row.ru), qPrintable(name + QStringLiteral(": ") + shown()));
            rig.eval(QStringLiteral("InterfaceLanguage.language = '%1'").arg(m_language));
            QTRY_COMPARE(shown(), before);
        }
        rig.eval(QString::fromUtf8(shots::kReset));
        faults.removeDuplicates();
        nameless.removeDuplicates();
        for (const QString &f : std::as_const(faults))
            qWarning().noquote() << "not in the interface language:" << f;
        for (const QString &n : std::as_const(nameless))
            qWarning().noquote() << "editable control without a name:" << n;
        QVERIFY2(faults.isEmpty(), "texts not in the interface language (listed above)");
        QVERIFY2(nameless.isEmpty(), "editable controls without a name (listed above)");
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    // The first argument names the pass: dash_en, dash_ru, pdm_en or pdm_ru.
    const QString pass = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("dash_en");
    const QStringList parts = pass.split(QLatin1Char('_'));
    if (parts.size() != 2) {
        std::fprintf(stderr, "usage: tst_i18n_screens dash_en|dash_ru|pdm_en|pdm_ru\n");
        return 2;
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    applyProcessLocale();
    TestI18nScreens test(parts.at(0), parts.at(1));
    char *args[] = {argv[0]};
    return QTest::qExec(&test, 1, args);
}
#include "tst_i18n_screens.moc"
