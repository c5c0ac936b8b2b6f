#include "frmAbout.h"

#include "LinkLabel.h"
#include "MakerContacts.h"
#include "PlatformServices.h"
#include "ui/AppInfo.h"
#include "ui/Colours.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPushButton>
#include <QUrl>

namespace {

constexpr int OffsetFromGameWindow = 1500;

QPushButton *button(QWidget *parent, const QString &objectName, const QRect &geometry, const QString &caption,
                    const QString &accessibleName) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setAccessibleName(accessibleName);
    return button;
}

// One half of the etched separator: shadow above, highlight below.
void separatorLine(QWidget *parent, const QString &objectName, const QRect &geometry,
                   QPalette::ColorRole role) {
    auto *line = new QFrame(parent);
    line->setObjectName(objectName);
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setLineWidth(geometry.height());
    line->setForegroundRole(role);
    line->setGeometry(geometry);
}

// The designed blue, except on a dark palette, where it would be unreadable.
QColor linkColour(const QPalette &palette) {
    return colours::isDark(palette) ? palette.color(QPalette::Link) : QColor(0, 0, 255);
}

} // namespace

frmAbout::frmAbout(const QWidget &gameWindow, const AboutServices &services)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , urls_(services.urls)
    , systemInfo_(services.registry, services.programs, services.files, services.dialogs) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::size(5595, 5430));
    // The designed face of every control that names no other.
    setFont(fonts::desktopSans(8.25));
    createControls();
    setDesignTabOrder();
    Form_Load(gameWindow);
}

void frmAbout::createControls() {
    picLogo = controls::picture(this, QStringLiteral("picLogo"), twips::rect(720, 120, 4230, 1290),
                                QStringLiteral(":/images/logo.gif"), QPalette::Window, tr("Wordsnarl logo"));
    lblBy = controls::label(this, QStringLiteral("lblBy"), twips::rect(600, 1440, 4455, 375), tr("By"),
                            Qt::AlignCenter);
    lblBy->setFont(fonts::boldSerif(18));
    picBrivak = controls::picture(this, QStringLiteral("picBrivak"), twips::rect(645, 1920, 4350, 1380),
                                  QStringLiteral(":/images/brivak.gif"), QPalette::Window, tr("Brivak logo"));
    lblVersion =
        controls::label(this, QStringLiteral("lblVersion"), twips::rect(645, 3600, 2325, 225), tr("Version"));

    lblLink = new LinkLabel(maker::HostName, this);
    lblLink->setObjectName(QStringLiteral("lblLink"));
    lblLink->setGeometry(twips::rect(3000, 3600, 1935, 225));
    lblLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblLink->setFont(fonts::desktopSans(8.25, true));
    QPalette linkPalette = lblLink->palette();
    linkPalette.setColor(QPalette::WindowText, linkColour(linkPalette));
    lblLink->setPalette(linkPalette);
    lblLink->setAccessibleName(tr("Brivak web site"));
    lblLink->setAccessibleDescription(tr("Opens %1 in your web browser").arg(maker::HostName));
    connect(lblLink, &LinkLabel::clicked, this, &frmAbout::lblLink_Click);
    connect(lblLink, &LinkLabel::mouseMoved, this, &frmAbout::lblLink_MouseMove);

    separatorLine(this, QStringLiteral("Line1(1)"), twips::rect(-30, 4005, 5670, 15), QPalette::Dark);
    separatorLine(this, QStringLiteral("Line1(0)"), twips::rect(-15, 4020, 5549, 30), QPalette::Light);

    lblDisclaimer = controls::label(
        this, QStringLiteral("lblDisclaimer"), twips::rect(135, 4185, 3870, 1185),
        tr("Wordsnarl is protected by copyright law and international agreements. Copying or passing on this "
           "program, in whole or in part, without the written permission of Brivak is against the law and "
           "will "
           "be prosecuted."),
        Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer->setWordWrap(true);

    cmdOK = button(this, QStringLiteral("cmdOK"), twips::rect(4245, 4185, 1260, 345), tr("&OK"), tr("OK"));
    // Enter presses the default button and Esc rejects the dialog: both close it.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    cmdSysInfo = button(this, QStringLiteral("cmdSysInfo"), twips::rect(4260, 4614, 1245, 345),
                        tr("&System Info..."), tr("System Info"));
    cmdSysInfo->setAccessibleDescription(tr("Starts the system information tool"));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    cmdSupport = button(this, QStringLiteral("cmdSupport"), twips::rect(4245, 5040, 1245, 345),
                        tr("S&upport"), tr("Support"));
    cmdSupport->setAccessibleDescription(tr("Writes an e-mail to Brivak support"));
    connect(cmdSupport, &QPushButton::clicked, this, &frmAbout::cmdSupport_Click);
}

void frmAbout::setDesignTabOrder() {
    const QList<QWidget *> order{cmdOK,   cmdSysInfo, cmdSupport, lblDisclaimer, lblVersion,
                                 picLogo, picBrivak,  lblBy,      lblLink};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    cmdOK->setFocus();
}

void frmAbout::Form_Load(const QWidget &gameWindow) {
    move(gameWindow.pos() + twips::point(OffsetFromGameWindow, OffsetFromGameWindow));
    setWindowTitle(tr("About ") + appinfo::Title);
    lblVersion->setText(tr("Version ") + appinfo::versionText());
}

void frmAbout::StartSysInfo() {
    systemInfo_.StartSysInfo(this);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::cmdSupport_Click() {
    urls_.open(QUrl(maker::SupportMailUrl));
}

void frmAbout::lblLink_Click() {
    urls_.open(QUrl(maker::WebSiteUrl));
}

void frmAbout::lblLink_MouseMove() {
    lblLink->setCursor(handPointer_);
}
