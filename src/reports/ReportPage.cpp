#include "reports/ReportPage.h"

#include "collect/SheetCache.h"
#include "collect/UpdateJobs.h"
#include "core/CellText.h"
#include "core/AppFolder.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "platform/Hourglass.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "reports/FileOut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

#include <sys/stat.h>

namespace ReportPage {

namespace {

bool IsAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// "&name;", "&#123;" or "&#x1F;" starting at at (which holds the "&").
bool StartsReference(QByteArrayView text, qsizetype at)
{
    qsizetype i = at + 1;
    const qsizetype n = text.size();
    if (i < n && text[i] == '#') {
        ++i;
        const bool hex = i < n && (text[i] == 'x' || text[i] == 'X');
        if (hex)
            ++i;
        const qsizetype digits = i;
        while (i < n && (hex ? IsHex(text[i]) : (text[i] >= '0' && text[i] <= '9')))
            ++i;
        return i > digits && i < n && text[i] == ';';
    }
    if (i >= n || !((text[i] >= 'a' && text[i] <= 'z') || (text[i] >= 'A' && text[i] <= 'Z')))
        return false;
    while (i < n && IsAlnum(text[i]))
        ++i;
    return i < n && text[i] == ';';
}

// An older report spelled in another letter case would shadow the new one
// for anything that matches names the way the cache does. Only the
// program's own report folder is swept, and never the file just written,
// which a folder that ignores case lists under the older spelling.
void DropCaseVariants(const QString &path)
{
    const QFileInfo target(path);
    const QString root = QFileInfo(ReportFolder()).canonicalFilePath();
    const QString folderPath = target.dir().canonicalPath();
    if (root.isEmpty() || (folderPath != root && !folderPath.startsWith(root + u'/')))
        return;
    struct stat written {};
    if (::stat(QFile::encodeName(path).constData(), &written) != 0)
        return;
    const QDir folder = target.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name == target.fileName() || name.compare(target.fileName(), Qt::CaseInsensitive) != 0)
            continue;
        const QString other = folder.filePath(name);
        struct stat st {};
        if (::stat(QFile::encodeName(other).constData(), &st) == 0
            && (st.st_dev != written.st_dev || st.st_ino != written.st_ino))
            QFile::remove(other);
    }
}

} // namespace

bool WalkPieces(const QByteArray &text, QByteArrayView open, QByteArrayView close,
                const std::function<void(const QByteArray &piece)> &visit)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = text.indexOf(open, from);
        if (start < 0)
            return true;
        const qsizetype stop = text.indexOf(close, start);
        if (stop < 0)
            return false;
        visit(text.mid(start, stop - start));
        from = stop;
    }
}

QByteArray Escape(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '&': out += StartsReference(text, i) ? "&" : "&amp;"; break;
        default: out += c; break;
        }
    }
    return out;
}

QByteArray CutTable(const QByteArray &page, QByteArrayView anchor)
{
    const qsizetype a = page.indexOf(anchor);
    if (a < 0)
        return {};
    const qsizetype start = page.indexOf("<table", a);
    if (start < 0)
        return {};
    const qsizetype stop = page.indexOf("</table>", start);
    if (stop < 0)
        return {};
    return page.mid(start, stop - start);
}

bool WalkRows(const QByteArray &table, const std::function<void(const QByteArray &row, int n)> &row)
{
    int n = 0;
    return WalkPieces(table, "<tr", "</tr>", [&](const QByteArray &text) { row(text, n++); });
}

bool WalkCells(const QByteArray &row, const std::function<void(const QByteArray &text)> &cell)
{
    return WalkPieces(row, "<td", "</td>", [&](const QByteArray &text) { cell(CellText::Of(text)); });
}

