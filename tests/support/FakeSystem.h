#pragma once

#include "accessory/PlatformServices.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The operating system as a test sets it up: which programs start, which
// files exist, and a record of every start attempted and URL opened.
class FakeSystem final : public ProgramStarter, public FileProbe, public UrlOpener {
public:
    QStringList startablePrograms, normalFiles, startAttempts;
    QList<QUrl> openedUrls;
    bool urlsOpen = true; // false: as on a desktop without a handler for any URL

    bool start(const QString &path) override {
        startAttempts.append(path);
        return startablePrograms.contains(path);
    }
    bool isNormalFile(const QString &path) const override { return normalFiles.contains(path); }
    bool open(const QUrl &url) override {
        openedUrls.append(url);
        return urlsOpen;
    }
};
