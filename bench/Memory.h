#pragma once

#include <QtGlobal>

// What a program and everything it started take of the system's memory (Linux /proc).
namespace memory {

// Proportional set size of the process and all its descendants, in KiB.
qint64 pssKiB(qint64 pid);

// Resident set size of the process and all its descendants, in KiB. Pages the
// processes share count once for each, so for more than one process this
// overstates what they take together; the proportional set size does not.
qint64 rssKiB(qint64 pid);

} // namespace memory
