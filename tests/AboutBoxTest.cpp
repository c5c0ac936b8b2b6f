#include "accessory/Accessories.h"
#include "accessory/frmAbout.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/Keys.h"
#include "support/ScriptedDialogs.h"
#ifndef Q_OS_WIN
#include "accessory/DesktopRegistry.h"
#include "accessory/SystemServices.h"
#endif

#include <QAccessible>

namespace {

const QByteArray ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString FolderTool = QStringLiteral("C:\\MSInfo\\MSINFO32.EXE");
const QString Broken = QStringLiteral("C:\\broken.exe"); // a tool that will not start

// The one About box shown, if there is exactly one.
frmAbout *aboutBox() {
    QWidgetList boxes = QApplication::topLevelWidgets();
    boxes.removeIf([](QWidget *window) { return !qobject_cast<frmAbout *>(window); });
    return boxes.size() == 1 ? static_cast<frmAbout *>(boxes[0]) : nullptr;
}

QWidget *control(const char *name) {
    return aboutBox()->findChild<QWidget *>(name);
}

} // namespace

// The About box as the player meets it from the game window's Help menu, and
// its System Information button: the look-up on a fake registry that answers
// as Windows does, and on the desktop's stand-in that finds a tool on PATH.
class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { game_.show(); }
    void init() { services_.emplace(); }
    void cleanup() { services_.reset(); }

    // One box at a time, always at the same place beside where the game window
    // is now. Tab reaches the buttons, then the link. The link (by Space, Enter,
    // mouse or a screen reader) and Support open their addresses and keep the
    // box; Enter elsewhere, Esc, OK (by Space) and the close box close it.
    void theBoxAsThePlayerMeetsIt() {
        QPointer<frmAbout> box = openAbout();
        QVERIFY(QTest::qWaitForWindowActive(box) && openAbout() == box);
        const QPoint offset = box->pos() - game_.pos();
        QCOMPARE(box->windowTitle() + ", " + control("lblVersion")->property("text").toString(),
                 "About Wordsnarl, Version " WORDSNARL_PROJECT_VERSION);
        QWidget *link = control("lblLink");
        QVERIFY(link->palette().color(QPalette::WindowText) == Qt::blue && link->font().underline());
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (const Qt::Key key :
             {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            test::press(*box, key);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(' '), "cmdOK cmdSysInfo cmdSupport lblLink lblLink lblLink lblLink");
        QTest::mouseMove(box->windowHandle(), link->geometry().center()); // its own pointing hand
        QCOMPARE(link->cursor().hotSpot(), QPoint(12, 1));
        QTest::mouseClick(link, Qt::LeftButton);
        QAccessible::queryAccessibleInterface(link)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QTest::mouseClick(control("cmdSupport"), Qt::LeftButton);
        QCOMPARE(services_->system.openedUrls, QList<QUrl>(5, QUrl("http://www.brivak.example/"))
                                                   << QUrl("mailto:support@brivak.example"));

        // Each next box follows the moved game window and, on a dark desktop,
        // takes the desktop's own link colour.
        game_.move(game_.pos() + QPoint(30, 20));
        QPalette dark(Qt::black);
        dark.setColor(QPalette::Link, Qt::cyan);
        QApplication::setPalette(dark);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_unknown}) {
            control(key == Qt::Key_Space ? "cmdOK" : "lblDisclaimer")->setFocus();
            key == Qt::Key_unknown ? void(box->close()) : test::press(*box, key); // unknown: the close box
            QTRY_VERIFY(box.isNull());
            QVERIFY(QTest::qWaitForWindowActive(box = openAbout()) && box->pos() - game_.pos() == offset);
            QCOMPARE(control("lblLink")->palette().color(QPalette::WindowText), QColor(Qt::cyan));
        }
        QApplication::setPalette(QPalette());
    }

    // System Info starts the tool or shows one message, keeps the box and leaves
    // no key open. Rows: the type of the tool's own entry (-1: no such key; -2:
    // the key without the entry, nor the tool in the folder the other entry
    // names; -3: nor that entry), its bytes, and the starts attempted.
    void systemInfoStartsTheToolOrShowsOneMessage() {
        const QByteArray longest(1024, 'x');
        for (const auto &[type, bytes, attempted] :
             {std::tuple<int, QByteArray, QStringList>{registry::Sz, longest, {longest}},
              {registry::Sz, QByteArray("t\0\0", 3), {"t" + QString(QChar())}},
              {registry::Sz, Broken.toLatin1(), {Broken}},  // no closing zero byte, and will not start
              {registry::Sz, longest + '\0', {FolderTool}}, // 1025 bytes count as missing
              {registry::Sz, "", {}},                       // unreadable: the folder is not tried
              {registry::Dword, QByteArray("\x01\x82\x03\0", 4), {"229889"}}, // lowest byte first
              {registry::Binary, "\x01", {""}}, // another type: found, with an empty path
              {-1, "", {FolderTool}},
              {-2, "", {}},
              {-3, "", {}}}) {
            Services &s = services_.emplace();
            s.registry.setValue(type == -1 ? "x" : ToolKey, type < 0 ? "x" : "PATH", {uint(type), bytes});
            s.registry.setValue("SOFTWARE\\Microsoft\\Shared Tools Location", type == -3 ? "other" : "MSINFO",
                                {registry::Sz, "C:\\MSInfo"});
            s.system.normalFiles = type < -1 ? QStringList() : QStringList{FolderTool};
            s.system.startablePrograms = attempted == QStringList{Broken} ? QStringList() : attempted;
            QTest::mouseClick(openAbout()->findChild<QWidget *>("cmdSysInfo"), Qt::LeftButton);
            QCOMPARE(s.system.startAttempts, attempted);
            QCOMPARE(s.dialogs.shown.size(), int(s.system.startablePrograms.isEmpty()));
            QVERIFY(s.dialogs.shown.isEmpty() ||
                    s.dialogs.shown[0].text == "System Information Is Unavailable At This Time");
            QVERIFY(s.registry.openKeyCount() == 0 && aboutBox());
        }
    }
#ifndef Q_OS_WIN

    // Without a registry, the first listed program on PATH is the tool; the
    // system starts a program by its whole path, spaces and all.
    void desktopStartsTheFirstListedToolOnPath() {
        const QTemporaryDir dir(QDir::tempPath() + "/Shared Tools XXXXXX");
        for (const QString &program : DesktopRegistry::SystemInformationPrograms)
            QVERIFY(QFile::link("/bin/true", dir.filePath(program)));
        const QString first = dir.filePath(DesktopRegistry::SystemInformationPrograms.first());
        services_->system.startablePrograms = {first};
        const auto restorePath = qScopeGuard([path = qgetenv("PATH")] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(dir.path()));
        DesktopRegistry registry;
        SystemInfo(registry, services_->system, services_->system, services_->dialogs).StartSysInfo(nullptr);
        QVERIFY(services_->system.startAttempts == QStringList{first} && services_->dialogs.shown.isEmpty());
        SystemServices system;
        QVERIFY(system.start(first) && system.isNormalFile(first) && !system.isNormalFile(dir.path()));
    }
#endif

private:
    struct Services {
        FakeRegistry registry;
        FakeSystem system;
        ScriptedDialogs dialogs;
        Accessories accessories{AboutServices{registry, system, system, system, dialogs}};
    };

    frmAbout *openAbout() {
        services_->accessories.showAbout(game_);
        return aboutBox();
    }

    QWidget game_; // where the game window stands
    std::optional<Services> services_;
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
