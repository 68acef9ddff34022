#pragma once
// The one write of a file the user asked for: a report page (ReportPage::
// Publish adds the report folder's own rules around it) or an export to the
// file the user chose (Reports::Export).
#include <QByteArray>
#include <QString>

namespace FileOut {

// Replaces the file by exactly these bytes, atomically, and touches nothing
// else; a failure shows one message naming the file, keeps the old file and
// answers false.
bool Replace(const QString &path, const QByteArray &bytes);

} // namespace FileOut
