#include "collect/SheetCache.h"

#include "core/AppFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace SheetCache {

QString DataSheetFolder() { return AppFolder + QStringLiteral("/Cache/DataSheet"); }
QString NewsFolder() { return AppFolder + QStringLiteral("/Cache/News"); }

bool UsableSymbol(const QByteArray &symbol)
{
    if (symbol.isEmpty() || symbol.size() > 20 || symbol.contains(".."))
        return false;
    for (const char c : symbol) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.'
                        || c == '^' || c == '-' || c == '_' || c == '=';
        if (!ok)
            return false;
    }
    return true;
}

QString Resolve(const QString &folder, const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c.unicode() < 32 || c.unicode() == 127)
            return {};
    const QString exact = folder + u'/' + name;
    if (QFileInfo::exists(exact))
        return exact;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System); it.hasNext();) {
        it.next();
        if (it.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return it.filePath();
    }
    return exact;
}

QString DataSheet(const QString &name) { return Resolve(DataSheetFolder(), name); }
QString News(const QString &name) { return Resolve(NewsFolder(), name); }

QString ForUrl(const QByteArray &symbol) { return QString::fromLatin1(symbol.toPercentEncoding()); }

bool ApplyMinimum(const QString &file, qint64 minimum)
{
    if (file.isEmpty())
        return false;
    const QFileInfo info(file);
    if (!info.exists())
        return false;
    if (info.size() >= minimum)
        return true;
    QFile::remove(file);
    return false;
}

QString MarketList(const QString &key) { return DataSheet(QStringLiteral("Br") + key + QStringLiteral(".Sh")); }

} // namespace SheetCache
