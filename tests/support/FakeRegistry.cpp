#include "FakeRegistry.h"

#include <algorithm>

namespace {

// Rights an ordinary user lacks below HKEY_LOCAL_MACHINE: set value, create
// sub-key, create link, delete, write DAC, write owner.
constexpr std::uint32_t WriteRights = 0x2 | 0x4 | 0x20 | 0x10000 | 0x40000 | 0x80000;

QByteArray folded(const std::string &name) {
    return QByteArray::fromStdString(name).toLower();
}

} // namespace

void FakeRegistry::setValue(const QByteArray &keyPath, const QByteArray &valueName, const Value &value) {
    keys_[keyPath.toLower()][valueName.toLower()] = value;
}

void FakeRegistry::addKey(const QByteArray &keyPath) {
    keys_[keyPath.toLower()];
}

registry::Status FakeRegistry::openKey(registry::Key root, const std::string &path, std::uint32_t access,
                                       registry::Key &opened) {
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

registry::Status FakeRegistry::queryValue(registry::Key key, const std::string &valueName,
                                          registry::ValueType &type, std::span<std::uint8_t> buffer,
                                          std::uint32_t &byteCount) {
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end()) {
        return registry::InvalidHandle;
    }
    const auto &values = keys_.at(open->second);
    const auto found = values.find(folded(valueName));
    if (found == values.end()) {
        return registry::FileNotFound;
    }
    const Value &value = found->second;
    type = value.type;
    byteCount = static_cast<std::uint32_t>(value.bytes.size());
    if (static_cast<std::size_t>(value.bytes.size()) > buffer.size()) {
        return registry::MoreData;
    }
    std::copy(value.bytes.begin(), value.bytes.end(), buffer.begin());
    return registry::Success;
}

registry::Status FakeRegistry::closeKey(registry::Key key) {
    if (openKeys_.erase(key) == 0) {
        ++badCloses_;
        return registry::InvalidHandle;
    }
    return registry::Success;
}
