#pragma once

#include <QFrame>
#include <QTimer>

#include <functional>

// The start-up window: shows the maker and the game for five seconds, then
// hands over to the game window and goes away. Closing it before then ends
// the program without ever showing the game window.
class frmSplash final : public QFrame {
    Q_OBJECT

public:
    // showGameWindow creates the one game window if need be and shows it.
    explicit frmSplash(std::function<void()> showGameWindow);

    static constexpr int HandOverMilliseconds = 5000;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void tmrSplash_Timer();

    std::function<void()> showGameWindow_;
    QTimer *tmrSplash = nullptr;
    bool handedOver_ = false;
};
