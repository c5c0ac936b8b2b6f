#pragma once

#include "Registry.h"

#include <QString>

#include <stdexcept>

class Dialogs;
class FileProbe;
class ProgramStarter;
class QWidget;

// Finds the operating system's System Information tool through the registry
// and starts it, or tells the player that it is unavailable.
class SystemInfo {
public:
    // A value that was read without a single byte: the look-up cannot go on.
    class EmptyValue : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    static constexpr std::size_t ValueBufferBytes = 1024;

    SystemInfo(registry::Registry &registry, ProgramStarter &programs, const FileProbe &files,
               Dialogs &dialogs);

    // Every failure, from look-up to start, ends in one message over messageParent.
    void StartSysInfo(QWidget *messageParent);

    // Reads value SubKeyRef of key KeyRoot\KeyName into KeyVal: a text value as
    // it is, a number as decimal digits, any other type leaves KeyVal alone.
    // False, with KeyVal emptied, when the key or value is missing or longer
    // than ValueBufferBytes. Throws EmptyValue when the value has no bytes.
    // The key is closed before it returns, either way.
    bool GetKeyValue(registry::Key KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

private:
    bool findTool(QString &path);

    registry::Registry &registry_;
    ProgramStarter &programs_;
    const FileProbe &files_;
    Dialogs &dialogs_;
};
