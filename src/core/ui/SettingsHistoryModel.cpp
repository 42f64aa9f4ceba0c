#include "ui/SettingsHistoryModel.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include "ui/SettingsFieldLabels.h"

#include "app/ArdixKernel.h"
#include "settings/ArdixEnums.h"
#include "settings/diff/SettingsFile.h"
#include "settings/history/SnapshotRecorder.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "settings/persistence/SettingsFileIo.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryFile>

Q_LOGGING_CATEGORY(lcHistoryModel, "ardix.ui.history")

using settingsDiff::BlockKind;
using settingsDiff::DiffResult;
using settingsDiff::SettingsDiff;
using settingsHistory::Snapshot;
using settingsHistory::Source;

// Record names are kept in Russian (they identify records); shown, they are translated. A name
// built from a text with numbers ("Скин %1, режим %2") is found again by its numbers; a name with
// a trailing number ("Лампа 3") keeps the number as it is.
QString shownRecordLabel(const QString &label)
{
    const auto translate = [](const QString &source) {
        const QByteArray utf8 = source.toUtf8();
        return QCoreApplication::translate("BlockSchema", utf8.constData());
    };
    const QString whole = translate(label);
    if (whole != label)
        return whole;
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString pattern;
    QStringList numbers;
    qsizetype from = 0;
    for (auto it = number.globalMatch(label); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        numbers << m.captured();
        pattern += label.mid(from, m.capturedStart() - from) + QLatin1Char('%') + QString::number(numbers.size());
        from = m.capturedEnd();
    }
    if (numbers.isEmpty())
        return label;
    pattern += label.mid(from);
    const QString filled = translate(pattern);
    if (filled != pattern) {
        QString out = filled;
        for (const QString &n : std::as_const(numbers))
            out = out.arg(n);
        return out;
    }
    static const QRegularExpression numbered(QStringLiteral("^(.*) (\\d+)$"));
    const QRegularExpressionMatch m = numbered.match(label);
    if (!m.hasMatch())
        return label;
    return translate(m.captured(1)) + QLatin1Char(' ') + m.captured(2);
}

namespace {
constexpr qint64 kMaxPreviewFileSize = 4 * 1024 * 1024; // as the store accepts; read no further
const char kTimeFormat[] = "dd.MM.yyyy HH:mm:ss";

QString timeText(const QDateTime &t) { return t.toLocalTime().toString(QLatin1String(kTimeFormat)); }
} // namespace

SettingsHistoryModel::SettingsHistoryModel(QObject *parent) : QObject(parent) {}

QObject *SettingsHistoryModel::kernel() const { return m_kernel.data(); }

void SettingsHistoryModel::setKernel(QObject *kernel)
{
    auto *k = qobject_cast<ArdixKernel *>(kernel);
    if (k == m_kernel)
        return;
    if (m_kernel)
        disconnect(m_kernel, nullptr, this, nullptr);
    m_kernel = k;
    // A new block read, written or loaded is a new snapshot and a new "current" to compare with.
    if (m_kernel)
        connect(m_kernel, &ArdixKernel::newConfigDownloadedFromArdix, this, &SettingsHistoryModel::refresh);
    emit kernelChanged();
    refresh();
}

void SettingsHistoryModel::setPdm(bool pdm)
{
    if (pdm == m_pdm)
        return;
    m_pdm = pdm;
    emit pdmChanged();
    refresh();
}

BlockKind SettingsHistoryModel::kind() const { return m_pdm ? BlockKind::Pdm : BlockKind::Dash; }

uint SettingsHistoryModel::serial() const
{
    settingsHistory::SnapshotRecorder *r = m_kernel ? m_kernel->snapshotRecorder() : nullptr;
    return r && r->blocks().serial ? r->blocks().serial(kind()) : 0;
}

QByteArray SettingsHistoryModel::currentBlock() const
{
    settingsHistory::SnapshotRecorder *r = m_kernel ? m_kernel->snapshotRecorder() : nullptr;
    return r && r->blocks().block ? r->blocks().block(kind()) : QByteArray();
}

QList<Snapshot> SettingsHistoryModel::list() const
{
    settingsHistory::SnapshotRecorder *r = m_kernel ? m_kernel->snapshotRecorder() : nullptr;
    return r ? r->history().list(serial(), kind()) : QList<Snapshot>();
}

void SettingsHistoryModel::refresh()
{
    m_snapshots = list();
    const QByteArray current = currentBlock();
    m_rows.clear();
    for (const Snapshot &s : m_snapshots) {
        m_rows.append(QVariantMap{
            {QStringLiteral("time"), timeText(s.time)},
            {QStringLiteral("source"), int(s.source)},
            {QStringLiteral("sourceText"), sourceText(s.source)},
            {QStringLiteral("diffCount"), SettingsDiff::compare(kind(), s.block, current).fieldCount()},
        });
    }
    emit snapshotsChanged();
}

