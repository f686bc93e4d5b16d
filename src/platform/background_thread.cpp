// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/background_thread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace Platform {

namespace {
constexpr int BackgroundNice = 10;
} // namespace

void RunInBackground()
{
    // On Linux the nice value belongs to the thread, named by its own id.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), BackgroundNice);
}

} // namespace Platform
