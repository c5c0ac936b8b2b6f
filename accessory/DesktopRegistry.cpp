#include "DesktopRegistry.h"

#include <QStandardPaths>

#include <algorithm>

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolPathValue = QStringLiteral("PATH");

// Registry names ignore case.
bool sameName(const std::string &name, const QString &expected) {
    return QString::fromLocal8Bit(name).compare(expected, Qt::CaseInsensitive) == 0;
}

QString firstInstalledProgram() {
    for (const QString &program : DesktopRegistry::SystemInformationPrograms) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

} // namespace

registry::Status DesktopRegistry::openKey(registry::Key root, const std::string &path, std::uint32_t,
                                          registry::Key &opened) {
    if (root != registry::LocalMachine && !openKeys_.contains(root)) {
        return registry::InvalidHandle;
    }
    if (root != registry::LocalMachine || !sameName(path, ToolKey)) {
        return registry::FileNotFound;
    }
    const QString program = firstInstalledProgram();
    if (program.isEmpty()) {
        return registry::FileNotFound;
    }
    opened = nextKey_++;
    openKeys_.emplace(opened, program);
    return registry::Success;
}

registry::Status DesktopRegistry::queryValue(registry::Key key, const std::string &valueName,
                                             registry::ValueType &type, std::span<std::uint8_t> buffer,
                                             std::uint32_t &byteCount) {
    const auto found = openKeys_.find(key);
    if (found == openKeys_.end()) {
        return registry::InvalidHandle;
    }
    if (!sameName(valueName, ToolPathValue)) {
        return registry::FileNotFound;
    }
    // Stored as Windows stores a text value: system code page, closing zero byte.
    QByteArray value = found->second.toLocal8Bit();
    value.append('\0');
    type = registry::Sz;
    byteCount = static_cast<std::uint32_t>(value.size());
    if (static_cast<std::size_t>(value.size()) > buffer.size()) {
        return registry::MoreData;
    }
    std::copy(value.begin(), value.end(), buffer.begin());
    return registry::Success;
}

registry::Status DesktopRegistry::closeKey(registry::Key key) {
    return openKeys_.erase(key) == 1 ? registry::Success : registry::InvalidHandle;
}
