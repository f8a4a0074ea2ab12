#pragma once
// On X11 the window manager's request to close a window (its WM_DELETE_WINDOW message) is input to Qt: a
// quiet pause leaves it queued with the person's clicks and keys, and all of them are read together once the
// pause is over. Qt drops the close of a window that a box blocks, and that box may be one that a click read
// just before the close opens. The keeper sees that such a close reaches its window. Off X11 it does nothing.
namespace zp {

// Starts the keeper, once: from then on it reads the window manager's closes as they come off the connection.
void keepX11WindowManagerCloses();

// A box is about to open: a close read for a window but not yet handed to it, which Qt would drop once the
// box blocks that window, is taken now as one read while the box is open.
void takeX11ClosesInFlight();

} // namespace zp
