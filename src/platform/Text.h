#pragma once
// Windows-1252 is the code page of every 8-bit text the program keeps (pages,
// set files, settings). Text stays bytes until it reaches the screen.
#include <QByteArray>
#include <QString>

namespace Text {

QString FromCp1252(QByteArrayView bytes);
// Characters without a Windows-1252 byte become '?'.
QByteArray ToCp1252(QStringView text);

} // namespace Text
