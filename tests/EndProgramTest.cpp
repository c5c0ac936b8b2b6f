#include <QProcess>
#include <QtTest>

// Every way of closing the game must end the whole program at once, even with
// other windows open, and closing the splash early must never leave a game
// window to pop up later. Each case runs in a probe process of its own, since
// ending the program is exactly what is tested.
class EndProgramTest : public QObject {
    Q_OBJECT

private slots:
    void endsAtOnce_data();
    void endsAtOnce();
};

void EndProgramTest::endsAtOnce_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit while another window is open") << "exit-menu";
    QTest::newRow("Ctrl+X with a letter box focused") << "ctrl-x";
    QTest::newRow("the window's close button") << "close-button";
    QTest::newRow("splash closed before its timer") << "splash-closed-early";
}

void EndProgramTest::endsAtOnce() {
    QFETCH(QString, how);
    QProcess probe;
    probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/end_program_probe"), {how});
    QVERIFY(probe.waitForFinished(20000));
    const QByteArray output = probe.readAllStandardOutput();
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QVERIFY2(output.contains("program ended"), output.constData());
    QCOMPARE(probe.exitCode(), 0);
    QVERIFY2(!output.contains("game window shown"), "a game window appeared after the splash was closed");
}

QTEST_GUILESS_MAIN(EndProgramTest)
#include "EndProgramTest.moc"