QVariantList SettingsHistoryModel::compare(int index) const
{
    if (index < 0 || index >= m_snapshots.size())
        return {};
    return rowsOf(SettingsDiff::compare(kind(), m_snapshots[index].block, currentBlock()));
}

QVariantMap SettingsHistoryModel::syncDifferences() const
{
    for (const Snapshot &s : list()) {
        // A block written to the device is as much the device's as one read from it.
        if (s.source == Source::LoadedFromFile)
            continue;
        const DiffResult diff = SettingsDiff::compare(kind(), s.block, currentBlock());
        return {{QStringLiteral("known"), true},
                {QStringLiteral("time"), timeText(s.time)},
                {QStringLiteral("count"), diff.fieldCount()},
                {QStringLiteral("rows"), rowsOf(diff)}};
    }
    return {{QStringLiteral("known"), false}, {QStringLiteral("count"), 0}, {QStringLiteral("rows"), QVariantList()}};
}

QVariantMap SettingsHistoryModel::previewFile(const QString &url, int deviceId, int fileType) const
{
    QVariantMap out{{QStringLiteral("previewable"), false}};
    if (fileType != ArdixEnums::Settings_FileType
        || (deviceId != ArdixEnums::Device_Ardix7 && deviceId != ArdixEnums::Device_Pmx))
        return out;
    const bool isPdm = deviceId == ArdixEnums::Device_Pmx;
    const BlockKind k = isPdm ? BlockKind::Pdm : BlockKind::Dash;
    const settingsDiff::SettingsFile file = settingsDiff::readSettingsFile(persistence::loadPathFrom(url), k, settingsDiff::RawBlocks::Refuse,
                                                                         kMaxPreviewFileSize);
    if (!file.ok())
        return out;
    settingsHistory::SnapshotRecorder *r = m_kernel ? m_kernel->snapshotRecorder() : nullptr;
    if (!r || !r->blocks().block)
        return out;
    const DiffResult diff = SettingsDiff::compare(k, r->blocks().block(k), file.block);
    out.insert(QStringLiteral("previewable"), true);
    out.insert(QStringLiteral("pdm"), isPdm);
    out.insert(QStringLiteral("count"), diff.fieldCount());
    out.insert(QStringLiteral("rows"), rowsOf(diff));
    return out;
}

bool SettingsHistoryModel::restore(int index)
{
    if (!m_kernel || index < 0 || index >= m_snapshots.size())
        return false;
    // The store takes settings from files only; a private temporary one carries the snapshot there.
    QTemporaryFile file(QDir(QDir::tempPath()).filePath(QStringLiteral("ardix-restore-XXXXXX.bin")));
    if (!file.open() || file.write(persistence::compressEnvelope(m_snapshots[index].block)) < 0 || !file.flush()) {
        qCWarning(lcHistoryModel) << "cannot write the snapshot to restore:" << file.errorString();
        return false;
    }
    file.close();
    m_kernel->loadDataFromFile(file.fileName(), m_pdm ? ArdixEnums::Device_Pmx : ArdixEnums::Device_Ardix7,
                               ArdixEnums::Settings_FileType);
    refresh();
    return true;
}

QVariantList SettingsHistoryModel::rowsOf(const DiffResult &diff)
{
    QVariantList rows;
    for (const settingsDiff::RecordDiff &r : diff.records) {
        const QString change = r.change == settingsDiff::RecordChange::Added     ? QStringLiteral("added")
                               : r.change == settingsDiff::RecordChange::Removed ? QStringLiteral("removed")
                                                                                 : QStringLiteral("changed");
        rows.append(QVariantMap{{QStringLiteral("header"), true},
                                {QStringLiteral("title"), shownRecordLabel(r.group) + QStringLiteral(" · ") + shownRecordLabel(r.record)},
                                {QStringLiteral("change"), change}});
        for (const settingsDiff::FieldChange &f : r.fields)
            rows.append(QVariantMap{{QStringLiteral("header"), false},
                                    {QStringLiteral("field"), f.field},
                                    {QStringLiteral("label"), settingsFieldLabel(f.field)},
                                    {QStringLiteral("before"), f.before},
                                    {QStringLiteral("after"), f.after}});
    }
    return rows;
}

QString SettingsHistoryModel::sourceText(Source source)
{
    switch (source) {
    case Source::ReadFromDevice: return QCoreApplication::translate("SettingsHistoryModel", "прочитано с устройства");
    case Source::WrittenToDevice: return QCoreApplication::translate("SettingsHistoryModel", "записано в устройство");
    case Source::LoadedFromFile: return QCoreApplication::translate("SettingsHistoryModel", "загружено из файла");
    }
    return QString();
}
