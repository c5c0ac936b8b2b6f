#pragma once

#include "accessory/Registry.h"

#include <QByteArray>

#include <algorithm>
#include <map>

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
    void setValue(const QByteArray &keyPath, const QByteArray &valueName, const Value &value) {
        keys_[keyPath.toLower()][valueName.toLower()] = value;
    }

    int openKeyCount() const { return static_cast<int>(openKeys_.size()); }
    int badCloseCount() const { return badCloses_; }

    registry::Status openKey(registry::Key root, const std::string &path, std::uint32_t access,
                             registry::Key &opened) override {
        // Set value, create sub-key, create link, delete, write DAC, write owner.
        constexpr std::uint32_t WriteRights = 0x2 | 0x4 | 0x20 | 0x10000 | 0x40000 | 0x80000;
        if (root != registry::LocalMachine) {
            return registry::InvalidHandle;
        }
        if (!keys_.contains(folded(path))) {
            return registry::FileNotFound;
        }
        if (access & WriteRights) {
            return registry::AccessDenied;
        }
        opened = nextKey_++;
        openKeys_.emplace(opened, folded(path));
        return registry::Success;
    }

    registry::Status queryValue(registry::Key key, const std::string &valueName, registry::ValueType &type,
                                std::span<std::uint8_t> buffer, std::uint32_t &byteCount) override {
        const auto open = openKeys_.find(key);
        if (open == openKeys_.end()) {
            return registry::InvalidHandle;
        }
        const auto &values = keys_.at(open->second);
        const auto found = values.find(folded(valueName));
        if (found == values.end()) {
            return registry::FileNotFound;
        }
        type = found->second.type;
        const QByteArray &bytes = found->second.bytes;
        byteCount = static_cast<std::uint32_t>(bytes.size());
        if (static_cast<std::size_t>(bytes.size()) > buffer.size()) {
            return registry::MoreData;
        }
        std::copy(bytes.begin(), bytes.end(), buffer.begin());
        return registry::Success;
    }

    registry::Status closeKey(registry::Key key) override {
        if (openKeys_.erase(key) == 0) {
            ++badCloses_;
            return registry::InvalidHandle;
        }
        return registry::Success;
    }

private:
    static QByteArray folded(const std::string &name) { return QByteArray::fromStdString(name).toLower(); }

    std::map<QByteArray, std::map<QByteArray, Value>> keys_; // by lower-case key path, then value name
    std::map<registry::Key, QByteArray> openKeys_;
    registry::Key nextKey_ = 0x100;
    int badCloses_ = 0;
};
