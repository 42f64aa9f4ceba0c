#include "InterfaceLanguage.h"

#include "settings/DisplayLocale.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QQmlEngine>
#include <QSettings>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcLanguage, "ardix.language", QtWarningMsg)

namespace {
// The client's compiled translations, built into the resources.
constexpr const char *kTranslationsFolder = ":/i18n";
constexpr const char *kAppCatalogue = "ardix";
// Qt's meta catalogue: it pulls in qtbase, qtdeclarative and the rest for the language.
constexpr const char *kQtCatalogue = "qt";

struct LanguageEntry {
    const char *code;
    const char *ownName;
    QLocale::Language locale;
};
constexpr LanguageEntry kLanguages[] = {
    {InterfaceLanguage::kRussian, "Русский", QLocale::Russian},
    {InterfaceLanguage::kEnglish, "English", QLocale::English},
};

const LanguageEntry &entryFor(const QString &code)
{
    for (const auto &e : kLanguages)
        if (code == QLatin1String(e.code))
            return e;
    return kLanguages[1];
}
} // namespace

InterfaceLanguage::InterfaceLanguage(QObject *parent) : QObject(parent) {}

InterfaceLanguage::~InterfaceLanguage()
{
    // Gone with the application object, whose destruction has already dropped its translators.
    if (QCoreApplication::instance())
        removeTranslators();
}

InterfaceLanguage *InterfaceLanguage::instance()
{
    static InterfaceLanguage *language = new InterfaceLanguage(QCoreApplication::instance());
    return language;
}

QString InterfaceLanguage::forLocale(const QLocale &locale)
{
    return QString::fromLatin1(locale.language() == QLocale::Russian ? kRussian : kEnglish);
}

bool InterfaceLanguage::isKnown(const QString &code)
{
    for (const auto &e : kLanguages)
        if (code == QLatin1String(e.code))
            return true;
    return false;
}

QString InterfaceLanguage::startupLanguage()
{
    const QString forced = qEnvironmentVariable(kEnvironmentOverride).trimmed().toLower();
    if (isKnown(forced))
        return forced;
    const QString stored = QSettings().value(QLatin1String(kSettingsKey)).toString();
    if (isKnown(stored))
        return stored;
    return forLocale(QLocale::system());
}

QStringList InterfaceLanguage::names() const
{
    QStringList out;
    for (const auto &e : kLanguages)
        out << QString::fromUtf8(e.ownName);
    return out;
}

QStringList InterfaceLanguage::codes() const
{
    QStringList out;
    for (const auto &e : kLanguages)
        out << QString::fromLatin1(e.code);
    return out;
}

void InterfaceLanguage::removeTranslators()
{
    for (auto *t : {m_app.get(), m_qt.get()})
        if (t)
            QCoreApplication::removeTranslator(t);
    m_app.reset();
    m_qt.reset();
}

bool InterfaceLanguage::apply(const QString &requested)
{
    const LanguageEntry &entry = entryFor(requested);
    const QLocale locale(entry.locale);
    removeTranslators();

    // Russian texts are the source; its catalogue only carries plural forms.
    bool ok = true;
    auto app = std::make_unique<QTranslator>();
    if (app->load(locale, QLatin1String(kAppCatalogue), QStringLiteral("_"), QLatin1String(kTranslationsFolder))) {
        QCoreApplication::installTranslator(app.get());
        m_app = std::move(app);
    } else {
        ok = false;
        qCWarning(lcLanguage) << "no client translation for" << entry.code;
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QLatin1String(kQtCatalogue), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_qt = std::move(qt);
    } else {
        qCInfo(lcLanguage) << "no Qt translation for" << entry.code;
    }

    setDisplayLocale(locale);
    const QString code = QString::fromLatin1(entry.code);
    const bool changed = code != m_language;
    m_language = code;
    for (const auto &engine : std::as_const(m_engines))
        if (engine) {
            engine->setUiLanguage(code);
            engine->retranslate();
        }
    if (changed)
        emit languageChanged();
    return ok;
}

void InterfaceLanguage::setLanguage(const QString &code)
{
    if (!isKnown(code))
        return;
    QSettings().setValue(QLatin1String(kSettingsKey), code);
    if (code != m_language)
        (void)apply(code);
}

void InterfaceLanguage::attachEngine(QQmlEngine *engine)
{
    m_engines.removeAll(nullptr);
    if (!engine || m_engines.contains(engine))
        return;
    m_engines << engine;
    engine->setUiLanguage(m_language);
}

QLocale InterfaceLanguage::locale() const
{
    return displayLocale();
}

QString InterfaceLanguage::formatDateTime(const QDateTime &when, const QString &format) const
{
    return locale().toString(when, format);
}
