#include "accessory/SystemInfo.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <QtTest>

namespace {

const QByteArray ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString Tool =
    QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
const QString FolderTool = QStringLiteral("C:\\MSInfo\\MSINFO32.EXE");
constexpr int Absent = -1; // a value type meaning "no such value"

} // namespace

// Finding the System Information tool must end in exactly one of two ways, the
// tool started or one message, and must never leave a registry key open. The
// fake registry refuses write access as Windows does to ordinary users, so
// every "found" row also guards against asking for more than reading.
class SystemInfoTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        registry_ = {};
        system_ = {};
        dialogs_ = {};
    }

    void lookUpEndsInTheToolOrOneMessage_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("bytes");      // of the tool's own entry
        QTest::addColumn<bool>("folderEntry");      // names the folder C:\MSInfo
        QTest::addColumn<bool>("toolInFolder");     // MSINFO32.EXE is there
        QTest::addColumn<QStringList>("attempted"); // starts tried, in order
        QTest::addColumn<bool>("starts");           // whether the attempt succeeds
        const auto row = [](const char *name, int type, const QByteArray &bytes, bool folderEntry,
                            bool inFolder, const QStringList &attempted, bool starts) {
            QTest::newRow(name) << type << bytes << folderEntry << inFolder << attempted << starts;
        };
        const QByteArray tool = Tool.toLatin1();
        const QByteArray long1023(1023, 'x');
        const QByteArray long1024(1024, 'x');
        const int Sz = registry::Sz;
        constexpr bool Yes = true;
        constexpr bool No = false;
        row("tool's entry started without asking whether the file exists", Sz, tool + '\0', No, No, {Tool},
            Yes);
        row("tool's entry that cannot be started", Sz, tool + '\0', No, No, {Tool}, No);
        row("tool's entry without a closing zero byte", Sz, tool, No, No, {Tool}, Yes);
        row("text keeps all but one zero byte", Sz, QByteArray("ab\0\0", 4), No, No,
            {QStringLiteral("ab") + QChar()}, Yes);
        row("exactly 1024 bytes with the zero byte", Sz, long1023 + '\0', No, No, {long1023}, Yes);
        row("exactly 1024 bytes without a zero byte", Sz, long1024, No, No, {long1024}, Yes);
        row("1025 bytes count as missing: the folder entry is used", Sz, long1024 + '\0', Yes, Yes,
            {FolderTool}, Yes);
        row("no bytes: unreadable, the folder entry is not tried", Sz, QByteArray(), Yes, Yes, {}, No);
        row("number, least significant byte first", registry::Dword, QByteArray("\x01\x02\0\0", 4), No, No,
            {"513"}, Yes);
        row("largest number", registry::Dword, QByteArray(4, '\xff'), No, No, {"4294967295"}, Yes);
        row("another type counts as found with an empty path", registry::Binary, "\x01", Yes, Yes, {""}, No);
        row("folder entry with the tool in the folder", Absent, {}, Yes, Yes, {FolderTool}, Yes);
        row("folder entry without the tool in the folder", Absent, {}, Yes, No, {}, No);
        row("neither entry", Absent, {}, No, No, {}, No);
    }
    void lookUpEndsInTheToolOrOneMessage() {
        QFETCH(int, type);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, folderEntry);
        QFETCH(bool, toolInFolder);
        QFETCH(QStringList, attempted);
        QFETCH(bool, starts);
        if (type != Absent) {
            registry_.setValue(ToolKey, "PATH", {registry::ValueType(type), bytes});
        }
        if (folderEntry) {
            registry_.setValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                               {registry::Sz, QByteArray("C:\\MSInfo\0", 10)});
        }
        system_.normalFiles = toolInFolder ? QStringList{FolderTool} : QStringList();
        system_.startablePrograms = starts ? attempted : QStringList();

        SystemInfo(registry_, system_, system_, dialogs_).StartSysInfo(nullptr);

        QCOMPARE(system_.startAttempts, attempted);
        if (starts) {
            QVERIFY(dialogs_.shown.isEmpty());
        } else {
            QCOMPARE(dialogs_.shown.size(), 1);
            const ScriptedDialogs::Shown &message = dialogs_.shown.first();
            QCOMPARE(message.kind, ScriptedDialogs::Kind::Message);
            QCOMPARE(message.text, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(message.title, QStringLiteral("Wordsnarl"));
            QCOMPARE(message.icon, Dialogs::Icon::None);
        }
        QCOMPARE(registry_.openKeyCount(), 0);
        QCOMPARE(registry_.badCloseCount(), 0);
    }

private:
    FakeRegistry registry_;
    FakeSystem system_;
    ScriptedDialogs dialogs_;
};

QTEST_MAIN(SystemInfoTest)
#include "SystemInfoTest.moc"
