// Private to the web backend: the page's keys as Windows' virtual keys.
//
// A key event of the page names its physical key by KeyboardEvent.code ("KeyA", "ArrowLeft",
// "Numpad4"), as SDL names it by scan code, so a key gives the same virtual key and scan code
// whatever the keyboard layout, as the SDL backend's do. No browser call is made here.
#pragma once

#include "../emulation/vynInputMessages.h"

#include <string_view>

namespace vyn {

// The virtual key of a KeyboardEvent.code; VirtualKey 0 for a key Windows has no code for.
// `numLock`: whether the keypad types digits (the event's `key` is then a digit or the point).
KeyEntry WebKeyOf(std::string_view code, bool numLock);

// Keys the page itself would act on (scrolling, moving the focus), kept from it while the
// canvas has the keyboard.
bool PageWouldUse(WPARAM virtualKey);

} // namespace vyn
