#pragma once
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

// Reads the name of the device's WiFi network from its small web page (getData.htm). A page that
// does not answer, answers slowly or answers garbage leaves the name empty; the interface never
// waits for it.
class DeviceWebName : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name NOTIFY nameChanged)
public:
    static constexpr int kTimeoutMs = 3000;
    static constexpr qint64 kMaxReplyBytes = 4096;

    explicit DeviceWebName(QObject *parent = nullptr);

    QString name() const { return m_name; }

    // The name in a reply: the text before the first ':' when the reply has one and is not an HTML
    // page (no "div"); else empty.
    static QString parseReply(const QByteArray &reply);

    Q_INVOKABLE void refresh();
    Q_INVOKABLE void clear();

signals:
    void nameChanged();

private:
    void setName(const QString &name);
    void finish(QNetworkReply *reply);

    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QString m_name;
};
