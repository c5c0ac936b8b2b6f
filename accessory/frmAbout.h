#pragma once

#include "AboutServices.h"
#include "SystemInfo.h"

#include <QCursor>
#include <QDialog>
#include <QPixmap>

class LinkLabel;
class QLabel;
class QPushButton;

// The About box: the game's and the maker's logos, the version, a link to the
// maker's web site, a legal notice, and buttons for the system's information
// tool and for writing to support. It only reads the game window's position.
// Closing it deletes it; the next opening builds it afresh.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    frmAbout(const QWidget &gameWindow, const AboutServices &services);

    void StartSysInfo();

private:
    void createControls();
    void setDesignTabOrder();

    void Form_Load(const QWidget &gameWindow);
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void cmdSupport_Click();
    void lblLink_Click();
    void lblLink_MouseMove();

    UrlOpener &urls_;
    SystemInfo systemInfo_;
    // Made once: the link sets it on every mouse move.
    const QCursor handPointer_{QPixmap(QStringLiteral(":/cursors/hand.png")), 12, 1};

    QLabel *picLogo = nullptr;
    QLabel *lblBy = nullptr;
    QLabel *picBrivak = nullptr;
    QLabel *lblVersion = nullptr;
    LinkLabel *lblLink = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
    QPushButton *cmdSupport = nullptr;
};
