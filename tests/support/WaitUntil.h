#pragma once

#include <QDeadlineTimer>
#include <QtTest>

namespace test {

// Like QTest::qWaitFor, but looks at the condition at least every 10 ms: with
// the web engine in the process, qWaitFor can spend seconds in one round of
// event processing before it looks again.
template <typename Condition> bool waitUntil(Condition condition, int timeoutMs = 5000) {
    for (const QDeadlineTimer deadline(timeoutMs); !condition(); QTest::qWait(10)) {
        if (deadline.hasExpired()) {
            return false;
        }
    }
    return true;
}

} // namespace test