Written WriteRows(const QByteArray &table, const std::function<QByteArray(int at, const QByteArray &text)> &cell)
{
    Written w;
    bool cellsClosed = true;
    const bool rowsClosed = WalkRows(table, [&](const QByteArray &row, int) {
        if (w.count++ > 0)
            w.rows += "<tr>\r\n";
        int i = 0;
        cellsClosed = WalkCells(row, [&](const QByteArray &value) { w.rows += cell(i++, value); }) && cellsClosed;
        w.rows += "</tr>\r\n";
    });
    w.closed = rowsClosed && cellsClosed;
    return w;
}

QByteArray HeadingRow(std::initializer_list<const char *> headings)
{
    QByteArray out = "<TR>";
    for (const char *h : headings)
        out += QByteArray(h) + "\r\n";
    return out + "</TR>\r\n<TR>";
}

std::optional<QByteArray> PageLink(const QString &site, QByteArrayView prefix, QByteArrayView path)
{
    const QByteArray p = path.trimmed().toByteArray();
    const QByteArray lower = p.toLower();
    if (lower.startsWith("http://") || lower.startsWith("https://") || lower.startsWith("mailto:"))
        return Escape(p);
    // A scheme is what stands before a colon that comes before any "/", "?"
    // or "#"; a relative path has none.
    const qsizetype colon = p.indexOf(':');
    if (colon >= 0) {
        const QByteArray before = p.left(colon);
        if (!before.contains('/') && !before.contains('?') && !before.contains('#'))
            return std::nullopt;
    }
    const QString address = Hosts::Url(site, QString::fromLatin1(prefix.toByteArray() + p));
    return Escape(address.toLatin1());
}

void Normalise(QByteArray &text, std::initializer_list<std::pair<QByteArrayView, QByteArrayView>> steps)
{
    for (const auto &[before, after] : steps)
        text.replace(before, after);
}

QByteArray ReadSheet(const QByteArray &symbol, const char *suffix)
{
    const QByteArray page = Misc::ReadFile(SheetCache::DataSheet(QString::fromLatin1(symbol + suffix)));
    Misc::DoEvents();
    return page;
}

QDate Today() { return UpdateJobs::Today(); }

QByteArray ShortDate(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat).toLocal8Bit();
}

QByteArray LongTimeNow()
{
    return QLocale().toString(QTime::currentTime(), QStringLiteral("h:mm:ss AP")).toLocal8Bit();
}

QString ReportFolder() { return AppPaths::ReportsFolder(); }

QString ReportFile(const QString &subfolder, const QByteArray &symbol, const QString &suffix)
{
    if (symbol.isEmpty())
        return {};
    if (!SheetCache::UsableSymbol(symbol)) {
        Dialogs::MsgBox(QStringLiteral("No page can be made for \"") + Text::FromCp1252(symbol)
                            + QStringLiteral("\": the symbol cannot be part of a file name."),
                        Dialogs::vbExclamation);
        return {};
    }
    QString folder = ReportFolder();
    if (!subfolder.isEmpty())
        folder += u'/' + subfolder;
    return folder + u'/' + QString::fromLatin1(symbol) + suffix;
}

void PlacePictures()
{
    for (const char *name : {"up.gif", "dn.gif", "bar.jpg", "gmb.jpg"}) {
        const QString target = AppFolder + u'/' + QLatin1String(name);
        if (!QFileInfo::exists(target))
            QFile::copy(QStringLiteral(":/resources/pages/") + QLatin1String(name), target);
        // A copied resource is read-only; the user may replace it.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
}

bool Publish(const QString &path, const QByteArray &page)
{
    Misc::DoEvents();
    if (!FileOut::Replace(path, page + "\r\n"))
        return false;
    DropCaseVariants(path);
    Misc::DoEvents();
    {
        const Hourglass hourglass;
        Shell::Open(path, QStringLiteral("No program could show the page. It was written to:\r\n")
                              + QDir::toNativeSeparators(path));
    }
    Misc::DoEvents();
    return true;
}

} // namespace ReportPage
