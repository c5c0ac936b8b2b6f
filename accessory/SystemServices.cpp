#include "SystemServices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool SystemServices::start(const QString &path) {
    // The whole path is the program's name: a path with spaces is not split.
    return QProcess::startDetached(path, {});
}

bool SystemServices::isNormalFile(const QString &path) const {
    const QFileInfo file(path);
    return file.isFile() && !file.isHidden();
}

bool SystemServices::open(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}
