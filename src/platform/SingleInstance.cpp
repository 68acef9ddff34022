#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace SingleInstance {

bool Acquire(const QString &dataFolder)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    const QByteArray id = QCryptographicHash::hash(QDir(dataFolder).absolutePath().toUtf8(),
                                                   QCryptographicHash::Sha1).toHex().left(16);
    static QLockFile *lock = nullptr;
    if (lock)
        return true;
    auto *l = new QLockFile(dir + QStringLiteral("/Tickerwatch-") + QString::fromLatin1(id) + QStringLiteral(".lock"));
    l->setStaleLockTime(0);
    if (!l->tryLock(0)) {
        delete l;
        return false;
    }
    lock = l;
    return true;
}

} // namespace SingleInstance
