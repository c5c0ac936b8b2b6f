// Feeds GetKeyValue registry values of fuzzed type, length and bytes through
// the fake registry, which answers as Windows does, and checks what the About
// box relies on: a value is read within its buffer, a missing or overlong one
// empties the text, one without bytes throws, the key is always closed, and
// looking for the System Information tool ends in a start or one message.
#include "accessory/PlatformServices.h"
#include "accessory/SystemInfo.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedDialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

const QByteArray ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString FolderTool = QStringLiteral("C:\\MSInfo\\MSINFO32.EXE");
const QString Untouched = QStringLiteral("untouched");

// The first four bytes of an input set the scene; the rest are the value's bytes.
struct Scene {
    enum class Held { NoKey, KeyWithoutValue, Value };

    Held held = Held::NoKey;
    bool folderEntry = false; // the second look-up finds "C:\MSInfo"
    bool toolInFolder = false;
    bool toolStarts = false;
    FakeRegistry::Value value;
};

// Lengths run past the buffer's 1024 bytes; short inputs repeat their bytes
// to fill them, so that the boundary is reached without long inputs.
Scene sceneOf(const std::uint8_t *data, std::size_t size) {
    Scene scene;
    if (size < 4) {
        return scene;
    }
    const std::uint8_t flags = data[0];
    scene.held = static_cast<Scene::Held>(std::min(flags & 3, 2));
    scene.folderEntry = flags & 4;
    scene.toolInFolder = flags & 8;
    scene.toolStarts = flags & 16;
    scene.value.type = data[1];
    const qsizetype length = (data[2] | data[3] << 8) & 0x7ff;
    const std::uint8_t *pattern = data + 4;
    const std::size_t patternSize = size - 4;
    scene.value.bytes = QByteArray(length, '\0');
    for (qsizetype i = 0; patternSize > 0 && i < length; ++i) {
        scene.value.bytes[i] = static_cast<char>(pattern[static_cast<std::size_t>(i) % patternSize]);
    }
    return scene;
}

void require(bool holds, const char *rule, const Scene &scene) {
    if (!holds) {
        std::fprintf(stderr, "Broken for a value of type %u and %lld bytes: %s\n", scene.value.type,
                     static_cast<long long>(scene.value.bytes.size()), rule);
        std::abort();
    }
}

void fillRegistry(FakeRegistry &registry, const Scene &scene) {
    if (scene.held == Scene::Held::KeyWithoutValue) {
        registry.addKey(ToolKey);
    } else if (scene.held == Scene::Held::Value) {
        registry.setValue(ToolKey, "PATH", scene.value);
    }
    if (scene.folderEntry) {
        registry.setValue(FolderKey, "MSINFO", {registry::Sz, QByteArray("C:\\MSInfo\0", 10)});
    }
}

// What reading the tool's entry over the text before should give, worked out
// from the Win32 rules without the reader: nothing when the entry is missing
// or longer than the buffer, a throw (nullopt) when it has no bytes.
struct Reading {
    bool found = false;
    QString text;
};

std::optional<Reading> expectedReading(const Scene &scene, const QString &before) {
    const QByteArray &bytes = scene.value.bytes;
    if (scene.held != Scene::Held::Value || bytes.size() > qsizetype(SystemInfo::ValueBufferBytes)) {
        return Reading{};
    }
    if (bytes.isEmpty()) {
        return std::nullopt;
    }
    if (scene.value.type == registry::Sz) {
        return Reading{true, QString::fromLocal8Bit(bytes.endsWith('\0') ? bytes.chopped(1) : bytes)};
    }
    if (scene.value.type == registry::Dword) {
        std::uint32_t number = 0;
        for (qsizetype i = 0; i < std::min<qsizetype>(bytes.size(), 4); ++i) {
            number |= std::uint32_t(std::uint8_t(bytes[i])) << (8 * i);
        }
        return Reading{true, QString::number(number)};
    }
    return Reading{true, before};
}

class ScriptedSystem final : public ProgramStarter, public FileProbe {
public:
    explicit ScriptedSystem(const Scene &scene)
        : scene_(scene) {}

    QStringList starts;

    bool start(const QString &path) override {
        starts.append(path);
        return scene_.toolStarts;
    }
    bool isNormalFile(const QString &path) const override {
        return scene_.toolInFolder && path == FolderTool;
    }

private:
    const Scene &scene_;
};

void checkReading(const Scene &scene) {
    FakeRegistry registry;
    fillRegistry(registry, scene);
    ScriptedSystem system(scene);
    ScriptedDialogs dialogs;
    SystemInfo systemInfo(registry, system, system, dialogs);

    const std::optional<Reading> expected = expectedReading(scene, Untouched);
    QString text = Untouched;
    std::optional<Reading> read;
    try {
        const bool found = systemInfo.GetKeyValue(registry::LocalMachine, QString::fromLatin1(ToolKey),
                                                  QStringLiteral("PATH"), text);
        read = Reading{found, text};
    } catch (const SystemInfo::EmptyValue &) {
        require(text == Untouched, "a throw leaves the text alone", scene);
    }
    require(read.has_value() == expected.has_value(), "only a value without bytes throws", scene);
    if (read) {
        require(read->found == expected->found, "found as Windows answers", scene);
        require(read->text == expected->text, "the text read is the value's", scene);
    }
    require(registry.openKeyCount() == 0, "no key is left open", scene);
    require(registry.badCloseCount() == 0, "only open keys are closed", scene);
}

void checkLookUp(const Scene &scene) {
    FakeRegistry registry;
    fillRegistry(registry, scene);
    ScriptedSystem system(scene);
    ScriptedDialogs dialogs;
    SystemInfo(registry, system, system, dialogs).StartSysInfo(nullptr);

    QStringList expectedStarts;
    if (const std::optional<Reading> first = expectedReading(scene, QString())) {
        if (first->found) {
            expectedStarts = {first->text};
        } else if (scene.folderEntry && scene.toolInFolder) {
            expectedStarts = {FolderTool};
        }
    }
    require(system.starts == expectedStarts, "the tool found is the one started", scene);
    const bool started = !system.starts.isEmpty() && scene.toolStarts;
    require(dialogs.shown.size() == (started ? 0 : 1), "a start or one message", scene);
    require(registry.openKeyCount() == 0, "no key is left open by the look-up", scene);
    require(registry.badCloseCount() == 0, "the look-up closes only open keys", scene);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const Scene scene = sceneOf(data, size);
    checkReading(scene);
    checkLookUp(scene);
    return 0;
}
