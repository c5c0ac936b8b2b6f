#include "frmBrowser.h"

#include "AddressBox.h"
#include "ToolbarImages.h"
#include "WebBrowserControl.h"
#include "accessory/MakerContacts.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

#include <array>

namespace {

constexpr int ToolBarHeight = 540;
constexpr QRect AddressStrip{0, 540, 6540, 675};
constexpr QRect AddressLabel{45, 60, 3075, 255};
constexpr QRect AddressBoxPlace{45, 300, 3795, 315};
constexpr QRect BrowserView{50, 1215, 5393, 3734};
constexpr int Margin = 100;
constexpr int EnterKey = 13;
constexpr int BusyPollMilliseconds = 5;

struct ToolBarButton {
    const char *key;
    const char *description;
};

constexpr std::array<ToolBarButton, 5> ToolBarButtons{{
    {"Back", QT_TRANSLATE_NOOP("frmBrowser", "Goes back to the previous page")},
    {"Forward", QT_TRANSLATE_NOOP("frmBrowser", "Goes forward to the next page")},
    {"Stop", QT_TRANSLATE_NOOP("frmBrowser", "Stops loading the page")},
    {"Refresh", QT_TRANSLATE_NOOP("frmBrowser", "Loads the page again")},
    {"Home", QT_TRANSLATE_NOOP("frmBrowser", "Goes back to the instructions page")},
}};

QRect pixels(const QRect &twipsRect) {
    return twips::rect(twipsRect.left(), twipsRect.top(), twipsRect.width(), twipsRect.height());
}

} // namespace

frmBrowser::frmBrowser(QString programFolder)
    : programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twips::size(6540, 5130));

    createToolBar();
    createAddressStrip();
    createBrowser();
    setTabOrder(brwWebBrowser, cboAddress);
    brwWebBrowser->setFocus();
    setTabOrder(cboAddress, tbToolBar);

    timTimer.setObjectName(QStringLiteral("timTimer"));
    timTimer.setInterval(BusyPollMilliseconds);
    connect(&timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);

    Form_Load();
}

void frmBrowser::createToolBar() {
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setAccessibleName(tr("Browser buttons"));
    tbToolBar->setIconSize({toolbarimages::Size, toolbarimages::Size});
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbToolBar->setMovable(false);
    for (const ToolBarButton &button : ToolBarButtons) {
        const QString key = QLatin1String(button.key);
        QAction *action = tbToolBar->addAction(toolbarimages::image(key), tr(button.key));
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(key);
        QWidget *widget = tbToolBar->widgetForAction(action);
        widget->setAccessibleName(tr(button.key));
        widget->setAccessibleDescription(tr(button.description));
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *button) { tbToolBar_ButtonClick(*button); });
}

void frmBrowser::createAddressStrip() {
    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));

    cboAddress = new AddressBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setGeometry(pixels(AddressBoxPlace));
    cboAddress->setAccessibleName(tr("Address"));
    // Screen readers land on the text field inside the box, which speaks only its own name.
    cboAddress->lineEdit()->setAccessibleName(tr("Address"));
    connect(cboAddress, &AddressBox::Click, this, &frmBrowser::cboAddress_Click);
    connect(cboAddress, &AddressBox::KeyPress, this, &frmBrowser::cboAddress_KeyPress);

    lblAddress =
        controls::label(picAddress, QStringLiteral("lblAddress"), pixels(AddressLabel), tr("&Address:"));
    lblAddress->setBuddy(cboAddress);
}

void frmBrowser::createBrowser() {
    brwWebBrowser = new WebBrowserControl(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setGeometry(pixels(BrowserView));
    brwWebBrowser->setAccessibleName(tr("Web page"));
    connect(brwWebBrowser, &WebBrowserControl::DownloadComplete, this,
            &frmBrowser::brwWebBrowser_DownloadComplete);
    connect(brwWebBrowser, &WebBrowserControl::NavigateComplete, this, &frmBrowser::UpdateAddressHistory);
}

// The toolbar and the address strip are docked along the top edge.
void frmBrowser::dockStrips() {
    tbToolBar->setGeometry(0, 0, width(), twips::toPixels(ToolBarHeight));
    picAddress->setGeometry(0, twips::toPixels(AddressStrip.top()), width(),
                            twips::toPixels(AddressStrip.height()));
}

void frmBrowser::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    dockStrips();
    Form_Resize();
}

void frmBrowser::Form_Load() {
    show();
    tbToolBar->update();
    Form_Resize();
    cboAddress->move(twips::toPixels(50), lblAddress->y() + lblAddress->height() + twips::toPixels(15));
    StartingAddress =
        QDir::toNativeSeparators(QDir(programFolder_).filePath(QStringLiteral("GameInstructions.htm")));
    cboAddress->setEditText(StartingAddress);
    cboAddress->addItem(cboAddress->currentText());
    cboAddress->addItem(maker::HostName);
    timTimer.start();
    brwWebBrowser->Navigate(StartingAddress);
}

// Sizes that would come out negative, as in a minimized or tiny window, are
// skipped; the other sizes are still applied.
void frmBrowser::Form_Resize() {
    const int clientWidth = twips::fromPixels(width());
    const int clientHeight = twips::fromPixels(height());
    const int stripBottom = twips::fromPixels(picAddress->y() + picAddress->height());

    const int addressWidth = clientWidth - Margin;
    if (addressWidth >= 0) {
        cboAddress->resize(twips::toPixels(addressWidth), cboAddress->height());
    }
    const int browserWidth = clientWidth - Margin;
    const int browserHeight = clientHeight - stripBottom - Margin;
    brwWebBrowser->resize(browserWidth >= 0 ? twips::toPixels(browserWidth) : brwWebBrowser->width(),
                          browserHeight >= 0 ? twips::toPixels(browserHeight) : brwWebBrowser->height());
}

void frmBrowser::tbToolBar_ButtonClick(const QAction &button) {
    timTimer.start();
    const QString key = button.data().toString();
    if (key == QLatin1String("Back")) {
        brwWebBrowser->GoBack();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser->GoForward();
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser->Refresh();
    } else if (key == QLatin1String("Home")) {
        brwWebBrowser->Navigate(StartingAddress);
    } else if (key == QLatin1String("Stop")) {
        timTimer.stop();
        brwWebBrowser->Stop();
        setWindowTitle(brwWebBrowser->LocationName());
    }
}

void frmBrowser::cboAddress_Click() {
    if (SuppressNavigation) {
        return;
    }
    timTimer.start();
    brwWebBrowser->Navigate(cboAddress->currentText());
}

void frmBrowser::cboAddress_KeyPress(int keyAscii) {
    if (keyAscii == EnterKey) {
        cboAddress_Click();
    }
}

void frmBrowser::timTimer_Timer() {
    if (brwWebBrowser->Busy()) {
        setWindowTitle(tr("Working..."));
    } else {
        timTimer.stop();
        setWindowTitle(brwWebBrowser->LocationName());
    }
}

void frmBrowser::brwWebBrowser_DownloadComplete() {
    setWindowTitle(brwWebBrowser->LocationName());
}

void frmBrowser::UpdateAddressHistory() {
    setWindowTitle(brwWebBrowser->LocationName());
    const QString location = brwWebBrowser->LocationURL();
    const int found = cboAddress->findText(location, Qt::MatchExactly | Qt::MatchCaseSensitive);
    SuppressNavigation = true;
    if (found >= 0) {
        cboAddress->removeItem(found);
    }
    cboAddress->insertItem(0, location);
    cboAddress->setCurrentIndex(0);
    SuppressNavigation = false;
}
