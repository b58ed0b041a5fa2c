// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A control's looks kept drawn, one image per look, for controls that a drag
// repaints on every step in the same few looks.
#pragma once

#include <QImage>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace tinctora {

// Key: everything a look's pixels depend on, compared with ==.
template <typename Key> class KeptLooks {
public:
    explicit KeptLooks(std::size_t most) : most_(most) {}

    // The image kept for the key; drawn by `draw` where none is kept, and
    // kept in place of the look used longest ago once `most` are kept.
    template <typename Draw> const QImage& look(const Key& key, Draw&& draw) {
        auto found = std::find_if(kept_.begin(), kept_.end(),
                                  [&](const Kept& kept) { return kept.first == key; });
        if (found == kept_.end()) {
            QImage image = std::forward<Draw>(draw)();
            if (kept_.size() == most_) {
                kept_.pop_back();
            }
            kept_.emplace(kept_.begin(), key, std::move(image));
        } else {
            std::rotate(kept_.begin(), found, found + 1);
        }
        return kept_.front().second;
    }

private:
    using Kept = std::pair<Key, QImage>;
    std::size_t most_;
    // The most recently used first.
    std::vector<Kept> kept_;
};

} // namespace tinctora
