#pragma once

// Qt's event loop as a test runs it: for a while, or until what the test
// checks holds. A loaded machine delivers late, so a test waits for what it
// checks, with a generous deadline, rather than for a fixed time.
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace zol::test {

inline void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// False when `done` still does not hold after `deadlineMs`.
inline bool runUntil(const std::function<bool()>& done, int deadlineMs) {
    for (int waited = 0; !done(); waited += 5) {
        if (waited >= deadlineMs) return false;
        runFor(5);
    }
    return true;
}

} // namespace zol::test
