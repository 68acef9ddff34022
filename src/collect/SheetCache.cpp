#include "collect/SheetCache.h"

#include "core/AppFolder.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <filesystem>

#include <dirent.h>
#include <strings.h>

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
    // Plain directory reading: a run looks up every page it writes, so this
    // walk is kept to a compare per entry. Cache names are ASCII.
    const QByteArray want = QFile::encodeName(name);
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return exact;
    QString found = exact;
    while (const dirent *e = ::readdir(dir)) {
        if (std::strlen(e->d_name) == size_t(want.size()) && ::strcasecmp(e->d_name, want.constData()) == 0) {
            found = folder + u'/' + QFile::decodeName(e->d_name);
            break;
        }
    }
    ::closedir(dir);
    return found;
}

QString DataSheet(const QString &name) { return Resolve(DataSheetFolder(), name); }
QString News(const QString &name) { return Resolve(NewsFolder(), name); }

QString ForUrl(const QByteArray &symbol) { return QString::fromLatin1(symbol.toPercentEncoding()); }

bool Store(const QString &file, const QByteArray &bytes)
{
    if (file.isEmpty())
        return false;
    const QString part = file + QStringLiteral(".part");
    QFile f(part);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = f.write(bytes) == bytes.size();
    f.close();
    std::error_code ec;
    if (written && f.error() == QFileDevice::NoError)
        std::filesystem::rename(part.toStdString(), file.toStdString(), ec);
    if (!written || f.error() != QFileDevice::NoError || ec) {
        QFile::remove(part);
        return false;
    }
    return true;
}

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
