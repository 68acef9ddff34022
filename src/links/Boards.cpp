#include "links/Boards.h"

#include "collect/SheetCache.h"
#include "core/Hosts.h"

namespace Boards {

QString Sector(const QString &sectorFolder, const QString &industry)
{
    // Folders and keys are letters, digits and "_", which encoding leaves
    // as they are; anything else cannot bend the path.
    return Hosts::Url(QStringLiteral("MessageBoardHost"), QStringLiteral("/yahoo/Business___Finance/Investments/Sectors/")
                                                              + SheetCache::ForUrl(sectorFolder.toLatin1()) + u'/'
                                                              + SheetCache::ForUrl(industry.toLatin1())
                                                              + QStringLiteral("/index.html"));
}

QString Stock(int mode, const QByteArray &symbol)
{
    const QString s = SheetCache::ForUrl(symbol.toUpper());
    switch (mode) {
    case 0:
        return Hosts::Url(QStringLiteral("DiscussionSearchHost"),
                          QStringLiteral("/~wsapi/investor/search?s=") + s + QStringLiteral("&domain=Titles"));
    case 1: return Hosts::Url(QStringLiteral("MessageBoardHost"), QStringLiteral("/?action=q&board=") + s);
    case 2:
        return Hosts::Url(QStringLiteral("MessageBoardHost"),
                          QStringLiteral("/bbs?action=topics&board=yahoo.a2.0b.8516425&type=r"));
    default: return QString();
    }
}

} // namespace Boards
