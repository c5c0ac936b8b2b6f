#include "accessory/DesktopRegistry.h"
#include "accessory/SystemInfo.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");

// An executable shell script of the given name in dir; executable=false leaves it a plain file.
QString placeProgram(const QTemporaryDir &dir, const QString &name, bool executable = true) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write("#!/bin/sh\nexit 0\n");
    file.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                   : QFile::ReadOwner | QFile::WriteOwner);
    return file.fileName();
}

} // namespace

// Without a registry the About box finds the desktop's system-information
// program on PATH, and says it is unavailable when there is none.
class DesktopRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void toolOnPathIsFoundAndStarted_data();
    void toolOnPathIsFoundAndStarted();
    void noToolOnPathEndsInTheMessage_data();
    void noToolOnPathEndsInTheMessage();
    void valueLongerThanTheBufferAsksForMoreRoom();

private:
    QByteArray originalPath_;
    std::unique_ptr<QTemporaryDir> dir_;
    DesktopRegistry registry_;
    FakeSystem system_;
    ScriptedDialogs dialogs_;
};

void DesktopRegistryTest::init() {
    originalPath_ = qgetenv("PATH");
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    qputenv("PATH", QFile::encodeName(dir_->path()));
    system_ = {};
    dialogs_ = {};
}

void DesktopRegistryTest::cleanup() {
    qputenv("PATH", originalPath_);
    dir_.reset();
}

void DesktopRegistryTest::toolOnPathIsFoundAndStarted_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");
    for (const QString &program : DesktopRegistry::SystemInformationPrograms) {
        QTest::newRow(qPrintable(program + " alone")) << QStringList{program} << program;
    }
    QTest::newRow("the first listed wins")
        << DesktopRegistry::SystemInformationPrograms << DesktopRegistry::SystemInformationPrograms.first();
}

void DesktopRegistryTest::toolOnPathIsFoundAndStarted() {
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    for (const QString &program : installed) {
        QVERIFY(!placeProgram(*dir_, program).isEmpty());
    }
    const QString path = dir_->filePath(expected);
    system_.startablePrograms = {path};

    SystemInfo(registry_, system_, system_, dialogs_).StartSysInfo(nullptr);

    QCOMPARE(system_.startAttempts, QStringList{path});
    QVERIFY(dialogs_.shown.isEmpty());
}

void DesktopRegistryTest::noToolOnPathEndsInTheMessage_data() {
    QTest::addColumn<bool>("folderOnPath");
    QTest::addColumn<bool>("executable");
    QTest::newRow("empty PATH") << false << true;
    QTest::newRow("tool's name on a file that cannot run") << true << false;
}

void DesktopRegistryTest::noToolOnPathEndsInTheMessage() {
    QFETCH(bool, folderOnPath);
    QFETCH(bool, executable);
    QVERIFY(!placeProgram(*dir_, DesktopRegistry::SystemInformationPrograms.first(), executable).isEmpty());
    if (!folderOnPath) {
        qputenv("PATH", "");
    }

    SystemInfo systemInfo(registry_, system_, system_, dialogs_);
    QString value;
    QVERIFY(!systemInfo.GetKeyValue(registry::LocalMachine, ToolKey, QStringLiteral("PATH"), value));
    QVERIFY(!systemInfo.GetKeyValue(registry::LocalMachine,
                                    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                    QStringLiteral("MSINFO"), value));
    systemInfo.StartSysInfo(nullptr);
    QVERIFY(system_.startAttempts.isEmpty());
    QCOMPARE(dialogs_.shown.size(), 1);
}

void DesktopRegistryTest::valueLongerThanTheBufferAsksForMoreRoom() {
    const QString tool = placeProgram(*dir_, DesktopRegistry::SystemInformationPrograms.first());
    registry::Key key = 0;
    QCOMPARE(registry_.openKey(registry::LocalMachine, ToolKey.toStdString(), registry::ReadAccess, key),
             registry::Success);

    std::array<std::uint8_t, 4> small{};
    registry::ValueType type = registry::None;
    std::uint32_t byteCount = 0;
    QCOMPARE(registry_.queryValue(key, "path", type, small, byteCount), registry::MoreData);
    QCOMPARE(type, registry::Sz);
    // The path and its closing zero byte.
    QCOMPARE(byteCount, std::uint32_t(QFile::encodeName(tool).size() + 1));

    QCOMPARE(registry_.closeKey(key), registry::Success);
    QCOMPARE(registry_.closeKey(key), registry::InvalidHandle);
}

QTEST_MAIN(DesktopRegistryTest)
#include "DesktopRegistryTest.moc"
