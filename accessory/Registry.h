#pragma once

#include <cstdint>
#include <span>
#include <string>

// Read-only access to the Windows registry, or to something that answers like
// it. Every call keeps the Win32 meaning of its status, value type and byte
// count, so the one reader above it behaves alike on every backend. No Qt here:
// the Windows backend compiles on its own.
namespace registry {

using Key = std::intptr_t;   // an open key or a predefined root, as wide as a Win32 HKEY
using Status = std::int32_t; // a Win32 error code
using ValueType = std::uint32_t;

// Win32 widens its predefined roots from signed 32-bit numbers.
inline constexpr Key LocalMachine = static_cast<std::int32_t>(0x80000002u);

// Query value, enumerate sub-keys, notify, read control: what an ordinary user
// may ask of keys below HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t ReadAccess = 0x20019;

inline constexpr Status Success = 0;
inline constexpr Status FileNotFound = 2;
inline constexpr Status AccessDenied = 5;
inline constexpr Status InvalidHandle = 6;
inline constexpr Status MoreData = 234;

inline constexpr ValueType None = 0;
inline constexpr ValueType Sz = 1;
inline constexpr ValueType ExpandSz = 2;
inline constexpr ValueType Binary = 3;
inline constexpr ValueType Dword = 4;

class Registry {
public:
    virtual ~Registry() = default;

    // Opens path below root (a predefined root or an open key). On Success,
    // opened is a key that must be closed.
    virtual Status openKey(Key root, const std::string &path, std::uint32_t access, Key &opened) = 0;

    // Copies the value's bytes into buffer. On Success, type is the value's type
    // and byteCount the number of bytes written. On MoreData the value is longer
    // than buffer: byteCount is its length and buffer holds nothing useful.
    virtual Status queryValue(Key key, const std::string &valueName, ValueType &type,
                              std::span<std::uint8_t> buffer, std::uint32_t &byteCount) = 0;

    virtual Status closeKey(Key key) = 0;
};

} // namespace registry
