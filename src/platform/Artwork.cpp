#include "platform/Artwork.h"

#include <QPixmapCache>
#include <QRegularExpression>

namespace Artwork {

QPixmap Picture(const QString &name)
{
    // Names become file names: only letters and digits ever reach one.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9]+$"));
    if (!plain.match(name).hasMatch())
        return QPixmap();
    const QString upper = name.toUpper();
    const QString cacheKey = QStringLiteral("tw-artwork/") + upper;
    QPixmap pm;
    if (QPixmapCache::find(cacheKey, &pm))
        return pm;
    for (const char *folder : {"skins", "pictures"}) {
        if (pm.load(QStringLiteral(":/resources/%1/%2.png").arg(QLatin1String(folder), upper))) {
            QPixmapCache::insert(cacheKey, pm);
            return pm;
        }
    }
    return QPixmap();
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
