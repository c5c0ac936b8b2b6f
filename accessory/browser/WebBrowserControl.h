#pragma once

#include <QString>
#include <QWebEngineView>

// The embedded browser as the instructions window drives it: the operations and
// notifications of a classic web-browser control, mapped onto Qt WebEngine in
// this one place so that the window's own logic never talks to the engine.
class WebBrowserControl final : public QWebEngineView {
    Q_OBJECT

public:
    explicit WebBrowserControl(QWidget *parent);

    // Starts loading a file path, a full URL or a bare host name; returns at once.
    void Navigate(const QString &address);
    void GoBack();
    void GoForward();
    void Refresh();
    void Stop();

    // True from a request to load until the engine reports the load finished.
    bool Busy() const { return loadRequested_ || loading_; }
    QString LocationName() const { return title(); }
    QString LocationURL() const { return url().toString(); }

signals:
    void DownloadComplete();
    void NavigateComplete();

private:
    // The engine reports a load as started only a moment after it was asked for
    // it; until then the request itself counts as busy.
    bool loadRequested_ = false;
    bool loading_ = false;
};
