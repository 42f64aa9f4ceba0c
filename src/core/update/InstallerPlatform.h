#pragma once
// Whether a downloaded client installer can run here: the maker publishes Windows installers
// only, so elsewhere the file is kept and not started.

#include <QByteArray>

namespace InstallerPlatform {

inline constexpr int HeadBytes = 2;

// A Windows executable starts with "MZ".
inline bool fitsThisPlatform(const QByteArray &head)
{
#ifdef Q_OS_WIN
    return head.startsWith("MZ");
#else
    Q_UNUSED(head);
    return false;
#endif
}

} // namespace InstallerPlatform
