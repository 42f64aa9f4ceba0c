#include "simcore/SimPeer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

SimPeer::SimPeer(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &SimPeer::onNewConnection);
}

SimPeer::~SimPeer()
{
    if (m_client)
        m_client->abort();
}

bool SimPeer::listen()
{
    m_clock.start();
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 SimPeer::port() const
{
    return m_server->serverPort();
}

void SimPeer::stopListening()
{
    m_server->close();
}

SimPeer::Responder SimPeer::deviceResponder(const QByteArray &firmware, quint8 sender)
{
    quint32 fw = 0;
    for (int i = 0; i < 4 && i < firmware.size(); ++i)
        fw |= quint32(quint8(firmware[i])) << (8 * i);
    return [fw, sender](SimPeer &peer, const SimFrame &f) {
        if (f.action == 0) {
            peer.sendCommand(18, 0, sender); // VerifiedOk
            return;
        }
        if (f.type == 0)
            peer.sendCommand(0, fw, sender, f.parameter1);
        else if (f.type == 4 || f.type == 43)
            peer.sendCommand(f.type, 1, sender, 255);
    };
}

void SimPeer::onNewConnection()
{
    while (QTcpSocket *s = m_server->nextPendingConnection()) {
        if (m_client) {
            m_client->abort();
            m_client->deleteLater();
        }
        m_client = s;
        m_parser = SimCodec::StreamParser();
        ++m_connections;
        connect(s, &QTcpSocket::readyRead, this, &SimPeer::onReadyRead);
        connect(s, &QTcpSocket::disconnected, this, [this, s] {
            if (m_client == s)
                Q_EMIT clientDisconnected();
            s->deleteLater();
        });
        Q_EMIT clientConnected();
    }
}

void SimPeer::onReadyRead()
{
    auto *s = qobject_cast<QTcpSocket *>(sender());
    if (!s || s != m_client)
        return;
    const QList<SimFrame> frames = m_parser.feed(s->readAll());
    for (const SimFrame &f : frames) {
        m_received.append({f, m_clock.elapsed()});
        Q_EMIT frameReceived(f);
        if (!m_silent && m_responder)
            m_responder(*this, f);
    }
}

void SimPeer::sendCommand(quint8 command, quint32 parameter, quint8 sender, quint8 parameter1)
{
    SimFrame f;
    f.action = 1;
    f.type = command;
    f.sender = sender;
    f.parameter = parameter;
    f.parameter1 = parameter1;
    sendRaw(SimCodec::frame(f));
}

void SimPeer::sendData(quint8 type, const QByteArray &block, quint8 sender, quint32 parameter,
                       bool leadIn, const SimCodec::HeaderOptions &opt)
{
    SimFrame f;
    f.action = 0;
    f.type = type;
    f.sender = sender;
    f.parameter = parameter;
    f.data = block;
    sendRaw(SimCodec::frame(f, leadIn && sender == 0, opt));
}

void SimPeer::sendRaw(const QByteArray &bytes)
{
    if (m_client && m_client->state() == QAbstractSocket::ConnectedState)
        m_client->write(bytes);
}

void SimPeer::closeClient()
{
    if (m_client)
        m_client->disconnectFromHost();
}

bool SimPeer::hasClient() const
{
    return m_client && m_client->state() == QAbstractSocket::ConnectedState;
}

QList<SimFrame> SimPeer::framesOf(quint8 action, quint8 type) const
{
    QList<SimFrame> out;
    for (const Received &r : m_received)
        if (r.frame.action == action && r.frame.type == type)
            out.append(r.frame);
    return out;
}
