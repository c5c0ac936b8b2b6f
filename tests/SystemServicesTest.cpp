#include "accessory/SystemServices.h"

#include <QTemporaryDir>
#include <QtTest>

// The real program start and file probe: what the System Info button relies on.
class SystemServicesTest : public QObject {
    Q_OBJECT

private slots:
    void programWithSpacesInItsPathStartsAsOneName();
    void whatCannotRunIsReportedAsNotStarted_data();
    void whatCannotRunIsReportedAsNotStarted();
    void onlyNormalFilesCount_data();
    void onlyNormalFilesCount();

private:
    QTemporaryDir dir_;
};

void SystemServicesTest::programWithSpacesInItsPathStartsAsOneName() {
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("Shared Tools")));
    const QString marker = dir_.filePath(QStringLiteral("started"));
    QFile program(dir_.filePath(QStringLiteral("Shared Tools/system info")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\ntouch \"" + QFile::encodeName(marker) + "\"\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    SystemServices system;
    QVERIFY(system.start(program.fileName()));
    QTRY_VERIFY(QFile::exists(marker));
}

void SystemServicesTest::whatCannotRunIsReportedAsNotStarted_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("empty path") << QString();
    QTest::newRow("missing program") << dir_.filePath(QStringLiteral("missing"));
    QTest::newRow("a folder") << dir_.path();
}

void SystemServicesTest::whatCannotRunIsReportedAsNotStarted() {
    QFETCH(QString, path);
    QVERIFY(!SystemServices().start(path));
}

void SystemServicesTest::onlyNormalFilesCount_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");
    QTest::newRow("normal file") << "MSINFO32.EXE" << true;
    QTest::newRow("hidden file") << ".MSINFO32.EXE" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("nothing") << "missing" << false;
}

void SystemServicesTest::onlyNormalFilesCount() {
    QFETCH(QString, name);
    QFETCH(bool, expected);
    for (const char *file : {"MSINFO32.EXE", ".MSINFO32.EXE"}) {
        QFile(dir_.filePath(QString::fromLatin1(file))).open(QIODevice::WriteOnly);
    }
    QDir(dir_.path()).mkpath(QStringLiteral("folder"));
    QCOMPARE(SystemServices().isNormalFile(dir_.filePath(name)), expected);
}

QTEST_MAIN(SystemServicesTest)
#include "SystemServicesTest.moc"
