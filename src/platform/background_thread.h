// SPDX-License-Identifier: GPL-3.0-or-later
// Threads that work for the window without holding the processor from it.
#pragma once

namespace Platform {

// Lowers the calling thread's priority so that a thread of ordinary priority, the
// window's, and the display server run first when they need a processor: at nice 10
// a thread weighs about an eighth of an ordinary one, so that eight such threads a
// core weigh together about as much as one ordinary thread.
void RunInBackground();

} // namespace Platform
