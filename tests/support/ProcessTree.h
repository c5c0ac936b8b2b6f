#pragma once

#include <QList>

// What the system's process table says about a program and everything it
// started (Linux /proc). Zombies count as gone: they hold no resources.
namespace processtree {

struct Process {
    qint64 pid = 0;
    qint64 parent = 0;
};

// Every living process started by pid, directly or further down.
QList<Process> descendantsOf(qint64 pid);

bool isAlive(qint64 pid);

} // namespace processtree
