// What the application sets up once before its first window: the style, the
// font, the toolkit's German texts and the desktop's system colours.
#pragma once

class QApplication;

namespace tinctora {

class DisplayInfo;

void ApplyApplicationStyle(QApplication& app, DisplayInfo& display);

} // namespace tinctora
