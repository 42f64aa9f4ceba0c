#include "simcore/device/SimFirmwareServer.h"
#include "simcore/device/SimHttp.h"

#include <QCryptographicHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int MaxRequest = 16384;
constexpr int StallPauseMs = 12000;
constexpr char InstallerPath[] = "/site/downloads/Ardix_latest.exe";
constexpr char MovedPrefix[] = "/moved";

QByteArray versionField(const QByteArray &v) { return v.left(2) + "." + v.mid(2, 2); }

QByteArray httpReply(int status, const QByteArray &body, const QByteArray &type = "text/html; charset=utf-8")
{
    const QByteArray reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Service Unavailable";
    return SimHttp::reply(status, reason, body, type, "HTTP/1.1");
}
} // namespace

SimFirmwareServer::SimFirmwareServer(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    SimHttp::serve(m_server, this, MaxRequest, [this](QTcpSocket *s, const QByteArray &request) { onRequest(s, request); });
    const int dash3 = SimFirmware::DashHeaderSize + 2 * SimFirmware::DashPayload + 7001;
    const int pdm4 = SimFirmware::PdmHeaderSize + 3 * SimFirmware::PdmPayload + 5003;
    addFile(SimFirmware::Kind::Dash, "S186", dash3);
    addFile(SimFirmware::Kind::Dash, "B190", dash3 + 999);
    addFile(SimFirmware::Kind::Dash, "T191", dash3 + 1998);
    addFile(SimFirmware::Kind::Pdm, "S105", pdm4);
}

bool SimFirmwareServer::listen(quint16 port)
{
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 SimFirmwareServer::port() const
{
    return m_server->serverPort();
}

QString SimFirmwareServer::fileName(SimFirmware::Kind kind, const QByteArray &version, const QByteArray &bytes)
{
    const QByteArray md5 = QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toUpper();
    return QString::fromLatin1((kind == SimFirmware::Kind::Dash ? "firmware_" : "pdmFirmware_") + versionField(version)
                               + "_" + QByteArray::number((bytes.size() + 1023) / 1024) + "_2024-05-01_" + md5
                               + "_sim.bin");
}

const SimFirmwareServer::File &SimFirmwareServer::addFile(SimFirmware::Kind kind, const QByteArray &version, int size)
{
    const QByteArray bytes = SimFirmware::make(kind, version, size, quint32(size) * 31u + quint32(version.at(3)));
    const char channel = version.at(0);
    const QString folder = channel == 'S' ? QStringLiteral("stable/")
                           : channel == 'B' ? QStringLiteral("beta/")
                           : channel == 'P' ? QStringLiteral("personal/")
                                            : QString();
    m_files.append({fileName(kind, version, bytes), bytes, folder});
    return m_files.back();
}

const SimFirmwareServer::File *SimFirmwareServer::find(const QString &name) const
{
    for (const File &f : m_files)
        if (f.name == name)
            return &f;
    return nullptr;
}

QPair<int, QByteArray> SimFirmwareServer::answer(const QByteArray &target) const
{
    const QUrl url(QString::fromUtf8(target));
    const QString path = url.path();
    const QString query = url.query(QUrl::FullyEncoded);
    if (path == QLatin1String("/firmware/app.php")) {
        if (!m_online)
            return {503, "offline"};
        if (query == QLatin1String("ping"))
            return {200, "pong"};
        if (query.startsWith(QLatin1String("listFirmwares=ALL&serial="))) {
            QByteArray body = "firmwareFileList";
            for (const File &f : m_files)
                body += " " + f.name.toLatin1();
            for (const QString &name : m_extraNames)
                body += " " + name.toUtf8();
            return {200, body};
        }
        if (query.startsWith(QLatin1String("updatesHistory&serial=")))
            return {200, QByteArray("<h2>История изменений</h2><p>S1.86: быстрее опрос датчиков</p>")};
        if (query.startsWith(QLatin1String("pdmUpdatesHistory&serial=")))
            return {200, QByteArray("<h2>История изменений</h2><p>S1.05: новые логические функции</p>")};
        return {404, "unknown request"};
    }
    if (path == QLatin1String("/site/downloads/getUpdate.php"))
        return {200, m_clientVersion};
    if (path == QLatin1String(InstallerPath))
        return {200, QByteArray("MZ") + QByteArray(4094, '\x90')};
    for (const File &f : m_files) {
        if (path == QLatin1String("/firmware/") + f.folder + f.name) {
            QByteArray body = f.bytes;
            if (m_corrupt)
                body[body.size() / 2] = char(body[body.size() / 2] ^ 0x01);
            return {200, body};
        }
    }
    return {404, "not found"};
}

void SimFirmwareServer::onRequest(QTcpSocket *s, const QByteArray &request)
{
    QByteArray target = SimHttp::target(request);
    m_requests.append(target);
    if (m_redirect) {
        if (!target.startsWith(MovedPrefix)) {
            s->write("HTTP/1.1 302 Found\r\nLocation: " + QByteArray(MovedPrefix) + target
                     + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            s->disconnectFromHost();
            return;
        }
        target.remove(0, qstrlen(MovedPrefix));
    }
    const auto [status, body] = answer(target);
    const bool isFile = status == 200 && QUrl(QString::fromUtf8(target)).path().endsWith(QLatin1String(".bin"));
    const QByteArray reply = httpReply(status, body, isFile ? "application/octet-stream" : "text/html; charset=utf-8");
    if (m_stall && isFile) {
        // Half now, the rest never: the client gives up on the stalled download.
        s->write(reply.left(reply.size() / 2));
        QTimer::singleShot(StallPauseMs, s, [s] { s->abort(); });
        return;
    }
    s->write(reply);
    s->disconnectFromHost();
}
