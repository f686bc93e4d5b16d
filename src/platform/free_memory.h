// SPDX-License-Identifier: GPL-3.0-or-later
// Giving the system back the memory that a large piece of work used and freed.
#pragma once

namespace Platform {

// Returns the whole pages of freed memory to the system: the allocator keeps them
// otherwise, in the heaps of every thread that allocated them, for the program's life.
void ReturnFreedMemory();

} // namespace Platform
