// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any page title, with any five scheme colours and either code style, gives
// the page skeleton with the title as page text: its "&", "<" and ">" as
// entities, every other byte as typed, no placeholder in it replaced; every
// template line ends in CR LF and the page ends in </html>.
#include "html_code.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The colour text worked out on its own, so that the builder is not its own oracle.
std::string Hex(const uint8_t* rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return text;
}

tinctora::PackedColor Packed(const uint8_t* rgb) {
    return rgb[0] + 256 * rgb[1] + 65536 * rgb[2];
}

// The title's bytes one by one, the three markup characters as entities.
std::string TitleText(std::string_view title) {
    static const std::string kEntities[3] = {"&amp;", "&lt;", "&gt;"};
    std::string text;
    for (const char c : title) {
        const auto markup = std::string_view("&<>").find(c);
        text += markup == std::string_view::npos ? std::string(1, c) : kEntities[markup];
    }
    return text;
}

// Outside the title, a CR is always followed by an LF and an LF always follows a CR.
bool OnlyCrLfBreaks(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
            return false;
        }
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr std::size_t kHeader = 16; // five colours and the style
    if (size < kHeader) {
        return 0;
    }
    const tinctora::SchemeColors colours{Packed(data), Packed(data + 3), Packed(data + 6),
                                         Packed(data + 9), Packed(data + 12)};
    const bool bodyTag = (data[15] & 1) == 0;
    const std::string typed(reinterpret_cast<const char*>(data + kHeader), size - kHeader);
    const std::string title = TitleText(typed);

    const std::string code = tinctora::BuildHtmlCode(
        colours, bodyTag ? tinctora::CodeStyle::BodyTag : tinctora::CodeStyle::CssStyles, typed);

    const std::string head = "<html>\r\n <head>\r\n  <title>";
    std::string tail = "</title>\r\n";
    if (bodyTag) {
        tail += " </head>\r\n <body bgcolor=\"" + Hex(data) + "\" text=\"" + Hex(data + 3) +
                "\" link=\"" + Hex(data + 6) + "\" alink=\"" + Hex(data + 9) + "\" vlink=\"" +
                Hex(data + 12) + "\">";
    } else {
        tail +=
            "  <style type=\"text/css\"><!--\r\n   body {\r\n    background-color: " + Hex(data) +
            ";\r\n    color: " + Hex(data + 3) + ";\r\n   }\r\n" +
            "   a:link { color: " + Hex(data + 6) +
            " }\r\n   a:visited { color: " + Hex(data + 12) +
            " }\r\n   a:active { color: " + Hex(data + 9) +
            " }\r\n  //--></style>\r\n </head>\r\n <body>";
    }
    tail += "\r\n </body>\r\n</html>";

    Require(code.size() == head.size() + title.size() + tail.size());
    Require(code.compare(0, head.size(), head) == 0);
    Require(code.compare(head.size(), title.size(), title) == 0);
    Require(code.compare(head.size() + title.size(), tail.size(), tail) == 0);
    Require(OnlyCrLfBreaks(head) && OnlyCrLfBreaks(tail));
    Require(code.ends_with("</html>"));
    return 0;
}
