// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The HTML page skeleton built from the template lines.
#include "html_code.h"

#include <span>

namespace tinctora {

namespace {

std::string JoinLines(std::span<const std::string_view> lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 0) {
            text += kLineBreak;
        }
        text += lines[i];
    }
    return text;
}

} // namespace

std::string ReplaceAll(std::string text, std::string_view placeholder,
                       std::string_view replacement) {
    std::size_t at = text.find(placeholder);
    while (at != std::string::npos) {
        text.replace(at, placeholder.size(), replacement);
        at = text.find(placeholder, at + replacement.size());
    }
    return text;
}

std::string EscapeTitle(std::string_view title) {
    std::string text;
    text.reserve(title.size());
    for (const char c : title) {
        switch (c) {
        case '&':
            text += "&amp;";
            break;
        case '<':
            text += "&lt;";
            break;
        case '>':
            text += "&gt;";
            break;
        default:
            text += c;
            break;
        }
    }
    return text;
}

std::string BuildHtmlCode(const SchemeColors& colours, CodeStyle style, std::string_view title) {
    const std::string frame = JoinLines(kFrameLines);
    std::string middle =
        style == CodeStyle::BodyTag ? JoinLines(kBodyTagLines) : JoinLines(kCssStyleLines);

    middle = ReplaceAll(middle, "%bg", HexColorText(colours.background));
    middle = ReplaceAll(middle, "%tx", HexColorText(colours.text));
    middle = ReplaceAll(middle, "%lnk", HexColorText(colours.link));
    middle = ReplaceAll(middle, "%alnk", HexColorText(colours.activeLink));
    middle = ReplaceAll(middle, "%vlnk", HexColorText(colours.visitedLink));

    // The title comes last, so placeholders typed into it stay as typed; a
    // "</title>" in it must not end the title.
    return ReplaceAll(ReplaceAll(frame, "%BB", middle), "%t", EscapeTitle(title));
}

std::string WebSafeQuestionText() {
    return "Einige Farben sind nicht WebSafe! "
           "Dies kann zu unschönen Rasterungen führen.\r\n"
           "Sollen sie vorher umgewandelt werden?";
}

std::string ClipboardRefusedText() {
    return "Der HTML Code konnte nicht in die Zwischenablage kopiert werden.\r\n"
           "Bitte versuchen Sie es noch einmal.";
}

std::string CodeConfirmationText(std::string_view code) {
    std::string text = "HTML Code: \r\r";
    text += code;
    text += "\r\rProgramm nach Kopieren beenden?";
    return text;
}

} // namespace tinctora
