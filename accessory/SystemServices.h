#pragma once

#include "PlatformServices.h"

// The running system's program start, file probe and URL handlers.
class SystemServices final : public ProgramStarter, public FileProbe, public UrlOpener {
public:
    bool start(const QString &path) override;
    bool isNormalFile(const QString &path) const override;
    bool open(const QUrl &url) override;
};
