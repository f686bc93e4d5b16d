// The desktop's player controls (media keys, the panel, the lock screen), which
// speak MPRIS over the session bus.
#pragma once

class Main;

namespace Desktop {

// Publishes the window's transport on the session bus as long as the window lives.
// Without a bus the program runs as before, after one line on stderr.
void OfferPlayerControls(Main &window);

} // namespace Desktop
