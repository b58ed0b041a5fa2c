// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether a clipboard the keeper took over still holds the keeper's text.
//
// Under XWayland the desktop carries a clipboard across between X11 and
// Wayland: when one side changes hands, the desktop's own bridge may take the
// other side over with the same text. A change of owner is therefore no loss
// by itself. Every list of formats the keeper offers carries a mark of its
// own, which the bridge copies along with the text's formats; an owner whose
// formats lack the mark holds another program's text (a newer keeper's
// included, whose mark differs).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tinctora {

// The format that marks this keeper's offers: unique among running keepers,
// and never served (a request for it gets nothing).
std::string KeeperMark(long processId, long long startedAt);

// Who holds a clipboard after a change of owner.
enum class Holder {
    Nobody, // the clipboard is empty
    Keeper, // the keeper, or the desktop's bridge with the keeper's text
    Other,  // another program's text
};

// The holder of a clipboard whose owner offers these formats.
Holder HolderOffering(std::span<const std::string> formats, std::string_view mark);

// One clipboard the keeper took over, told of each change of its owner.
class ClipboardHold {
public:
    void ownerChanged(Holder holder);
    // True once another program's text followed the keeper's. What the
    // clipboard held before the keeper's own set arrived is not a loss, nor is
    // an empty clipboard: an owner that goes away hands nothing over, and the
    // bridge drops its copy of the other side when it likes.
    bool lost() const { return lost_; }

private:
    bool held_ = false;
    bool lost_ = false;
};

} // namespace tinctora
