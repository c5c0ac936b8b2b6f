#include "ProcessTree.h"

#include <QDir>
#include <QFile>

namespace processtree {

namespace {

struct Status {
    qint64 parent = 0;
    QString name;
    char state = '?';
};

// Reads /proc/<pid>/stat: "pid (name) state ppid ...". The name may itself hold
// blanks and brackets, so it ends at the last closing bracket.
bool readStatus(qint64 pid, Status &status) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray line = file.readAll();
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.lastIndexOf(')');
    if (open < 0 || close < open) {
        return false;
    }
    status.name = QString::fromUtf8(line.mid(open + 1, close - open - 1));
    const QList<QByteArray> rest = line.mid(close + 2).split(' ');
    if (rest.size() < 2) {
        return false;
    }
    status.state = rest.at(0).isEmpty() ? '?' : rest.at(0).at(0);
    status.parent = rest.at(1).toLongLong();
    return true;
}

// Adds up one field of /proc/<pid>/smaps_rollup ("Pss:", "Rss:") over the process and its descendants.
qint64 rollupKiB(qint64 pid, const QByteArray &field) {
    QList<qint64> tree{pid};
    for (const Process &process : descendantsOf(pid)) {
        tree.append(process.pid);
    }
    qint64 total = 0;
    for (const qint64 member : tree) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(member));
        if (!rollup.open(QIODevice::ReadOnly)) {
            continue;
        }
        // Files under /proc report no size, so they are read whole rather than to their end.
        for (const QByteArray &line : rollup.readAll().split('\n')) {
            if (line.startsWith(field)) {
                total += line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
                break;
            }
        }
    }
    return total;
}

} // namespace

QList<Process> descendantsOf(qint64 pid) {
    QMultiHash<qint64, Process> childrenOf;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isNumber = false;
        const qint64 candidate = entry.toLongLong(&isNumber);
        Status status;
        if (isNumber && readStatus(candidate, status) && status.state != 'Z') {
            childrenOf.insert(status.parent, {candidate, status.name});
        }
    }
    QList<Process> found;
    QList<qint64> parents{pid};
    while (!parents.isEmpty()) {
        const qint64 parent = parents.takeFirst();
        for (const Process &child : childrenOf.values(parent)) {
            found.append(child);
            parents.append(child.pid);
        }
    }
    return found;
}

bool isAlive(qint64 pid) {
    Status status;
    return readStatus(pid, status) && status.state != 'Z';
}

qint64 pssKiB(qint64 pid) {
    return rollupKiB(pid, "Pss:");
}

qint64 rssKiB(qint64 pid) {
    return rollupKiB(pid, "Rss:");
}

} // namespace processtree
