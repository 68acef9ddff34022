#include "core/AppFolder.h"

#include <QStandardPaths>

QString AppFolder;

namespace AppPaths {
QString DefaultAppFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Zandor/Tickerwatch");
}
} // namespace AppPaths
