#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

class AddressBox;
class QAction;
class QLabel;
class QToolBar;
class WebBrowserControl;

// The instructions window: a small browser that opens on the game's
// instructions page, with Back, Forward, Stop, Refresh and Home, an address box
// that keeps every visited address once, most recent first, and a caption that
// follows the page and reads "Working..." while one loads. It shows itself as
// soon as it is created.
class frmBrowser final : public QWidget {
    Q_OBJECT

public:
    // programFolder: where the instructions page lies, the viewer program's own folder.
    explicit frmBrowser(QString programFolder);

    QString StartingAddress;
    bool SuppressNavigation = false;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void createToolBar();
    void createAddressStrip();
    void createBrowser();
    void dockStrips();

    void Form_Load();
    void Form_Resize();
    void tbToolBar_ButtonClick(const QAction &button);
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();
    void UpdateAddressHistory();

    QString programFolder_;
    QToolBar *tbToolBar = nullptr;
    QWidget *picAddress = nullptr;
    QLabel *lblAddress = nullptr;
    AddressBox *cboAddress = nullptr;
    WebBrowserControl *brwWebBrowser = nullptr;
    QTimer timTimer{this};
};
