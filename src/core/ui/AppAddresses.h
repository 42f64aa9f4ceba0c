#pragma once
#include <QObject>
#include <QString>

// The configured web addresses, for the interface (the maker's site for downloads and pages).
class AppAddresses : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString siteUrl READ siteUrl CONSTANT)
    Q_PROPERTY(QString firmwareUrl READ firmwareUrl CONSTANT)
public:
    explicit AppAddresses(QObject *parent = nullptr);
    QString siteUrl() const { return m_siteUrl; }
    QString firmwareUrl() const { return m_firmwareUrl; }

private:
    QString m_siteUrl;
    QString m_firmwareUrl;
};
