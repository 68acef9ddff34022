#include "reports/FileOut.h"

#include "core/RecordIO.h"
#include "platform/Dialogs.h"
#include "platform/Vb.h"

#include <QDir>

namespace FileOut {

bool Replace(const QString &path, const QByteArray &bytes)
{
    try {
        RecordIO::SaveAtomic(path, bytes);
    } catch (const VbError &) {
        Dialogs::MsgBox(QStringLiteral("The file could not be written:\r\n") + QDir::toNativeSeparators(path),
                        Dialogs::vbExclamation);
        return false;
    }
    return true;
}

} // namespace FileOut
