// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// When the clipboard keeper ends.
//
// The keeper ends once either clipboard it holds passes to another program,
// letting go of both. It lets go of the other one only once that one has left
// the keeper's hands too, or after a short wait: a desktop's bridge answers
// another program's copy on one side by taking the other side over, and a
// keeper that leaves that side before the bridge has taken it looks to the
// bridge like the newest copy going away. sway 1.10 then emptied the Wayland
// clipboard that held the other program's copy.
#pragma once

#include <chrono>
#include <optional>
#include <span>

namespace tinctora {

// One clipboard the keeper took over, as it stands.
struct ClipboardStanding {
    bool lost = false;     // another program's text followed the keeper's
    bool handedOn = false; // the keeper's own offer no longer owns it
};

class KeeperEnd {
public:
    using Clock = std::chrono::steady_clock;

    explicit KeeperEnd(std::chrono::milliseconds patience) : patience_(patience) {}

    // Whether the keeper ends at `now`, given each clipboard's standing then.
    bool due(std::span<const ClipboardStanding> clipboards, Clock::time_point now);
    // The longest the keeper may wait for news before asking again, in
    // milliseconds; -1 while nothing is lost (no bound).
    int waitLimit(Clock::time_point now) const;

private:
    std::chrono::milliseconds patience_;
    std::optional<Clock::time_point> endBy_;
};

} // namespace tinctora
