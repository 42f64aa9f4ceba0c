#pragma once
// Client versions as the maker's site writes them: a major number, a point and two digits of minor
// ("1.85"). Compared as numbers: the float of the first four characters of "1.0.0" would be 0 and
// make every server version look newer.

#include <QString>

#include <optional>

namespace update {

// 185 for "1.85"; nothing for text in another form.
std::optional<int> clientVersionNumber(const QString &text);

// Whether the server's version is newer than this client's; false when either cannot be read.
bool isNewerClientVersion(const QString &server, const QString &mine);

} // namespace update
