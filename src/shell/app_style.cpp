// What the application sets up once before its first window.
#include "app_style.h"

#include "display_info.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace tinctora {

void ApplyApplicationStyle(QApplication& app, DisplayInfo& display) {
    // One style everywhere, so that coloured option buttons look alike on every desktop.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(app.style()->standardPalette());

    // A small sans-serif face with the metrics the compact layout was made for.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    app.setFont(font);

    // The toolkit's own texts (context menus of the text boxes) in German,
    // whatever the desktop's locale.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }

    SetSystemColorLookup([&display](int32_t index) { return display.systemColor(index); });
}

} // namespace tinctora
