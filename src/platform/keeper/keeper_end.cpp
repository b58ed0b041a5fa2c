// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keeper_end.h"

#include <algorithm>

namespace tinctora {

bool KeeperEnd::due(std::span<const ClipboardStanding> clipboards, Clock::time_point now) {
    if (!endBy_ && std::ranges::any_of(clipboards, &ClipboardStanding::lost)) {
        endBy_ = now + patience_;
    }
    if (!endBy_) {
        return false;
    }
    // A lost clipboard has left the keeper's hands, whatever its owner said.
    const bool allHandedOn = std::ranges::all_of(
        clipboards, [](const ClipboardStanding& c) { return c.lost || c.handedOn; });
    return allHandedOn || now >= *endBy_;
}

int KeeperEnd::waitLimit(Clock::time_point now) const {
    if (!endBy_) {
        return -1;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*endBy_ - now);
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

} // namespace tinctora
