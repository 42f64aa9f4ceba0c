#pragma once
// Where an export goes: straight into a file, or through gzip into one. Either way the file is
// written under a temporary name and appears at its path only on commit().

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <zlib.h>

#include <memory>
#include <vector>

class OutputSink
{
public:
    virtual ~OutputSink() = default;
    virtual bool open() = 0;
    virtual bool write(const char *data, size_t size) = 0;
    virtual bool commit() = 0; // false leaves nothing behind
    virtual QString path() const = 0;
    // Why the last open, write or commit failed, in the system's words.
    virtual QString errorString() const = 0;
};

// True when writing `output` would replace the file at `input` (the same file under another name
// included).
bool wouldReplaceInput(const QString &input, const QString &output);
// Shown to the user under "Не удалось записать файл:", translated where it is shown.
inline const QString kReplacesInputReason =
    QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Файл экспорта совпадает с конвертируемым логом и заменил бы его"));

// Streams into "<path>.part" beside the target and renames it over the target on commit; the part
// file is removed on failure or when the sink goes away uncommitted, and a part file that a killed
// export left is removed by the next export of the same path. No fsync: an export can be redone,
// and waiting for the disk would double its time.
class FileSink : public OutputSink
{
public:
    static inline const QString kPartSuffix = QStringLiteral(".part");

    explicit FileSink(const QString &path) : m_path(path) {}
    ~FileSink() override { discard(); }
    bool open() override;
    bool write(const char *data, size_t size) override;
    bool commit() override;
    QString path() const override { return m_path; }
    QString errorString() const override { return m_error; }
    void discard();

private:
    void release();

    QString m_path;
    QFile m_file;
    QString m_error;
    bool m_ok = true;
    QString m_claimedPart; // the part file's name, owned by this sink within the process
};

// zlib deflate, level 9, gzip wrapping (window bits 31), memory level 8, default strategy; the text
// is fed in 32768-byte pieces, the last one with Z_FINISH, and drained 32768 bytes at a time.
class GzipSink : public OutputSink
{
public:
    static constexpr size_t kPiece = 32768;

    explicit GzipSink(const QString &path) : m_file(path) {}
    ~GzipSink() override;
    bool open() override;
    bool write(const char *data, size_t size) override;
    bool commit() override;
    QString path() const override { return m_file.path(); }
    QString errorString() const override { return m_file.errorString(); }
    // Input bytes seen so far; no file is written for an empty text.
    size_t inputSize() const { return m_total; }

private:
    bool deflatePiece(int flush);

    FileSink m_file;
    z_stream m_zs{};
    bool m_initialised = false;
    bool m_streamError = false; // compression stopped; what was produced is kept
    std::vector<char> m_in;
    std::vector<unsigned char> m_out;
    size_t m_total = 0;
};
