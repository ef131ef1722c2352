#pragma once
// SDL keys and modifiers as Windows virtual-key codes and shift states.

#include <SDL.h>

#include "platform/events.h"

namespace orbigolf::platform {

// The virtual-key code of an SDL key; 0 for keys that have none.
int virtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode, Uint16 mod);

// Shift, Ctrl and Alt from SDL's modifier flags, plus the held mouse buttons.
ShiftState shiftStateFromSdl(Uint16 mod, Uint32 mouseButtons);

}  // namespace orbigolf::platform
