#include "Memory.h"

#include "support/ProcessTree.h"

#include <QByteArray>
#include <QFile>
#include <QList>

namespace memory {

namespace {

// Adds up one field of /proc/<pid>/smaps_rollup ("Pss:", "Rss:") over the process and its descendants.
qint64 rollupKiB(qint64 pid, const QByteArray &field) {
    qint64 total = 0;
    QList<qint64> tree = processtree::descendantsOf(pid);
    tree.append(pid);
    for (const qint64 member : tree) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(member));
        // Files under /proc report no size, so they are read whole rather than to their end.
        const QList<QByteArray> lines =
            rollup.open(QIODevice::ReadOnly) ? rollup.readAll().split('\n') : QList<QByteArray>();
        for (const QByteArray &line : lines) {
            if (line.startsWith(field)) {
                total += line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
                break;
            }
        }
    }
    return total;
}

} // namespace

qint64 pssKiB(qint64 pid) {
    return rollupKiB(pid, "Pss:");
}

qint64 rssKiB(qint64 pid) {
    return rollupKiB(pid, "Rss:");
}

} // namespace memory
