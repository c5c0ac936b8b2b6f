#include "ProcessTree.h"

#include <QDir>
#include <QFile>

namespace processtree {

namespace {

// Reads /proc/<pid>/stat, "pid (name) state ppid ...", of a process that is
// not a zombie. The name may itself hold blanks and brackets, so it ends at
// the last closing bracket.
bool read(qint64 pid, Process &process, qint64 &parent) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    const QByteArray line = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.lastIndexOf(')');
    const QList<QByteArray> rest = line.mid(close + 2).split(' ');
    if (open < 0 || close < open || rest.size() < 2 || rest[0] == "Z") {
        return false;
    }
    process = {pid, QString::fromUtf8(line.mid(open + 1, close - open - 1))};
    parent = rest[1].toLongLong();
    return true;
}

} // namespace

QList<Process> descendantsOf(qint64 pid) {
    QMultiHash<qint64, Process> childrenOf;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        Process process;
        qint64 parent = 0;
        if (read(entry.toLongLong(), process, parent)) {
            childrenOf.insert(parent, process);
        }
    }
    QList<Process> found;
    for (QList<qint64> parents{pid}; !parents.isEmpty();) {
        for (const Process &child : childrenOf.values(parents.takeFirst())) {
            found.append(child);
            parents.append(child.pid);
        }
    }
    return found;
}

bool isAlive(qint64 pid) {
    Process process;
    qint64 parent = 0;
    return read(pid, process, parent);
}

} // namespace processtree
