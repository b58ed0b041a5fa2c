// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clipboard_hold.h"

#include <algorithm>

namespace tinctora {

std::string KeeperMark(long processId, long long startedAt) {
    return "application/x-tinctora-keeper-" + std::to_string(processId) + "-" +
           std::to_string(startedAt);
}

Holder HolderOffering(std::span<const std::string> formats, std::string_view mark) {
    return std::ranges::find(formats, mark) != formats.end() ? Holder::Keeper : Holder::Other;
}

void ClipboardHold::ownerChanged(Holder holder) {
    if (holder == Holder::Keeper) {
        held_ = true;
    } else if (holder == Holder::Other) {
        lost_ = lost_ || held_;
    }
}

} // namespace tinctora
