#pragma once
#include <QObject>
#include <QString>

// The configured web addresses, for the interface (the maker's site for downloads and pages).
class AppAddresses : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString siteUrl READ siteUrl CONSTANT)
    Q_PROPERTY(QString firmwareUrl READ firmwareUrl CONSTANT)
    // The device's own web page (WiFi name and pass phrase).
    Q_PROPERTY(QString deviceHost READ deviceHost CONSTANT)
    Q_PROPERTY(int deviceWebPort READ deviceWebPort CONSTANT)
public:
    explicit AppAddresses(QObject *parent = nullptr);
    QString siteUrl() const { return m_siteUrl; }
    QString firmwareUrl() const { return m_firmwareUrl; }
    QString deviceHost() const { return m_deviceHost; }
    int deviceWebPort() const { return m_deviceWebPort; }

private:
    QString m_siteUrl;
    QString m_firmwareUrl;
    QString m_deviceHost;
    int m_deviceWebPort = 0;
};
