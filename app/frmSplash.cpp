#include "frmSplash.h"

#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

frmSplash::frmSplash(std::function<void()> showGameWindow)
    : QFrame(nullptr, Qt::SplashScreen)
    , showGameWindow_(std::move(showGameWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(tr("Wordsnarl is starting"));
    // A raised panel stands in for the dialog border a title-less window lacks.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setFixedSize(twips::size(4605, 4815));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    controls::picture(this, QStringLiteral("picLogo"), twips::rect(240, 2400, 4170, 1380),
                      QStringLiteral(":/images/logo.gif"), QPalette::Window, tr("Wordsnarl logo"));
    controls::picture(this, QStringLiteral("picBrivak"), twips::rect(120, 120, 4350, 1380),
                      QStringLiteral(":/images/brivak.gif"), QPalette::Light, tr("Brivak logo"));
    controls::label(this, QStringLiteral("lblCopyright"), twips::rect(120, 3960, 4335, 255),
                    tr("Copyright \u00A9 2026 Brivak. All rights reserved."), Qt::AlignCenter);
    controls::label(this, QStringLiteral("lblMsg"), twips::rect(480, 4320, 3615, 375),
                    tr("Proverbs 25:2 \u2022 Colossians 3:23"), Qt::AlignCenter);
    QLabel *proud = controls::label(this, QStringLiteral("lblProud"), twips::rect(240, 1680, 4230, 495),
                                    tr("Proudly Presents"), Qt::AlignCenter);
    proud->setFont(fonts::boldSerif(21.75));

    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash->setSingleShot(true);
    // A coarse timer may fire up to 5 % early, cutting the splash short of its five seconds.
    tmrSplash->setTimerType(Qt::PreciseTimer);
    connect(tmrSplash, &QTimer::timeout, this, &frmSplash::tmrSplash_Timer);

    Form_Load();
}

void frmSplash::Form_Load() {
    tmrSplash->start(HandOverMilliseconds);
}

void frmSplash::tmrSplash_Timer() {
    showGameWindow_();
    handedOver_ = true;
    close();
}

void frmSplash::closeEvent(QCloseEvent *event) {
    tmrSplash->stop();
    event->accept();
    if (!handedOver_) {
        // No window is left to play in.
        QCoreApplication::exit(0);
    }
}
