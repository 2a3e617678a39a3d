#pragma once

#include <QPixmap>
#include <QString>

namespace orv {

// The drag pictures of the pick grid, files in the program's own folder.
inline const QString kDragPicture = QStringLiteral("drag.ico");
inline const QString kDropPicture = QStringLiteral("drop.ico");

// The full path of a picture file beside the program.
QString cursorPicturePath(const QString& fileName);
// Reads a picture file beside the program, each time it is asked for. A file
// that is missing or unreadable gives a null pixmap, which stands for the
// standard drag cursor.
QPixmap loadCursorPicture(const QString& fileName);

} // namespace orv
