#include "platform/Artwork.h"

#include <QFile>
#include <QPixmapCache>
#include <QRegularExpression>

namespace Artwork {

QPixmap Picture(const QString &name)
{
    const QString cacheKey = QStringLiteral("tw-artwork/") + name.toUpper();
    QPixmap pm;
    if (QPixmapCache::find(cacheKey, &pm))
        return pm;
    const QString file = PictureFile(name);
    if (!file.isEmpty() && pm.load(file)) {
        QPixmapCache::insert(cacheKey, pm);
        return pm;
    }
    return QPixmap();
}

QString PictureFile(const QString &name)
{
    // Names become file names: only letters and digits ever reach one.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9]+$"));
    if (!plain.match(name).hasMatch())
        return QString();
    for (const char *folder : {"skins", "pictures"}) {
        const QString file = QStringLiteral(":/resources/%1/%2.png").arg(QLatin1String(folder), name.toUpper());
        if (QFile::exists(file))
            return file;
    }
    return QString();
}

QCursor Cursor(int id)
{
    if (id != 102 && id != 103)
        return QCursor(Qt::ArrowCursor);
    const QPixmap pm(QStringLiteral(":/resources/cursors/%1.png").arg(id));
    if (pm.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pm, 16, 14);
}

} // namespace Artwork
