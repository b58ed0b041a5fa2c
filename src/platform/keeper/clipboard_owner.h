// One clipboard the keeper holds, the X11 selection or the Wayland one, as the
// keeper's wait loop sees it.
#pragma once

namespace tinctora {

class ClipboardOwner {
public:
    virtual ~ClipboardOwner() = default;
    // The connection whose input the keeper waits for.
    virtual int connection() const = 0;
    // Sends what is queued before the keeper waits.
    virtual void flush() = 0;
    // Handles what arrived while the keeper waited (input says whether the
    // connection had any); false once another program owns this clipboard or
    // the connection is gone.
    virtual bool dispatch(bool input) = 0;
};

} // namespace tinctora
