// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's player controls (media keys, the panel, the lock screen) speak MPRIS
// over the session bus: their place on it.
#pragma once

#include <QString>
#include <optional>

class QObject;

namespace Desktop {

// Registers `controls`, the object that carries the MPRIS adaptors, and the player's
// name on the session bus; a second Korvel takes a name of its own, as the MPRIS
// convention has it. Returns the name taken (empty when the bus refused both);
// nothing, after one line on stderr, without a bus or when it refuses the object.
std::optional<QString> Publish(QObject &controls);
// Takes the object and the name off the bus.
void Withdraw(const QString &name);

} // namespace Desktop
