#include "CursorPictures.h"

#include <QCoreApplication>
#include <QDir>

namespace orv {

QString cursorPicturePath(const QString& fileName) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
}

QPixmap loadCursorPicture(const QString& fileName) {
    QPixmap picture;
    if (!picture.load(cursorPicturePath(fileName))) {
        return {};
    }
    return picture;
}

} // namespace orv
