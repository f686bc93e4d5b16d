// SPDX-License-Identifier: GPL-3.0-or-later
// The "m:ss" time text of a number of seconds.
#pragma once

#include <QString>

// Minutes, a colon and two-digit seconds: 0:00, 3:07, 75:02. −1 shows as 0:00.
QString TimeText(double seconds);
