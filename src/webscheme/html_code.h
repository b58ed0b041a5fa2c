// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The HTML page skeleton that "Kopieren" puts on the clipboard: the template
// lines, the colour texts and the two message texts, without any widget.
#pragma once

#include "colour.h"

#include <array>
#include <string>
#include <string_view>

namespace tinctora {

enum class CodeStyle { BodyTag, CssStyles };

// The five scheme colours as the code needs them (the text colour once).
struct SchemeColors {
    PackedColor background = 0;
    PackedColor text = 0;
    PackedColor link = 0;
    PackedColor activeLink = 0;
    PackedColor visitedLink = 0;
};

inline constexpr std::string_view kLineBreak = "\r\n";

inline constexpr std::array<std::string_view, 6> kFrameLines = {
    "<html>", " <head>", "  <title>%t</title>", "%BB", " </body>", "</html>",
};

inline constexpr std::array<std::string_view, 2> kBodyTagLines = {
    " </head>",
    " <body bgcolor=\"%bg\" text=\"%tx\" "
    "link=\"%lnk\" alink=\"%alnk\" vlink=\"%vlnk\">",
};

inline constexpr std::array<std::string_view, 11> kCssStyleLines = {
    "  <style type=\"text/css\"><!--",
    "   body {",
    "    background-color: %bg;",
    "    color: %tx;",
    "   }",
    "   a:link { color: %lnk }",
    "   a:visited { color: %vlnk }",
    "   a:active { color: %alnk }",
    "  //--></style>",
    " </head>",
    " <body>",
};

// Replaces every occurrence of `placeholder`, left to right; the inserted
// text is never searched again.
std::string ReplaceAll(std::string text, std::string_view placeholder,
                       std::string_view replacement);

// The title as page text: "&", "<" and ">" become entities, every other byte
// stays as it is.
std::string EscapeTitle(std::string_view title);

// The whole page; the title is UTF-8 and goes in as text, never as markup.
std::string BuildHtmlCode(const SchemeColors& colours, CodeStyle style, std::string_view title);

// The question asked when a scheme colour is off the web-safe grid.
std::string WebSafeQuestionText();
// Said when the clipboard did not take the code; the program then stays open.
std::string ClipboardRefusedText();
// The confirmation that shows the code before it is copied.
std::string CodeConfirmationText(std::string_view code);

} // namespace tinctora
