// Loading the compiled-in icons and cursors.
#include "resources.h"

#include <QBitmap>
#include <QString>

// The resources live in a static library: without this call the linker
// leaves them out of the program.
static void EnsureResourcesLinked() {
    Q_INIT_RESOURCE(resources);
}

namespace tinctora {

namespace {

struct CursorImage {
    int number;
    int hotX;
    int hotY;
};

constexpr CursorImage kCursors[] = {{101, 13, 13}, {102, 12, 12}};

} // namespace

QIcon WindowIconResource() {
    EnsureResourcesLinked();
    return QIcon(QStringLiteral(":/icons/1.xpm"));
}

QPixmap IconResource(int number) {
    EnsureResourcesLinked();
    if (number != 101 && number != 102) {
        return QPixmap();
    }
    return QPixmap(QStringLiteral(":/icons/%1.xpm").arg(number));
}

QCursor CursorResource(int number) {
    EnsureResourcesLinked();
    for (const CursorImage& image : kCursors) {
        if (image.number == number) {
            const QBitmap picture(QStringLiteral(":/cursors/%1.xbm").arg(number));
            const QBitmap mask(QStringLiteral(":/cursors/%1_mask.xbm").arg(number));
            return QCursor(picture, mask, image.hotX, image.hotY);
        }
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace tinctora
