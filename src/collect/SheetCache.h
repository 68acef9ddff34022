#pragma once
// The page cache: where every fetched page is kept, and the one way a name
// becomes a path there. Writers and readers spell the same file in different
// letter cases ("Upgrade.sh" and "Upgrade.Sh"), so names resolve to the file
// already on disk whatever its case. A symbol reaches a file name or a page
// address only through here.
#include <QByteArray>
#include <QString>

namespace SheetCache {

// AppFolder + "/Cache/DataSheet" and AppFolder + "/Cache/News".
QString DataSheetFolder();
QString NewsFolder();

// A symbol that may become part of a file name and a page address: 1 to 20
// characters of letters, digits and ". ^ - _ =", never "..". Anything else
// (a blank, a path separator, a line end) is refused, and no page is fetched
// or written for it.
bool UsableSymbol(const QByteArray &symbol);

// The path of name inside folder: the file already there whose name matches
// without regard to case, else folder/name. Empty when name could leave the
// folder (a path separator, "." or "..", a control character) or is empty.
QString Resolve(const QString &folder, const QString &name);
QString DataSheet(const QString &name);
QString News(const QString &name);

// A symbol as it goes into a page address: everything but letters, digits
// and "-._~" percent-encoded.
QString ForUrl(const QByteArray &symbol);

// Writes a fetched page in place of the cached one: the old page stays
// whole until the new one is complete, and nothing is left half written.
// The cache is no user data, so the disk is not made to flush for it.
bool Store(const QString &file, const QByteArray &bytes);

// The market list page of a data-set key ("PG_Q" -> "BrPG_Q.Sh").
QString MarketList(const QString &key);

} // namespace SheetCache
