#pragma once
// How log reading and conversions talk back to the user: the kernel's hideBusy, showInfoMessage,
// progressMoving and finishLogExport. Background conversions get a copy bound to queued signals;
// tools and tests bind what they need. An unset callback does nothing.
//
// failureReason accompanies a failure's message with its precise cause (the system's error text,
// or what is wrong in the file), for a log line or a command-line tool; the client's own texts
// stay as they are.

#include <QString>
#include <QtGlobal>

#include <functional>

// What a failed write tells the user: the system's own account of it (no guess about rights),
// on a line of its own so that the first line is translated as a whole.
inline QString writeFailedText(const QString &reason)
{
    return QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Не удалось записать файл:")) + QLatin1Char('\n') + reason;
}

struct LogReporter
{
    std::function<void()> onHideBusy;
    std::function<void(const QString &)> onShowInfoMessage;
    std::function<void(unsigned)> onProgressMoving;
    std::function<void(const QString &)> onFinishLogExport;
    std::function<void(const QString &)> onFailureReason;

    void hideBusy() const { if (onHideBusy) onHideBusy(); }
    void showInfoMessage(const QString &text) const { if (onShowInfoMessage) onShowInfoMessage(text); }
    void progressMoving(unsigned progress) const { if (onProgressMoving) onProgressMoving(progress); }
    void finishLogExport(const QString &outputPath) const { if (onFinishLogExport) onFinishLogExport(outputPath); }
    void failureReason(const QString &reason) const { if (onFailureReason && !reason.isEmpty()) onFailureReason(reason); }
};
