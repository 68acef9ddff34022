#include "collect/SheetCache.h"

#include "core/AppFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <filesystem>

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace SheetCache {

QString DataSheetFolder() { return AppPaths::DataSheetFolder(); }
QString NewsFolder() { return AppPaths::NewsFolder(); }

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

namespace {

// What a folder held when it was last read, by lower-case name, and the
// folder's change time then. A run looks up every page it writes, most of
// them new, so the folder is read again only when something other than
// Store changed it; and while it keeps changing between lookups (a run
// writing, removing and renaming its files), each lookup reads it once for
// its one name instead of building the whole table again.
struct Listing {
    timespec stamp{};
    int quiet = 0; // lookups since the folder last changed
    bool built = false;
    QHash<QByteArray, QByteArray> names;
};
QHash<QString, Listing> g_listings;

bool Stamp(const QString &folder, timespec &out)
{
    struct stat st;
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return false;
    out = st.st_mtim;
    return true;
}

bool Same(const timespec &a, const timespec &b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// The entry of the folder whose lower-case name is lower, as it is spelt
// there; "" when there is none.
QByteArray Lookup(const QString &folder, const QByteArray &lower)
{
    timespec now;
    if (!Stamp(folder, now)) {
        g_listings.remove(folder);
        return {};
    }
    Listing &l = g_listings[folder];
    if (l.built && Same(l.stamp, now))
        return l.names.value(lower);
    // Left alone for a few lookups: worth a table for the lookups to come.
    l.quiet = Same(l.stamp, now) ? l.quiet + 1 : 0;
    const bool still = l.quiet >= 2;
    l.stamp = now;
    l.built = false;
    l.names.clear();
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return {};
    QByteArray found;
    while (const dirent *e = ::readdir(dir)) {
        if (still) {
            const QByteArray name(e->d_name);
            l.names.insert(name.toLower(), name);
        } else if (found.isEmpty() && ::strcasecmp(e->d_name, lower.constData()) == 0) {
            found = QByteArray(e->d_name);
        }
    }
    ::closedir(dir);
    if (still) {
        l.built = true;
        return l.names.value(lower);
    }
    return found;
}

} // namespace

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
    // Cache names are ASCII: lower case is enough to match them.
    const QByteArray found = Lookup(folder, QFile::encodeName(name).toLower());
    if (!found.isEmpty())
        return folder + u'/' + QFile::decodeName(found);
    return exact;
}

QString DataSheet(const QString &name) { return Resolve(DataSheetFolder(), name); }
QString News(const QString &name) { return Resolve(NewsFolder(), name); }

QString ForUrl(const QByteArray &symbol) { return QString::fromLatin1(symbol.toPercentEncoding()); }

bool Store(const QString &file, const QByteArray &bytes)
{
    if (file.isEmpty())
        return false;
    const QFileInfo target(file);
    const QString folder = target.absolutePath();
    timespec before{};
    const bool known = Stamp(folder, before) && g_listings.contains(folder) && Same(g_listings[folder].stamp, before);

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
    // The folder changed by this write alone: its listing stays good, and
    // the folder counts as still for the lookups between a run's writes.
    if (known) {
        Listing &l = g_listings[folder];
        const QByteArray name = QFile::encodeName(target.fileName());
        if (l.built)
            l.names.insert(name.toLower(), name);
        if (!Stamp(folder, l.stamp))
            g_listings.remove(folder);
    }
    return true;
}

QString MarketList(const QString &key) { return DataSheet(QStringLiteral("Br") + key + QStringLiteral(".Sh")); }

} // namespace SheetCache
