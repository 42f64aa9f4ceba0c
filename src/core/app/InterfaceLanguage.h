#pragma once
// The language the client itself speaks (not the dash's display language, which is a device
// setting). Russian is the source language of every text; any other choice loads a translation.
// Qt's own dialogs get Qt's translations for the same language.
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QQmlEngine;
class QTranslator;

class InterfaceLanguage : public QObject
{
    Q_OBJECT
    // "ru" or "en".
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    // Names of the languages in their own words, in the order of `codes`.
    Q_PROPERTY(QStringList names READ names CONSTANT)
    Q_PROPERTY(QStringList codes READ codes CONSTANT)

public:
    static constexpr const char *kSettingsKey = "interfaceLanguage";
    static constexpr const char *kEnvironmentOverride = "ARDIX_LANGUAGE";
    static constexpr const char *kRussian = "ru";
    static constexpr const char *kEnglish = "en";

    ~InterfaceLanguage() override;
    static InterfaceLanguage *instance();

    // Russian for any ru_* locale, English for everything else.
    [[nodiscard]] static QString forLocale(const QLocale &locale);
    // What the client starts in: the environment override, the stored choice, the system locale.
    [[nodiscard]] static QString startupLanguage();
    [[nodiscard]] static bool isKnown(const QString &code);

    QString language() const { return m_language; }
    QStringList names() const;
    QStringList codes() const;

    // Loads the translators of `code` (falls back to English for an unknown code) without storing
    // the choice; returns false when the client's own translation could not be loaded.
    [[nodiscard]] bool apply(const QString &code);
    // The user's choice: applied at once and kept in the settings store.
    void setLanguage(const QString &code);

    // Engines whose bindings are re-evaluated when the language changes.
    void attachEngine(QQmlEngine *engine);

    // The locale for dates and month names in the current language (numbers keep the "C" locale).
    [[nodiscard]] QLocale locale() const;
    Q_INVOKABLE QString formatDateTime(const QDateTime &when, const QString &format) const;

signals:
    void languageChanged();

private:
    explicit InterfaceLanguage(QObject *parent = nullptr);
    void removeTranslators();

    QString m_language = QString::fromLatin1(kRussian);
    std::unique_ptr<QTranslator> m_app;
    std::unique_ptr<QTranslator> m_qt;
    QList<QPointer<QQmlEngine>> m_engines;
};
