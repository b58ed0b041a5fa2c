// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application's title, and the window caption built from it and the version.
#pragma once

#include <string>
#include <string_view>

namespace tinctora {

inline constexpr std::string_view kAppTitle = "Tinctora";

// "Tinctora Version 1.2.3"; the revision is left out when it is 0.
std::string WindowCaption(std::string_view title, int major, int minor, int revision);

} // namespace tinctora
