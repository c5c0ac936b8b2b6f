#include "SystemInfo.h"

#include "PlatformServices.h"
#include "ui/AppInfo.h"
#include "ui/Dialogs.h"

#include <array>

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolPathValue = QStringLiteral("PATH");
const QString ToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString ToolFolderValue = QStringLiteral("MSINFO");
const QString ToolFileName = QStringLiteral("\\MSINFO32.EXE");

// Closes an open key on every way out of the reader, also when it throws.
class OpenKey {
public:
    OpenKey(registry::Registry &registry, registry::Key key)
        : registry_(registry)
        , key_(key) {}
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
    ~OpenKey() { registry_.closeKey(key_); }

private:
    registry::Registry &registry_;
    registry::Key key_;
};

std::string systemCodePage(const QString &text) {
    return text.toLocal8Bit().toStdString();
}

// A REG_DWORD is stored least significant byte first.
std::uint32_t littleEndianNumber(const std::uint8_t *bytes, std::size_t count) {
    std::uint32_t number = 0;
    for (std::size_t i = std::min<std::size_t>(count, 4); i > 0; --i) {
        number = number << 8 | bytes[i - 1];
    }
    return number;
}

} // namespace

SystemInfo::SystemInfo(registry::Registry &registry, ProgramStarter &programs, const FileProbe &files,
                       Dialogs &dialogs)
    : registry_(registry)
    , programs_(programs)
    , files_(files)
    , dialogs_(dialogs) {}

void SystemInfo::StartSysInfo(QWidget *messageParent) {
    QString path;
    try {
        if (findTool(path) && programs_.start(path)) {
            return;
        }
    } catch (const EmptyValue &) {
        // Unreadable: the tool cannot be found.
    }
    dialogs_.showMessage(messageParent, QStringLiteral("System Information Is Unavailable At This Time"),
                         appinfo::Title, Dialogs::Icon::None);
}

bool SystemInfo::findTool(QString &path) {
    // The tool's own entry is trusted as it is; the folder entry needs the file to be there.
    if (GetKeyValue(registry::LocalMachine, ToolKey, ToolPathValue, path)) {
        return true;
    }
    if (!GetKeyValue(registry::LocalMachine, ToolFolderKey, ToolFolderValue, path)) {
        return false;
    }
    if (!files_.isNormalFile(path + ToolFileName)) {
        return false;
    }
    path += ToolFileName;
    return true;
}

bool SystemInfo::GetKeyValue(registry::Key KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                             QString &KeyVal) {
    registry::Key key = 0;
    // Read access only: Windows refuses more to ordinary users below HKEY_LOCAL_MACHINE.
    if (registry_.openKey(KeyRoot, systemCodePage(KeyName), registry::ReadAccess, key) != registry::Success) {
        KeyVal.clear();
        return false;
    }
    const OpenKey openKey(registry_, key);

    std::array<std::uint8_t, ValueBufferBytes> buffer{};
    registry::ValueType type = registry::None;
    std::uint32_t written = 0;
    if (registry_.queryValue(key, systemCodePage(SubKeyRef), type, buffer, written) != registry::Success ||
        written > buffer.size()) {
        KeyVal.clear();
        return false;
    }
    if (written == 0) {
        throw EmptyValue("registry value without bytes");
    }

    // A text usually ends in a zero byte that is not part of it.
    const std::size_t kept = buffer[written - 1] == 0 ? written - 1 : written;
    if (type == registry::Sz) {
        KeyVal = QString::fromLocal8Bit(reinterpret_cast<const char *>(buffer.data()),
                                        static_cast<qsizetype>(kept));
    } else if (type == registry::Dword) {
        KeyVal = QString::number(littleEndianNumber(buffer.data(), kept));
    }
    return true;
}
