#include "accessory/SystemInfo.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <QtTest>

namespace {

const QByteArray ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

constexpr int Absent = -1; // a value type meaning "no such value"

FakeRegistry::Value text(const QByteArray &bytes) {
    return {registry::Sz, bytes};
}

} // namespace

// Finding the System Information tool must end in exactly one of two ways,
// the tool started or one message, and must never leave a registry key open.
// The fake registry refuses write access as Windows does to ordinary users,
// so every "found" row also guards against asking for more than reading.
class SystemInfoTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void lookUpEndsInTheToolOrOneMessage_data();
    void lookUpEndsInTheToolOrOneMessage();
    void valueIsReadAsWindowsStoresIt_data();
    void valueIsReadAsWindowsStoresIt();
    void valueWithoutBytesIsAFailureThatStillClosesTheKey();

private:
    FakeRegistry registry_;
    FakeSystem system_;
    ScriptedDialogs dialogs_;
};

void SystemInfoTest::init() {
    registry_ = {};
    system_ = {};
    dialogs_ = {};
}

void SystemInfoTest::lookUpEndsInTheToolOrOneMessage_data() {
    QTest::addColumn<int>("toolType");
    QTest::addColumn<QByteArray>("toolPath");
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("expectedStarts");
    QTest::addColumn<bool>("expectedMessage");

    const QString tool =
        QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
    const QString folderTool = QStringLiteral("C:\\MSInfo\\MSINFO32.EXE");
    const QByteArray long1023(1023, 'x');
    const QByteArray long1024(1024, 'x');

    QTest::newRow("tool's entry is started without asking whether the file exists")
        << int(registry::Sz) << tool.toLatin1() + '\0' << QByteArray() << QStringList() << QStringList{tool}
        << QStringList{tool} << false;
    QTest::newRow("tool's entry that cannot be started")
        << int(registry::Sz) << tool.toLatin1() + '\0' << QByteArray() << QStringList() << QStringList()
        << QStringList{tool} << true;
    QTest::newRow("tool's entry without a closing zero byte")
        << int(registry::Sz) << tool.toLatin1() << QByteArray() << QStringList() << QStringList{tool}
        << QStringList{tool} << false;
    QTest::newRow("folder entry with the tool in the folder")
        << Absent << QByteArray() << QByteArray("C:\\MSInfo\0", 10) << QStringList{folderTool}
        << QStringList{folderTool} << QStringList{folderTool} << false;
    QTest::newRow("folder entry without the tool in the folder")
        << Absent << QByteArray() << QByteArray("C:\\MSInfo\0", 10) << QStringList()
        << QStringList{folderTool} << QStringList() << true;
    QTest::newRow("neither entry") << Absent << QByteArray() << QByteArray() << QStringList() << QStringList()
                                   << QStringList() << true;
    QTest::newRow("tool's entry of another type counts as found with an empty path")
        << int(registry::Binary) << QByteArray("\x01\x02", 2) << QByteArray("C:\\MSInfo\0", 10)
        << QStringList{folderTool} << QStringList{folderTool} << QStringList{QString()} << true;
    QTest::newRow("tool's entry of exactly 1024 bytes with its zero byte")
        << int(registry::Sz) << long1023 + '\0' << QByteArray() << QStringList() << QStringList{long1023}
        << QStringList{long1023} << false;
    QTest::newRow("tool's entry of exactly 1024 bytes without a zero byte")
        << int(registry::Sz) << long1024 << QByteArray() << QStringList() << QStringList{long1024}
        << QStringList{long1024} << false;
    QTest::newRow("tool's entry of 1025 bytes is missing, the folder entry is used")
        << int(registry::Sz) << long1024 + '\0' << QByteArray("C:\\MSInfo\0", 10) << QStringList{folderTool}
        << QStringList{folderTool} << QStringList{folderTool} << false;
    QTest::newRow("tool's entry without bytes is unreadable, the folder entry is not tried")
        << int(registry::Sz) << QByteArray() << QByteArray("C:\\MSInfo\0", 10) << QStringList{folderTool}
        << QStringList{folderTool} << QStringList() << true;
}

