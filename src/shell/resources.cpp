// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the compiled-in icons and cursors.
#include "resources.h"

#include <QImage>
#include <QPixmap>
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

// The cursor drawn in colour from its picture and mask: black where both are
// set, white where only the mask is, clear elsewhere, as X11 shows a cursor
// made of the two. Qt's Wayland platform shows no cursor made of a picture
// and a mask, only one made of a coloured picture.
QPixmap CursorPicture(const QImage& picture, const QImage& mask) {
    QImage cursor(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < cursor.height(); ++y) {
        for (int x = 0; x < cursor.width(); ++x) {
            const bool shown = mask.pixelIndex(x, y) == 1;
            const bool dark = picture.pixelIndex(x, y) == 1;
            cursor.setPixel(x, y,
                            !shown ? qRgba(0, 0, 0, 0)
                            : dark ? qRgb(0, 0, 0)
                                   : qRgb(255, 255, 255));
        }
    }
    return QPixmap::fromImage(cursor);
}

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
            const QImage picture(QStringLiteral(":/cursors/%1.xbm").arg(number));
            const QImage mask(QStringLiteral(":/cursors/%1_mask.xbm").arg(number));
            return QCursor(CursorPicture(picture, mask), image.hotX, image.hotY);
        }
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace tinctora
