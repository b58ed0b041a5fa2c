// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Scripted desktops for the tests.
#include "fake_desktop.h"

#include "frame_sampling.h"
#include "packed_qcolor.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace tinctora {

bool FakePointerControl::setPointerPosition(QPoint position) {
    if (pointerMoveFails) {
        return false;
    }
    pointerMoves.push_back(position);
    if (!pointerMoveIgnored) {
        pointer = position;
    }
    return true;
}

std::optional<PointerSample> FakeScreenReader::samplePointer(QPoint offset) {
    if (!pointer || screenFails) {
        return std::nullopt;
    }
    ++sampleCount;
    PointerSample sample{*pointer, {}};
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint at = *pointer + offset + QPoint(dx, dy);
            PackedColor& pixel = sample.block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))];
            pixel = screenPixels.valid(at) ? ToPacked(screenPixels.pixelColor(at)) : -1;
            if (pixel != -1 && windowShownAt && windowShownAt->contains(at)) {
                pixel = ToPacked(windowColour);
            }
        }
    }
    return sample;
}

std::optional<PointerSample> FakeScreenReader::samplePointerOn(const ScreenFrame& frame,
                                                               QPoint offset) {
    if (!pointer) {
        return std::nullopt;
    }
    ++sampleCount;
    return PointerSample{*pointer,
                         FrameBlock(frame, QPointF(*pointer) + QPointF(offset) / frameScale)};
}

void FakeScreenReader::watchScreenAccess(std::function<void()> changed) {
    accessChanged = std::move(changed);
}

void FakeScreenReader::requestFrame(std::function<void(std::optional<ScreenFrame>)> answered) {
    frameRequests.push_back(std::move(answered));
}

void FakeScreenReader::pickColor(std::function<void(std::optional<PackedColor>)> picked) {
    pickRequests.push_back(std::move(picked));
}

void FakeScreenReader::giveFrame() {
    const auto answered = frameRequests.front();
    frameRequests.pop_front();
    QImage image = screenPixels.scaled(screenPixels.size() * frameScale, Qt::IgnoreAspectRatio,
                                       Qt::FastTransformation);
    QPainter painter(&image);
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() &&
            std::find(outOfFrame.begin(), outOfFrame.end(), window) == outOfFrame.end()) {
            const QRect shown = window->frameGeometry();
            painter.fillRect(QRect(shown.topLeft() * frameScale, shown.size() * frameScale),
                             QColor::fromRgb(kWindowInFrame));
        }
    }
    painter.end();
    answered(ScreenFrame{image, FrameLayout({QRect(QPoint(0, 0), screen)}, image.size())});
}

void FakeScreenReader::setOutOfFrame(QWidget* window, bool out) {
    std::erase(outOfFrame, window);
    if (out) {
        outOfFrame.push_back(window);
    }
}

void FakeScreenReader::refuseFrame() {
    const auto answered = frameRequests.front();
    frameRequests.pop_front();
    access = ScreenAccess::PickOnly;
    if (accessChanged) {
        accessChanged();
    }
    answered(std::nullopt);
}

void FakeScreenReader::answerPick(std::optional<PackedColor> colour) {
    const auto picked = pickRequests.front();
    pickRequests.pop_front();
    picked(colour);
}

void FakeScreenReader::loseScreenAccess() {
    access = ScreenAccess::None;
    if (accessChanged) {
        accessChanged();
    }
}

std::optional<QRect> FakeWindowPlacement::windowRect(const QWidget* widget) {
    if (windowRectFails || widget == nullptr) {
        return std::nullopt;
    }
    if (forcedWindowRect && widget->isWindow()) {
        return forcedWindowRect;
    }
    if (widget->isWindow()) {
        return widget->frameGeometry();
    }
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

std::optional<QRect> FakeDesktop::shownWindowRect(const QWidget* window) {
    const std::optional<QRect> asked = windowRect(window);
    if (windowMoveLag == 0 || !windowShownAt) {
        windowShownAt = asked;
        return asked;
    }
    if (windowMoveLag > 0) {
        --windowMoveLag;
    }
    return windowShownAt;
}

bool FakeWindowPlacement::setTopmost(QWidget* window, bool on) {
    if (topmostFails) {
        return false;
    }
    topmostCalls.emplace_back(window, on);
    return true;
}

void FakePointerControl::releaseCapture() {
    captured = nullptr;
    ++releaseCount;
}

MessageAnswer FakeMessageBoxes::showMessage(QWidget*, MessageKind kind, const QString& text) {
    messages.push_back({kind, text});
    if (answers.empty()) {
        return MessageAnswer::Cancel;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeClipboard::setClipboardText(const QString& text) {
    clipboard.reset();
    ++clipboardClears;
    if (clipboardFails) {
        return false;
    }
    clipboard = text;
    return true;
}

bool FakeClipboard::keepClipboardAfterExit() {
    ++clipboardKeeps;
    return clipboard.has_value();
}

bool FakeWindowPlacement::topmost(const QWidget* window) const {
    for (auto it = topmostCalls.rbegin(); it != topmostCalls.rend(); ++it) {
        if (it->first == window) {
            return it->second;
        }
    }
    return false;
}

} // namespace tinctora
