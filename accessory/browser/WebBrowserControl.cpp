#include "WebBrowserControl.h"

#include <QUrl>
#include <QWebEngineHistory>

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
    loadRequested_ = true;
    load(url);
}

void WebBrowserControl::GoBack() {
    if (history()->canGoBack()) {
        loadRequested_ = true;
        back();
    }
}

void WebBrowserControl::GoForward() {
    if (history()->canGoForward()) {
        loadRequested_ = true;
        forward();
    }
}

void WebBrowserControl::Refresh() {
    if (!url().isEmpty()) {
        loadRequested_ = true;
        reload();
    }
}

void WebBrowserControl::Stop() {
    loadRequested_ = false;
    stop();
}
