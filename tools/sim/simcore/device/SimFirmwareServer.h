#pragma once
// The firmware web server and the maker's site on loopback: firmware catalogue, update histories,
// firmware files named with their real MD5, the newest client version and its installer.
// Paths under "/firmware/" and "/site/".

#include "simcore/device/SimFirmware.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

class SimFirmwareServer : public QObject
{
    Q_OBJECT
public:
    struct File
    {
        QString name;      // type_version_kb_date_MD5_x.bin
        QByteArray bytes;
        QString folder;    // "stable/", "beta/", "personal/" or "" (test builds)
    };

    // With the default catalogue: dash S1.86 and B1.90, PDM S1.05, a dash test build T1.91.
    explicit SimFirmwareServer(QObject *parent = nullptr);

    bool listen(quint16 port); // 127.0.0.1 only; 0: any free port
    quint16 port() const;

    // Adds a file made for that device (version as a KeepOnline answer carries it, "S186").
    const File &addFile(SimFirmware::Kind kind, const QByteArray &version, int size);
    void clear() { m_files.clear(); }
    const QList<File> &files() const { return m_files; }
    const File *find(const QString &name) const;

    void setClientVersion(const QByteArray &text) { m_clientVersion = text; }
    // Files served with one byte changed (their MD5 no longer matches their names).
    void setCorruptDownloads(bool on) { m_corrupt = on; }
    // Files served in pieces with a pause that outlasts the client's stall timeout.
    void setStallDownloads(bool on) { m_stall = on; }
    void setOnline(bool on) { m_online = on; }
    // Every request is first sent elsewhere on this server with a "302 Found" (under "/moved").
    void setRedirect(bool on) { m_redirect = on; }
    // A name the catalogue lists beside the files, served by nothing ("../x", "a/b", ...).
    void listName(const QString &name) { m_extraNames.append(name); }
    QList<QByteArray> requests() const { return m_requests; }

    // Status and body for a request target ("/firmware/app.php?ping"); pure, for tests.
    QPair<int, QByteArray> answer(const QByteArray &target) const;

    static QString fileName(SimFirmware::Kind kind, const QByteArray &version, const QByteArray &bytes);

private:
    void onRequest(QTcpSocket *socket, const QByteArray &request);

    QTcpServer *m_server;
    QList<File> m_files;
    QByteArray m_clientVersion = "1.00";
    bool m_corrupt = false;
    bool m_stall = false;
    bool m_online = true;
    bool m_redirect = false;
    QStringList m_extraNames;
    QList<QByteArray> m_requests;
};
