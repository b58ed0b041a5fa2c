// The web-safe value menu's texts and check mark.
#include "web_safe_menu.h"

#include "channel_text.h"

#include <charconv>

namespace tinctora {

std::string WebSafeCaption(int item, bool hexMode) {
    return "&" + RgbChannelText(static_cast<int16_t>(item * kWebSafeStep), hexMode);
}

std::optional<int> WebSafeCheckedItem(int value) {
    if (value % kWebSafeStep != 0 || value < 0 || value > 255) {
        return std::nullopt;
    }
    return value / kWebSafeStep;
}

std::optional<int> WebSafeMenuChannel(std::string_view tag) {
    int channel = -1;
    const auto [end, error] = std::from_chars(tag.data(), tag.data() + tag.size(), channel);
    if (error != std::errc() || end != tag.data() + tag.size() || !IsRgbChannel(channel)) {
        return std::nullopt;
    }
    return channel;
}

} // namespace tinctora
