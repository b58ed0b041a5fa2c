// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window caption built from the application's title and version.
#include "caption.h"

namespace tinctora {

std::string WindowCaption(std::string_view title, int major, int minor, int revision) {
    std::string caption(title);
    caption.append(" Version ").append(std::to_string(major)).append(".");
    caption.append(std::to_string(minor));
    if (revision != 0) {
        caption.append(".").append(std::to_string(revision));
    }
    return caption;
}

} // namespace tinctora
