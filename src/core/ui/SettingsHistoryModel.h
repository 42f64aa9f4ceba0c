#pragma once
// What the interface shows of the settings history: the kept versions of one device's block, what
// each differs in from the client's current block, what the sync question would change, what a
// settings file would change before it is loaded, and restoring a version (applied like a loaded
// file, so that it goes to the device the same way).

#include "settings/diff/SettingsDiff.h"
#include "settings/history/SettingsHistory.h"

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QVariantMap>

class ArdixKernel;

// A record's name as the history page shows it, in the interface language.
QString shownRecordLabel(const QString &label);

class SettingsHistoryModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *kernel READ kernel WRITE setKernel NOTIFY kernelChanged)
    // Which block: the PDM's or the dash's.
    Q_PROPERTY(bool pdm READ pdm WRITE setPdm NOTIFY pdmChanged)
    // Newest first: {time, source, sourceText, diffCount}.
    Q_PROPERTY(QVariantList snapshots READ snapshots NOTIFY snapshotsChanged)
    Q_PROPERTY(uint serial READ serial NOTIFY snapshotsChanged)
public:
    explicit SettingsHistoryModel(QObject *parent = nullptr);

    QObject *kernel() const;
    void setKernel(QObject *kernel);
    bool pdm() const { return m_pdm; }
    void setPdm(bool pdm);
    QVariantList snapshots() const { return m_rows; }
    uint serial() const;

    Q_INVOKABLE void refresh();
    // Snapshot `index` against the current block, as rows (see rowsOf).
    Q_INVOKABLE QVariantList compare(int index) const;
    // What the sync question is about. The device's block itself only arrives once the user chose
    // to download it, so the nearest honest picture is the client's block against the last one read
    // from or written to this device: {known, time, count, rows}.
    Q_INVOKABLE QVariantMap syncDifferences() const;
    // What loading the settings file `url` would change: {previewable, count, rows, pdm}. Not
    // previewable when the file is not a settings block (the store then reports it as it loads).
    Q_INVOKABLE QVariantMap previewFile(const QString &url, int deviceId, int fileType) const;
    // Applies snapshot `index` like a loaded settings file. False when there is nothing to apply.
    Q_INVOKABLE bool restore(int index);

    // One row per changed record ({header: true, title, change}) followed by one per field
    // ({header: false, field, before, after}).
    static QVariantList rowsOf(const settingsDiff::DiffResult &diff);
    static QString sourceText(settingsHistory::Source source);

signals:
    void kernelChanged();
    void pdmChanged();
    void snapshotsChanged();

private:
    settingsDiff::BlockKind kind() const;
    QByteArray currentBlock() const;
    QList<settingsHistory::Snapshot> list() const;

    QPointer<ArdixKernel> m_kernel;
    bool m_pdm = false;
    QList<settingsHistory::Snapshot> m_snapshots;
    QVariantList m_rows;
};
