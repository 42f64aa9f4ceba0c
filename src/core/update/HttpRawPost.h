#pragma once
// A minimal HTTP/1.0 form POST over a plain TCP socket, for the device's own web page where the
// framework's HTTP stack is not used. Each request gets a RawHttpReply whose finished() signal
// fires exactly once, from the event loop.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>
#include <QVariantMap>

class RawHttpReply : public QObject
{
    Q_OBJECT
public:
    // A device's status page answers in a few hundred bytes; more without a header end is refused.
    static constexpr qsizetype kMaxResponseBytes = 64 * 1024;

    explicit RawHttpReply(QObject *parent = nullptr);

    // Starts the request; finished() follows from the event loop.
    void start(const QString &host, int port, const QByteArray &request, int timeoutMs);

    static int parseStatus(const QByteArray &header);

signals:
    void finished(int status, QString body);

private:
    void onReadyRead();
    void finish(int status);

    QTcpSocket *m_socket;
    QTimer *m_timer;
    QByteArray m_request;
    QByteArray m_buffer;
    qsizetype m_headerEnd = -1;
    bool m_finished = false;
};

class HttpRawPost : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 5000;

    explicit HttpRawPost(QObject *parent = nullptr);

    static QByteArray formBody(const QVariantMap &form);
    static QByteArray buildRequest(const QString &host, const QString &path, const QVariantMap &form);

    Q_INVOKABLE QObject *postUrlEncoded(QString host, int port, QString path, QVariantMap form, int timeoutMs);
    Q_INVOKABLE QObject *postUrlEncoded(QString host, int port, QString path, QVariantMap form);
};
