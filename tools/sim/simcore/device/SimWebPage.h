#pragma once
// The device's small web page on loopback: "getData.htm" answers "name:password", and the
// access point form posted to "timeout.htm" changes them.

#include <QObject>

#include <functional>

class QTcpServer;
class QTcpSocket;
class SimDeviceStore;

class SimWebPage : public QObject
{
    Q_OBJECT
public:
    SimWebPage(SimDeviceStore &store, std::function<void()> onChanged);

    bool listen(quint16 port); // 127.0.0.1 only
    quint16 port() const;

    // What an HTTP request gets, given its whole text (header and body); pure, for tests.
    static QByteArray answer(SimDeviceStore &store, const QByteArray &request, bool *changed = nullptr);
    // Length of a complete request at the start of buf, or 0 while more is needed.
    static int completeLength(const QByteArray &buf);

private:
    SimDeviceStore &m_store;
    std::function<void()> m_onChanged;
    QTcpServer *m_server;
};
