#pragma once

#include "Registry.h"

#include <QString>
#include <QStringList>

#include <map>

// Stands in for the registry where there is none. It knows one value only:
// "PATH" under HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, the
// full path of the first system-information program found on PATH. Every
// other key is missing, so without such a program the look-up fails just as
// on a Windows system without its tool.
class DesktopRegistry final : public registry::Registry {
public:
    // Best first. Each is a desktop program that shows the whole system, not a
    // process monitor, and each starts without arguments or root rights.
    static inline const QStringList SystemInformationPrograms{
        QStringLiteral("hardinfo"),    // desktop-neutral hardware and software report
        QStringLiteral("kinfocenter"), // the Plasma desktop's information centre
        QStringLiteral("cpu-x"),       // processor, board, memory and system summary
    };

    registry::Status openKey(registry::Key root, const std::string &path, std::uint32_t access,
                             registry::Key &opened) override;
    registry::Status queryValue(registry::Key key, const std::string &valueName, registry::ValueType &type,
                                std::span<std::uint8_t> buffer, std::uint32_t &byteCount) override;
    registry::Status closeKey(registry::Key key) override;

private:
    std::map<registry::Key, QString> openKeys_; // each open key and the program path it answers
    registry::Key nextKey_ = 1;
};
