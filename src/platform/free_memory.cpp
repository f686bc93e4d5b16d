// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/free_memory.h"

#include <malloc.h>

namespace Platform {

void ReturnFreedMemory() { ::malloc_trim(0); }

} // namespace Platform
