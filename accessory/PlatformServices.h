#pragma once

class QString;
class QUrl;

// What the accessory windows ask of the operating system, each behind its own
// small interface so that tests can stand in for the system.

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts the program at path, without arguments and without a shell, and
    // leaves it running on its own; false when it could not be started.
    virtual bool start(const QString &path) = 0;
};

class FileProbe {
public:
    virtual ~FileProbe() = default;

    // True when a normal file (not a folder, not hidden) exists at path.
    virtual bool isNormalFile(const QString &path) const = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // Hands url to the desktop's handler for it (web browser, e-mail program),
    // shown normally; false when no handler could be started. A handler that
    // starts and then fails reports that itself.
    virtual bool open(const QUrl &url) = 0;
};
