#include "accessory/DesktopRegistry.h"
#include "accessory/SystemInfo.h"
#include "accessory/SystemServices.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A shell script in dir that runs the given command; executable=false leaves it a plain file.
QString placeProgram(const QTemporaryDir &dir, const QString &name, const QByteArray &command = "exit 0",
                     bool executable = true) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write("#!/bin/sh\n" + command + '\n');
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                        (executable ? QFile::ExeOwner : QFile::Permissions()));
    return file.fileName();
}

} // namespace

// The real system behind the About box on a desktop without a registry: the
// system-information program found on PATH, and programs started by their
// whole path or reported as not started.
class DesktopServicesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        originalPath_ = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir_->path()));
    }
    void cleanup() { qputenv("PATH", originalPath_); }

    void toolOnPathIsStartedOrReportedUnavailable_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<QString>("started"); // empty: the message instead
        const QStringList &programs = DesktopRegistry::SystemInformationPrograms;
        QTest::newRow("a later listed tool alone")
            << QStringList{programs.last()} << true << true << programs.last();
        QTest::newRow("the first listed wins") << programs << true << true << programs.first();
        QTest::newRow("empty PATH") << programs << true << false << QString();
        QTest::newRow("tool's name on a file that cannot run") << programs << false << true << QString();
    }
    void toolOnPathIsStartedOrReportedUnavailable() {
        QFETCH(QStringList, installed);
        QFETCH(bool, executable);
        QFETCH(bool, onPath);
        QFETCH(QString, started);
        for (const QString &program : installed) {
            QVERIFY(!placeProgram(*dir_, program, "exit 0", executable).isEmpty());
        }
        if (!onPath) {
            qputenv("PATH", "");
        }
        FakeSystem system;
        ScriptedDialogs dialogs;
        system.startablePrograms = {dir_->filePath(started)};
        SystemInfo(registry_, system, system, dialogs).StartSysInfo(nullptr);
        QCOMPARE(system.startAttempts, started.isEmpty() ? QStringList() : system.startablePrograms);
        QCOMPARE(dialogs.shown.size(), started.isEmpty() ? 1 : 0);
    }

    void valueLongerThanTheBufferAsksForMoreRoom() {
        const QString tool = placeProgram(*dir_, DesktopRegistry::SystemInformationPrograms.first());
        registry::Key key = 0;
        const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
        QCOMPARE(registry_.openKey(registry::LocalMachine, toolKey, registry::ReadAccess, key),
                 registry::Success);
        std::array<std::uint8_t, 4> small{};
        registry::ValueType type = registry::None;
        std::uint32_t byteCount = 0;
        QCOMPARE(registry_.queryValue(key, "path", type, small, byteCount), registry::MoreData);
        QCOMPARE(type, registry::Sz);
        QCOMPARE(byteCount, std::uint32_t(QFile::encodeName(tool).size() + 1)); // with the closing zero byte
        QCOMPARE(registry_.closeKey(key), registry::Success);
        QCOMPARE(registry_.closeKey(key), registry::InvalidHandle);
    }

    void programWithSpacesInItsPathStartsAsOneName() {
        QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("Shared Tools")));
        const QString marker = dir_->filePath(QStringLiteral("started"));
        const QString program = placeProgram(*dir_, QStringLiteral("Shared Tools/system info"),
                                             ": > \"" + QFile::encodeName(marker) + '"');
        QVERIFY(SystemServices().start(program));
        QTRY_VERIFY(QFile::exists(marker));
        for (const QString &cannotRun :
             {QString(), dir_->filePath(QStringLiteral("missing")), dir_->path()}) {
            QVERIFY2(!SystemServices().start(cannotRun), qPrintable(cannotRun));
        }
    }

private:
    QByteArray originalPath_;
    std::unique_ptr<QTemporaryDir> dir_;
    DesktopRegistry registry_;
};

QTEST_MAIN(DesktopServicesTest)
#include "DesktopServicesTest.moc"
