#pragma once

#include "accessory/Registry.h"

#include <QByteArray>
#include <QMap>

#include <algorithm>
#include <utility>

// Answers like the Win32 registry calls, byte for byte, from values that a test
// sets up below HKEY_LOCAL_MACHINE: the value's type and size as stored, the
// more-data status for a value longer than the buffer, nothing written but the
// value's own bytes. Like Windows for an ordinary user, it opens keys for
// reading only. It counts the keys left open.
class FakeRegistry final : public registry::Registry {
public:
    using Value = std::pair<registry::ValueType, QByteArray>; // type and bytes

    // Creates the key as well; names ignore case.
    void setValue(const QByteArray &keyPath, const QByteArray &valueName, const Value &value) {
        values_[(keyPath + '\\' + valueName).toLower()] = value;
    }
    int openKeyCount() const { return static_cast<int>(open_.size()); }

    registry::Status openKey(registry::Key root, const std::string &path, std::uint32_t access,
                             registry::Key &opened) override {
        const QByteArray key = QByteArray::fromStdString(path + '\\').toLower();
        const auto next = values_.lowerBound(key);
        if (root != registry::LocalMachine || access != registry::ReadAccess || next == values_.end() ||
            !next.key().startsWith(key)) {
            return registry::FileNotFound;
        }
        open_.insert(opened = nextKey_++, key);
        return registry::Success;
    }
    registry::Status queryValue(registry::Key key, const std::string &valueName, registry::ValueType &type,
                                std::span<std::uint8_t> buffer, std::uint32_t &byteCount) override {
        const auto value =
            values_.constFind(open_.value(key, "?") + QByteArray::fromStdString(valueName).toLower());
        if (value == values_.cend()) {
            return registry::FileNotFound;
        }
        type = value->first;
        byteCount = static_cast<std::uint32_t>(value->second.size());
        if (byteCount > buffer.size()) {
            return registry::MoreData;
        }
        std::copy(value->second.begin(), value->second.end(), buffer.begin());
        return registry::Success;
    }
    registry::Status closeKey(registry::Key key) override {
        return open_.remove(key) == 1 ? registry::Success : registry::InvalidHandle;
    }

private:
    QMap<QByteArray, Value> values_; // by lower-case key path and value name
    QMap<registry::Key, QByteArray> open_;
    registry::Key nextKey_ = 0x100;
};
