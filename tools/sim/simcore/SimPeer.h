#pragma once
// A scriptable fake device on 127.0.0.1: accepts one client at a time, records every frame it
// receives and answers as its responder says.

#include "simcore/SimFrame.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <functional>

class QTcpServer;
class QTcpSocket;

class SimPeer : public QObject
{
    Q_OBJECT
public:
    struct Received
    {
        SimFrame frame;
        qint64 atMs = 0; // since listen()
    };
    using Responder = std::function<void(SimPeer &, const SimFrame &)>;

    explicit SimPeer(QObject *parent = nullptr);
    ~SimPeer() override;

    // Listens on 127.0.0.1, port 0 (any free port).
    bool listen();
    quint16 port() const;
    void stopListening();

    void setResponder(Responder r) { m_responder = std::move(r); }
    // Stop answering (frames are still recorded).
    void setSilent(bool silent) { m_silent = silent; }

    // A dash (sender 0) or PDM (sender 4) that answers KeepOnline with its firmware text
    // (4 characters, e.g. "S185"), CheckSettingsSync with "in sync" and uploads with VerifiedOk.
    static Responder deviceResponder(const QByteArray &firmware = "S185", quint8 sender = 0);

    void sendCommand(quint8 command, quint32 parameter, quint8 sender = 0, quint8 parameter1 = 0);
    void sendData(quint8 type, const QByteArray &block, quint8 sender = 0, quint32 parameter = 0,
                  bool leadIn = true, const SimCodec::HeaderOptions &opt = {});
    void sendRaw(const QByteArray &bytes);
    void closeClient();

    bool hasClient() const;
    int connections() const { return m_connections; }
    const QList<Received> &received() const { return m_received; }
    QList<SimFrame> framesOf(quint8 action, quint8 type) const;
    int count(quint8 action, quint8 type) const { return int(framesOf(action, type).size()); }
    void clearReceived() { m_received.clear(); }

Q_SIGNALS:
    void frameReceived(const SimFrame &frame);
    void clientConnected();
    void clientDisconnected();

private:
    void onNewConnection();
    void onReadyRead();

    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
    SimCodec::StreamParser m_parser;
    QList<Received> m_received;
    Responder m_responder;
    bool m_silent = false;
    int m_connections = 0;
    QElapsedTimer m_clock;
};
