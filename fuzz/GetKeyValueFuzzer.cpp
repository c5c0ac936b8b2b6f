// Feeds GetKeyValue registry values of fuzzed type and bytes through the fake
// registry, which answers as Windows does; the fuzz build's sanitizers see any
// read past the 1024-byte buffer. Aborts, so that libFuzzer keeps the input,
// unless a value is found only when it is there and fits the buffer, a text
// value is read without its closing zero byte, a missing or overlong one empties
// the text, only one without bytes throws, and the key is closed.
#include "accessory/SystemInfo.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <cstdlib>

// Byte 0: 0 no key, 1 a key without the value, else the value; byte 1 its type;
// the rest its bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 2, static_cast<qsizetype>(size) - 2);
    FakeRegistry registry;
    registry.setValue("KEY", data[0] % 3 > 1 ? "PATH" : "other", {data[1], bytes});
    const bool read = data[0] % 3 > 1 && bytes.size() <= qsizetype(SystemInfo::ValueBufferBytes);
    FakeSystem system;
    ScriptedDialogs dialogs;
    QString value = QStringLiteral("before");
    bool found = false;
    SystemInfo info(registry, system, system, dialogs);
    try {
        found = info.GetKeyValue(registry::LocalMachine, data[0] % 3 ? "key" : "none", "path", value);
    } catch (const SystemInfo::EmptyValue &) {
        found = read && bytes.isEmpty() && value == QStringLiteral("before");
    }
    const QByteArray text = bytes.endsWith('\0') ? bytes.chopped(1) : bytes;
    if (found != read || (!read && !value.isEmpty()) || registry.openKeyCount() != 0 ||
        (read && data[1] == registry::Sz && !bytes.isEmpty() && value != QString::fromLocal8Bit(text))) {
        std::abort();
    }
    return 0;
}
