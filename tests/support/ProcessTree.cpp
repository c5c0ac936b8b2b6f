#include "ProcessTree.h"

#include <QDir>
#include <QFile>

namespace processtree {

QList<qint64> childrenOf(qint64 pid) {
    const QString tasks = QStringLiteral("/proc/%1/task/").arg(pid);
    QList<qint64> found;
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks + task + QStringLiteral("/children"));
        for (const QByteArray &child :
             children.open(QIODevice::ReadOnly) ? children.readAll().split(' ') : QList<QByteArray>()) {
            if (isAlive(child.toLongLong()))
                found.append(child.toLongLong());
        }
    }
    return found;
}

QList<qint64> descendantsOf(qint64 pid) {
    QList<qint64> found = childrenOf(pid);
    for (qsizetype i = 0; i < found.size(); ++i)
        found += childrenOf(found[i]);
    return found;
}

// /proc/<pid>/stat reads "pid (name) state ...", and the name may itself hold
// blanks and brackets, so the state follows the last closing bracket.
bool isAlive(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    const QByteArray line = pid > 0 && stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    const qsizetype state = line.lastIndexOf(')') + 2;
    return state > 1 && state < line.size() && line[state] != 'Z';
}

} // namespace processtree