void SystemInfoTest::lookUpEndsInTheToolOrOneMessage() {
    QFETCH(int, toolType);
    QFETCH(QByteArray, toolPath);
    QFETCH(QByteArray, folder);
    QFETCH(QStringList, files);
    QFETCH(QStringList, startable);
    QFETCH(QStringList, expectedStarts);
    QFETCH(bool, expectedMessage);

    if (toolType != Absent) {
        registry_.setValue(ToolKey, "PATH", {registry::ValueType(toolType), toolPath});
    }
    if (!folder.isNull()) {
        registry_.setValue(FolderKey, "MSINFO", text(folder));
    }
    system_.normalFiles = files;
    system_.startablePrograms = startable;

    SystemInfo(registry_, system_, system_, dialogs_).StartSysInfo(nullptr);

    QCOMPARE(system_.startAttempts, expectedStarts);
    if (!expectedMessage) {
        QVERIFY(dialogs_.shown.isEmpty());
    } else {
        QCOMPARE(dialogs_.shown.size(), 1);
        const ScriptedDialogs::Shown &message = dialogs_.shown.first();
        QCOMPARE(message.kind, ScriptedDialogs::Kind::Message);
        QCOMPARE(message.text, Unavailable);
        QCOMPARE(message.title, QStringLiteral("Wordsnarl"));
        QCOMPARE(message.icon, Dialogs::Icon::None);
    }
    QCOMPARE(registry_.openKeyCount(), 0);
    QCOMPARE(registry_.badCloseCount(), 0);
}

void SystemInfoTest::valueIsReadAsWindowsStoresIt_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("expectedFound");
    QTest::addColumn<QString>("expectedValue");

    const QString before = QStringLiteral("before");
    QTest::newRow("text with its zero byte")
        << int(registry::Sz) << QByteArray("C:\\a.exe\0", 9) << true << QStringLiteral("C:\\a.exe");
    QTest::newRow("text keeps all but one zero byte")
        << int(registry::Sz) << QByteArray("ab\0\0", 4) << true << QStringLiteral("ab") + QChar(0);
    QTest::newRow("number, least significant byte first")
        << int(registry::Dword) << QByteArray("\x01\x02\x00\x00", 4) << true << QStringLiteral("513");
    QTest::newRow("largest number") << int(registry::Dword) << QByteArray("\xff\xff\xff\xff", 4) << true
                                    << QStringLiteral("4294967295");
    QTest::newRow("number zero") << int(registry::Dword) << QByteArray(4, '\0') << true
                                 << QStringLiteral("0");
    QTest::newRow("another type leaves the text as it was")
        << int(registry::ExpandSz) << QByteArray("%SystemRoot%\0", 13) << true << before;
    QTest::newRow("1025 bytes are too many: not found, text emptied")
        << int(registry::Sz) << QByteArray(1025, 'x') << false << QString();
    QTest::newRow("missing value: not found, text emptied") << Absent << QByteArray() << false << QString();
}

void SystemInfoTest::valueIsReadAsWindowsStoresIt() {
    QFETCH(int, type);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, expectedFound);
    QFETCH(QString, expectedValue);

    registry_.addKey(ToolKey);
    if (type != Absent) {
        registry_.setValue(ToolKey, "PATH", {registry::ValueType(type), bytes});
    }
    QString value = QStringLiteral("before");
    SystemInfo systemInfo(registry_, system_, system_, dialogs_);
    QCOMPARE(systemInfo.GetKeyValue(registry::LocalMachine, QString::fromLatin1(ToolKey),
                                    QStringLiteral("path"), value),
             expectedFound);
    QCOMPARE(value, expectedValue);
    QCOMPARE(registry_.openKeyCount(), 0);
}

void SystemInfoTest::valueWithoutBytesIsAFailureThatStillClosesTheKey() {
    registry_.setValue(ToolKey, "PATH", text(QByteArray()));
    QString value;
    SystemInfo systemInfo(registry_, system_, system_, dialogs_);
    QVERIFY_THROWS_EXCEPTION(SystemInfo::EmptyValue,
                             systemInfo.GetKeyValue(registry::LocalMachine, QString::fromLatin1(ToolKey),
                                                    QStringLiteral("PATH"), value));
    QCOMPARE(registry_.openKeyCount(), 0);
    QCOMPARE(registry_.badCloseCount(), 0);
}

QTEST_MAIN(SystemInfoTest)
#include "SystemInfoTest.moc"
