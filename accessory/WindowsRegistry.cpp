#include "WindowsRegistry.h"

#include <windows.h>

// The portable constants must be the platform's own, or every status would be misread.
static_assert(registry::ReadAccess == KEY_READ);
static_assert(registry::Success == ERROR_SUCCESS);
static_assert(registry::FileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(registry::AccessDenied == ERROR_ACCESS_DENIED);
static_assert(registry::InvalidHandle == ERROR_INVALID_HANDLE);
static_assert(registry::MoreData == ERROR_MORE_DATA);
static_assert(registry::None == REG_NONE && registry::Sz == REG_SZ && registry::ExpandSz == REG_EXPAND_SZ &&
              registry::Binary == REG_BINARY && registry::Dword == REG_DWORD);
static_assert(sizeof(registry::Key) == sizeof(HKEY));

namespace {

HKEY toHandle(registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

registry::Status WindowsRegistry::openKey(registry::Key root, const std::string &path, std::uint32_t access,
                                          registry::Key &opened) {
    HKEY handle = nullptr;
    const LONG status = RegOpenKeyExA(toHandle(root), path.c_str(), 0, access, &handle);
    if (status == ERROR_SUCCESS) {
        opened = reinterpret_cast<registry::Key>(handle);
    }
    return status;
}

registry::Status WindowsRegistry::queryValue(registry::Key key, const std::string &valueName,
                                             registry::ValueType &type, std::span<std::uint8_t> buffer,
                                             std::uint32_t &byteCount) {
    DWORD valueType = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG status =
        RegQueryValueExA(toHandle(key), valueName.c_str(), nullptr, &valueType, buffer.data(), &size);
    type = valueType;
    byteCount = size;
    return status;
}

registry::Status WindowsRegistry::closeKey(registry::Key key) {
    return RegCloseKey(toHandle(key));
}
