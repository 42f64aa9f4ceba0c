#pragma once
// The System V objects behind Qt's single-instance key files, for tests that start and kill clients.
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>

#include <sys/ipc.h>
#include <sys/sem.h>

namespace sysvipc {

// The System V key of the first key file in dir whose name starts with prefix; -1 if none.
inline key_t keyIn(const QString &dir, const QString &prefix)
{
    const QStringList files = QDir(dir).entryList({prefix + QLatin1Char('*')}, QDir::Files);
    return files.isEmpty() ? key_t(-1) : ::ftok(QFile::encodeName(QDir(dir).filePath(files.first())).constData(), 'Q');
}

// The ids of the semaphores behind the semaphore key files in dir.
inline QList<int> semaphoresIn(const QString &dir)
{
    QList<int> ids;
    const QStringList files = QDir(dir).entryList({QStringLiteral("qipc_systemsem_*")}, QDir::Files);
    for (const QString &file : files) {
        const key_t key = ::ftok(QFile::encodeName(QDir(dir).filePath(file)).constData(), 'Q');
        const int id = key == -1 ? -1 : ::semget(key, 0, 0);
        if (id != -1)
            ids.append(id);
    }
    return ids;
}

// Every semaphore on the machine. A key holds only 16 bits of its file's inode, so where killed
// processes left semaphores behind, a new key file can name an old semaphore; a client rightly
// opens that one and leaves it to whoever made it.
inline QSet<int> allSemaphores()
{
    QSet<int> ids;
    QFile table(QStringLiteral("/proc/sysvipc/sem"));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        return ids;
    table.readLine(); // heading
    while (!table.atEnd()) {
        const QList<QByteArray> fields = table.readLine().simplified().split(' ');
        if (fields.size() > 1)
            ids.insert(fields.at(1).toInt());
    }
    return ids;
}

inline bool semaphoreExists(int id)
{
    semid_ds ds{};
    return ::semctl(id, 0, IPC_STAT, &ds) != -1;
}

// Removes the semaphores behind dir's key files that were not there before (a killed process's,
// which System V keeps until someone removes them).
inline void removeSemaphoresMadeSince(const QString &dir, const QSet<int> &before)
{
    for (int id : semaphoresIn(dir)) {
        if (!before.contains(id))
            ::semctl(id, 0, IPC_RMID);
    }
}

} // namespace sysvipc
