// The application's title and version, and the window caption built from them.
#pragma once

#include <string>
#include <string_view>

namespace tinctora {

inline constexpr std::string_view kAppTitle = "Tinctora";
inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 9;
inline constexpr int kVersionRevision = 9;

// "Tinctora Version 0.9.9"; the revision is left out when it is 0.
std::string WindowCaption(std::string_view title, int major, int minor, int revision);

} // namespace tinctora
