#include "ProcessTree.h"

#include <QDir>
#include <QFile>

namespace processtree {

namespace {

// Reads /proc/<pid>/stat, "pid (name) state ppid ...", of a process that is
// not a zombie. The name may itself hold blanks and brackets, so it ends at
// the last closing bracket.
bool read(qint64 pid, Process &process) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    const QByteArray line = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (rest.size() < 2 || rest[0] == "Z") {
        return false;
    }
    process = {pid, rest[1].toLongLong()};
    return true;
}

} // namespace

QList<Process> descendantsOf(qint64 pid) {
    QMultiHash<qint64, Process> childrenOf;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (Process process; read(entry.toLongLong(), process)) {
            childrenOf.insert(process.parent, process);
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
    return read(pid, process);
}

} // namespace processtree
