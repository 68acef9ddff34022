#pragma once
// The program's own pictures and cursors, built into the program and found
// by the names the program gives them ("UP", "GlassBlue", "B1", cursor 103).
#include <QCursor>
#include <QPixmap>
#include <QString>

namespace Artwork {

// Letter case does not matter ("GlassBlueb" is the GlassBlue marker). A null
// pixmap for a name there is no picture for.
QPixmap Picture(const QString &name);
// The picture's file as stored, for readers that need its own pixel format
// (a 256-colour picture stays indexed); "" when there is no such picture.
QString PictureFile(const QString &name);

// The splitter hands: 102 while a bar is dragged, 103 at rest. Any other id
// gives the ordinary arrow.
QCursor Cursor(int id);

} // namespace Artwork
