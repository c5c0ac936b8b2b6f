#pragma once

#include <QString>

// Where the maker can be reached: its web site and its support address. Kept
// in this one place for the About box and the instructions viewer alike.
namespace maker {

inline const QString HostName = QStringLiteral("www.brivak.example");
inline const QString WebSiteUrl = QStringLiteral("http://www.brivak.example/");
inline const QString SupportMailUrl = QStringLiteral("mailto:support@brivak.example");

} // namespace maker
