#pragma once

#include "Registry.h"

// The registry of the running Windows system, through its narrow-character API:
// names travel in the system code page.
class WindowsRegistry final : public registry::Registry {
public:
    registry::Status openKey(registry::Key root, const std::string &path, std::uint32_t access,
                             registry::Key &opened) override;
    registry::Status queryValue(registry::Key key, const std::string &valueName, registry::ValueType &type,
                                std::span<std::uint8_t> buffer, std::uint32_t &byteCount) override;
    registry::Status closeKey(registry::Key key) override;
};
