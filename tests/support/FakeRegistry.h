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
        keys_[keyPath.toLower()][valueName.toLower()] = value;
    }
    int openKeyCount() const { return static_cast<int>(open_.size()); }

    registry::Status openKey(registry::Key root, const std::string &path, std::uint32_t access,
                             registry::Key &opened) override {
        const QByteArray key = QByteArray::fromStdString(path).toLower();
        if (root != registry::LocalMachine || access != registry::ReadAccess || !keys_.contains(key))
            return registry::FileNotFound;
        open_.insert(opened = nextKey_++, key);
        return registry::Success;
    }
    registry::Status queryValue(registry::Key key, const std::string &valueName, registry::ValueType &type,
                                std::span<std::uint8_t> buffer, std::uint32_t &byteCount) override {
        const QMap<QByteArray, Value> values = keys_.value(open_.value(key));
        const auto value = values.constFind(QByteArray::fromStdString(valueName).toLower());
        if (value == values.cend())
            return registry::FileNotFound;
        type = value->first;
        byteCount = static_cast<std::uint32_t>(value->second.size());
        const bool fits = byteCount <= buffer.size(); // else Windows leaves the buffer undefined
        std::copy_n(value->second.data(), fits ? byteCount : 0, buffer.data());
        return fits ? registry::Success : registry::MoreData;
    }
    registry::Status closeKey(registry::Key key) override {
        return open_.remove(key) == 1 ? registry::Success : registry::InvalidHandle;
    }

private:
    QMap<QByteArray, QMap<QByteArray, Value>> keys_; // values by lower-case key path and name
    QMap<registry::Key, QByteArray> open_;           // the path of each open key
    registry::Key nextKey_ = 0x100;
};
