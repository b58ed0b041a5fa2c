// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One clipboard the keeper holds, the X11 selection or the Wayland one, as the
// keeper's wait loop sees it.
#pragma once

#include "keeper_end.h"

namespace tinctora {

class ClipboardOwner {
public:
    virtual ~ClipboardOwner() = default;
    // The connection whose input the keeper waits for.
    virtual int connection() const = 0;
    // Before the keeper waits: handles what has already been read from the
    // connection (the wait would not wake for it) and sends what is queued.
    // Like dispatch, false once the connection is gone.
    virtual bool prepareToWait() = 0;
    // Handles what arrived while the keeper waited (input says whether the
    // connection had any); false once the connection is gone.
    virtual bool dispatch(bool input) = 0;
    // Whether another program owns this clipboard now, and whether the
    // keeper's own offer still does.
    virtual ClipboardStanding standing() const = 0;
};

} // namespace tinctora
