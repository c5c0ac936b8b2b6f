#include "WebBrowserControl.h"

#include <QUrl>
#include <QWebEngineHistory>

namespace {

// How long a request may wait for its load to start before it no longer counts as busy.
constexpr int LoadStartMilliseconds = 2000;

} // namespace

WebBrowserControl::WebBrowserControl(QWidget *parent)
    : QWebEngineView(parent) {
    connect(this, &QWebEngineView::loadStarted, this, [this] {
        loadRequested_ = false;
        loading_ = true;
    });
    connect(this, &QWebEngineView::loadFinished, this, [this] {
        loadRequested_ = false;
        loading_ = false;
        emit DownloadComplete();
    });
    connect(this, &QWebEngineView::urlChanged, this, [this] {
        // A jump within the same page moves without ever starting a load.
        loadRequested_ = false;
        emit NavigateComplete();
    });
}

void WebBrowserControl::Navigate(const QString &address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid()) {
        return;
    }
    request();
    load(url);
}

void WebBrowserControl::GoBack() {
    if (history()->canGoBack()) {
        request();
        back();
    }
}

void WebBrowserControl::GoForward() {
    if (history()->canGoForward()) {
        request();
        forward();
    }
}

void WebBrowserControl::Refresh() {
    if (!url().isEmpty()) {
        request();
        reload();
    }
}

void WebBrowserControl::Stop() {
    loadRequested_ = false;
    stop();
}

void WebBrowserControl::request() {
    loadRequested_ = true;
    requestExpiry_.setRemainingTime(LoadStartMilliseconds);
}
