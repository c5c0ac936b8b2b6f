#pragma once

#include "ui/Version.h"

#include <QString>

namespace appinfo {

// The application title: part of window captions and message-box titles.
inline const QString Title = QStringLiteral("Wordsnarl");

inline QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

} // namespace appinfo
