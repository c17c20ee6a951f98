// The application object behind every window, dialog, font and screen query.
#pragma once

namespace qiro {

// Creates the process's application object the first time anything needs it; later calls
// do nothing. Without a display (neither DISPLAY nor WAYLAND_DISPLAY set, and no back end
// chosen by the user) drawing goes off-screen, so tools and tests run headless. A program
// that makes its own application object (with its real arguments) makes it before anything
// here needs one; this then only adds what the platform relies on.
void ensureApplication();

}  // namespace qiro
