// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding native screen pixels and assembling the block under the pointer.
#include "screen_pixels.h"

#include <bit>

namespace tinctora {

int BitsPerPixel(int depth, const std::vector<PixmapFormat>& formats) {
    for (const PixmapFormat& format : formats) {
        if (format.depth == depth) {
            return format.bitsPerPixel;
        }
    }
    return depth;
}

bool QtPaintsVisual(bool directColour, bool grey, int bitsPerPixel) {
    if (grey) {
        return bitsPerPixel == 8;
    }
    return directColour && (bitsPerPixel == 16 || bitsPerPixel == 32);
}

int RowStride(int width, const PixelFormat& format) {
    const int pad = format.scanlinePad > 0 ? format.scanlinePad : 8;
    const int bits = width * format.bitsPerPixel;
    return (bits + pad - 1) / pad * pad / 8;
}

namespace {

// Where a channel's bits lie in a pixel, worked out once per mask.
struct MaskedChannel {
    uint32_t mask = 0;
    int shift = 0;
    int width = 0;
};

MaskedChannel ChannelOf(uint32_t mask) {
    if (mask == 0) {
        return {};
    }
    const int shift = std::countr_zero(mask);
    return {mask, shift, std::popcount(mask >> shift)};
}

int16_t Scaled(uint32_t pixel, const MaskedChannel& channel) {
    if (channel.mask == 0) {
        return 0;
    }
    const int width = channel.width;
    const uint32_t value = (pixel & channel.mask) >> channel.shift;
    // X's own rule: wider channels keep their top 8 bits, narrower ones repeat
    // their bits downwards, so that full scale stays full scale.
    if (width >= 8) {
        return static_cast<int16_t>(value >> (width - 8));
    }
    uint32_t scaled = 0;
    for (int filled = 0; filled < 8; filled += width) {
        scaled = (scaled << width) | value;
    }
    const int excess = ((8 + width - 1) / width) * width - 8;
    return static_cast<int16_t>(scaled >> excess);
}

} // namespace

int16_t ChannelFromMask(uint32_t pixel, uint32_t mask) {
    return Scaled(pixel, ChannelOf(mask));
}

namespace {

uint32_t ReadRawPixel(const uint8_t* bytes, int count, bool msbFirst) {
    uint32_t pixel = 0;
    for (int i = 0; i < count; ++i) {
        const uint32_t byte = bytes[msbFirst ? i : count - 1 - i];
        pixel = (pixel << 8) | byte;
    }
    return pixel;
}

} // namespace

std::vector<PackedColor> DecodeImage(std::span<const uint8_t> data, int width, int height,
                                     const PixelFormat& format) {
    std::vector<PackedColor> pixels;
    if (width <= 0 || height <= 0) {
        return pixels;
    }
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const int bytesPerPixel = format.bitsPerPixel / 8;
    const bool readable = bytesPerPixel >= 1 && bytesPerPixel <= 4 && format.bitsPerPixel % 8 == 0;
    const std::size_t stride = static_cast<std::size_t>(RowStride(width, format));
    const MaskedChannel red = ChannelOf(format.redMask);
    const MaskedChannel green = ChannelOf(format.greenMask);
    const MaskedChannel blue = ChannelOf(format.blueMask);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t offset =
                static_cast<std::size_t>(y) * stride +
                static_cast<std::size_t>(x) * static_cast<std::size_t>(bytesPerPixel);
            if (!readable || offset + static_cast<std::size_t>(bytesPerPixel) > data.size()) {
                pixels.push_back(-1);
                continue;
            }
            const uint32_t raw = ReadRawPixel(data.data() + offset, bytesPerPixel, format.msbFirst);
            pixels.push_back(PackColor(Scaled(raw, red), Scaled(raw, green), Scaled(raw, blue)));
        }
    }
    return pixels;
}

QRect BlockReadRect(QPoint centre, QRect root) {
    const QRect block(centre.x() - 2, centre.y() - 2, 5, 5);
    return block.intersected(root);
}

QRect GuessedReadRect(QPoint expected, QRect root) {
    const int reach = 2 + kGuessMargin;
    return QRect(expected.x() - reach, expected.y() - reach, 2 * reach + 1, 2 * reach + 1)
        .intersected(root);
}

PixelBlock AssembleBlock(QPoint centre, QRect readRect, const std::vector<PackedColor>& pixels,
                         const std::vector<QRect>& screens) {
    PixelBlock block;
    block.fill(-1);
    const auto onAScreen = [&screens](QPoint point) {
        for (const QRect& screen : screens) {
            if (screen.contains(point)) {
                return true;
            }
        }
        return false;
    };
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint point(centre.x() + dx, centre.y() + dy);
            if (!readRect.contains(point) || !onAScreen(point)) {
                continue;
            }
            const std::size_t index = static_cast<std::size_t>(point.y() - readRect.top()) *
                                          static_cast<std::size_t>(readRect.width()) +
                                      static_cast<std::size_t>(point.x() - readRect.left());
            if (index < pixels.size()) {
                block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))] = pixels[index];
            }
        }
    }
    return block;
}

namespace {

// The first monitor that holds a position, or the first (primary) monitor
// when none does; screens is not empty.
template <typename Holds>
const ScaledScreen& MonitorHolding(const std::vector<ScaledScreen>& screens, Holds holds) {
    for (const ScaledScreen& screen : screens) {
        if (holds(screen)) {
            return screen;
        }
    }
    return screens.front();
}

} // namespace

QPoint LogicalPointerPosition(QPoint native, const std::vector<ScaledScreen>& screens) {
    if (screens.empty()) {
        return native;
    }
    const ScaledScreen& on = MonitorHolding(
        screens, [native](const ScaledScreen& screen) { return screen.native.contains(native); });
    const QPoint origin = on.native.topLeft();
    return (native - origin) * (1.0 / on.ratio) + origin;
}

QPointF ExactLogicalPosition(QPoint native, const std::vector<ScaledScreen>& screens) {
    if (screens.empty()) {
        return native;
    }
    const ScaledScreen& on = MonitorHolding(
        screens, [native](const ScaledScreen& screen) { return screen.native.contains(native); });
    const QPointF origin = on.native.topLeft();
    return (QPointF(native) - origin) / on.ratio + origin;
}

QPoint NativePointerPosition(QPointF logical, const std::vector<ScaledScreen>& screens) {
    if (screens.empty()) {
        return logical.toPoint();
    }
    const ScaledScreen& on = MonitorHolding(screens, [logical](const ScaledScreen& screen) {
        return QRectF(screen.native.topLeft(), QSizeF(screen.native.size()) / screen.ratio)
            .contains(logical);
    });
    const QPointF origin = on.native.topLeft();
    return ((logical - origin) * on.ratio + origin).toPoint();
}

} // namespace tinctora
