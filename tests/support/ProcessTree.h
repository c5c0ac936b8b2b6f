#pragma once

#include <QList>

// What the system's process table says about a program and everything it
// started (Linux /proc). Zombies count as gone: they hold no resources.
namespace processtree {

// The living processes pid started itself, from any of its threads.
QList<qint64> childrenOf(qint64 pid);

// Every living process started by pid, directly or further down.
QList<qint64> descendantsOf(qint64 pid);

bool isAlive(qint64 pid);

} // namespace processtree
