// The display as Qt sees it.
#include "qt_display_info.h"

#include "palette_colours.h"
#include "x11_screen.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace tinctora {

int QtDisplayInfo::colourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return X11BitsPerPixel().value_or(screen != nullptr ? screen->depth() : 0);
}

bool QtDisplayInfo::paintsAtColourDepth() {
    return X11PaintableVisual().value_or(true);
}

QSize QtDisplayInfo::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

QRect QtDisplayInfo::screenGeometry(const QWidget* window) {
    const QScreen* screen = window != nullptr ? window->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->geometry() : QRect();
}

PackedColor QtDisplayInfo::systemColor(int32_t index) {
    return PaletteSystemColor(QApplication::palette(), index);
}

} // namespace tinctora
