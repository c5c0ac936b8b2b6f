#pragma once

#include <QDeadlineTimer>
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

    // True from a request to load until the engine reports the load finished. A
    // request the engine never starts to load (an address it hands to another
    // program, a download, a scheme it refuses) stops counting after a moment.
    bool Busy() const { return loading_ || (loadRequested_ && !requestExpiry_.hasExpired()); }
    QString LocationName() const { return title(); }
    QString LocationURL() const { return url().toString(); }

signals:
    void DownloadComplete();
    void NavigateComplete();

private:
    void request();

    // The engine reports a load as started only a moment after it was asked for
    // it; until then the request itself counts as busy.
    bool loadRequested_ = false;
    QDeadlineTimer requestExpiry_;
    bool loading_ = false;
};
