#pragma once

#include "accessory/Registry.h"

#include <QByteArray>

#include <map>
#include <set>

// Answers like the Win32 registry calls, byte for byte, from keys and values
// that a test sets up below HKEY_LOCAL_MACHINE: the sizes reported, the
// more-data status for a value longer than the buffer, the value's type as
// stored, and nothing written but the value's own bytes. Like Windows for an
// ordinary user, it refuses to open keys for writing. It keeps count of the
// keys left open and of attempts to close a key that is not open.
class FakeRegistry final : public registry::Registry {
public:
    struct Value {
        registry::ValueType type = registry::None;
        QByteArray bytes;
    };

    // Creates the key as well; names ignore case.
    void setValue(const QByteArray &keyPath, const QByteArray &valueName, const Value &value);
    void addKey(const QByteArray &keyPath);

    int openKeyCount() const { return static_cast<int>(openKeys_.size()); }
    int badCloseCount() const { return badCloses_; }

    registry::Status openKey(registry::Key root, const std::string &path, std::uint32_t access,
                             registry::Key &opened) override;
    registry::Status queryValue(registry::Key key, const std::string &valueName, registry::ValueType &type,
                                std::span<std::uint8_t> buffer, std::uint32_t &byteCount) override;
    registry::Status closeKey(registry::Key key) override;

private:
    std::map<QByteArray, std::map<QByteArray, Value>> keys_; // by lower-case key path, then value name
    std::map<registry::Key, QByteArray> openKeys_;
    registry::Key nextKey_ = 0x100;
    int badCloses_ = 0;
};
