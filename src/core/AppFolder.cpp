#include "core/AppFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

QString AppFolder;

namespace AppPaths {

QString DefaultAppFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Zandor/Tickerwatch");
}

QStringList CacheFolders()
{
    static const char *const folders[] = {
        "/Cache",
        "/Cache/Chart",
        "/Cache/News",
        "/Cache/DataSheet",
        "/Cache/Reports",
        "/Cache/Reports/Annual Balance Sheet",
        "/Cache/Reports/Annual Income statement",
        "/Cache/Reports/Options",
        "/Cache/Reports/Insiders Traders",
        "/Cache/Reports/Quarterly Reports",
        "/Cache/Reports/Earnings",
        "/Cache/Reports/Consultation",
        "/Cache/Reports/Summary",
        "/Cache/Reports/Misc",
    };
    QStringList out;
    for (const char *f : folders)
        out << AppFolder + QLatin1String(f);
    return out;
}

QString DataSheetFolder() { return AppFolder + QStringLiteral("/Cache/DataSheet"); }
QString NewsFolder() { return AppFolder + QStringLiteral("/Cache/News"); }
QString ReportsFolder() { return AppFolder + QStringLiteral("/Cache/Reports"); }

namespace {

// A whole-file save writes its image under the target's name and six
// letters or digits, then renames it over the target.
const QString SaveSuffix = QStringLiteral("\\.[A-Za-z0-9]{6}");

void RemoveMatching(const QString &folder, const QRegularExpression &leftover, bool below)
{
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                    below ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        if (leftover.match(it.fileName()).hasMatch())
            QFile::remove(it.filePath());
    }
}

} // namespace

void RemoveLeftovers(const QString &settingsFile)
{
    if (!AppFolder.isEmpty()) {
        static const QRegularExpression data(QStringLiteral("^(Set([0-9]|1[0-9]|20)|Portfolio|US|LayOut)\\.dat")
                                             + SaveSuffix + u'$');
        RemoveMatching(AppFolder, data, false);
        static const QRegularExpression cache(QStringLiteral("(\\.part|\\.txt\\.new|\\.[A-Za-z]{2,4}") + SaveSuffix
                                              + QStringLiteral(")$"));
        RemoveMatching(AppFolder + QStringLiteral("/Cache"), cache, true);
    }
    if (!settingsFile.isEmpty()) {
        const QFileInfo store(settingsFile);
        const QRegularExpression own(u'^' + QRegularExpression::escape(store.fileName()) + SaveSuffix + u'$');
        RemoveMatching(store.absolutePath(), own, false);
    }
}

} // namespace AppPaths
