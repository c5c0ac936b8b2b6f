// The game program as main() starts it, but with the splash handing over after
// one second instead of five, so that the hand-over can be timed without the
// wait. Prints "timer fired <nanoseconds>" on standard output the moment the
// splash timer fires, on the steady clock that other processes read too.
#include "accessory/SystemRegistry.h"
#include "accessory/SystemServices.h"
#include "app/GameProgram.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

constexpr int ProbeHandOverMilliseconds = 1000;

// Sees the timer's event before the timer turns it into its timeout signal.
class TimerFiring final : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Timer) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf(
                "timer fired %lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }
};

QTimer *splashTimer() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *timer = window->findChild<QTimer *>(QStringLiteral("tmrSplash"))) {
            return timer;
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QtDialogs dialogs;
    SystemRegistry registry;
    SystemServices system;
    GameProgram program({registry, system, system, system, dialogs});
    QTimer *timer = splashTimer();
    if (timer == nullptr) {
        std::fputs("No splash timer\n", stderr);
        return 1;
    }
    TimerFiring firing;
    timer->installEventFilter(&firing);
    timer->start(ProbeHandOverMilliseconds);
    return QApplication::exec();
}
