#include "platform/sdl/sdl_keys.h"

#include "platform/vk.h"

namespace orbigolf::platform {

using namespace vk;

namespace {

// Keys of the numeric keypad by position, whatever Num Lock says.
int keypadKey(SDL_Scancode scancode) {
    switch (scancode) {
        case SDL_SCANCODE_KP_0: return VK_NUMPAD0;
        case SDL_SCANCODE_KP_1: return VK_NUMPAD0 + 1;
        case SDL_SCANCODE_KP_2: return VK_NUMPAD0 + 2;
        case SDL_SCANCODE_KP_3: return VK_NUMPAD0 + 3;
        case SDL_SCANCODE_KP_4: return VK_NUMPAD0 + 4;
        case SDL_SCANCODE_KP_5: return VK_NUMPAD0 + 5;
        case SDL_SCANCODE_KP_6: return VK_NUMPAD0 + 6;
        case SDL_SCANCODE_KP_7: return VK_NUMPAD0 + 7;
        case SDL_SCANCODE_KP_8: return VK_NUMPAD0 + 8;
        case SDL_SCANCODE_KP_9: return VK_NUMPAD0 + 9;
        case SDL_SCANCODE_KP_MULTIPLY: return VK_MULTIPLY;
        case SDL_SCANCODE_KP_PLUS: return VK_ADD;
        case SDL_SCANCODE_KP_MINUS: return VK_SUBTRACT;
        case SDL_SCANCODE_KP_PERIOD: return VK_DECIMAL;
        case SDL_SCANCODE_KP_DIVIDE: return VK_DIVIDE;
        case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
        default: return 0;
    }
}

}  // namespace

int virtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode, Uint16 mod) {
    if (const int k = keypadKey(scancode)) {
        // With Num Lock off the keypad digits are the cursor keys, as on Windows.
        if (k >= VK_NUMPAD0 && k <= VK_NUMPAD0 + 9 && !(mod & KMOD_NUM)) {
            switch (k - VK_NUMPAD0) {
                case 0: return VK_INSERT;
                case 1: return VK_END;
                case 2: return VK_DOWN;
                case 3: return VK_NEXT;
                case 4: return VK_LEFT;
                case 5: return VK_CLEAR;
                case 6: return VK_RIGHT;
                case 7: return VK_HOME;
                case 8: return VK_UP;
                default: return VK_PRIOR;
            }
        }
        return k;
    }
    if (key >= SDLK_a && key <= SDLK_z) return VK_A + static_cast<int>(key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return VK_0 + static_cast<int>(key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + static_cast<int>(key - SDLK_F1);
    if (key >= SDLK_F13 && key <= SDLK_F24) return VK_F1 + 12 + static_cast<int>(key - SDLK_F13);
    switch (key) {
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_RETURN: return VK_RETURN;
        case SDLK_RETURN2: return VK_RETURN;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT: return VK_MENU;
        case SDLK_PAUSE: return VK_PAUSE;
        case SDLK_CAPSLOCK: return VK_CAPITAL;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_END: return VK_END;
        case SDLK_HOME: return VK_HOME;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_UP: return VK_UP;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
        case SDLK_INSERT: return VK_INSERT;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_LGUI: return VK_LWIN;
        case SDLK_RGUI: return VK_RWIN;
        case SDLK_APPLICATION: return VK_APPS;
        case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
        case SDLK_SCROLLLOCK: return VK_SCROLL;
        case SDLK_SEMICOLON: return VK_OEM_1;
        case SDLK_EQUALS: return VK_OEM_PLUS;
        case SDLK_PLUS: return VK_OEM_PLUS;
        case SDLK_COMMA: return VK_OEM_COMMA;
        case SDLK_MINUS: return VK_OEM_MINUS;
        case SDLK_PERIOD: return VK_OEM_PERIOD;
        case SDLK_SLASH: return VK_OEM_2;
        case SDLK_BACKQUOTE: return VK_OEM_3;
        case SDLK_LEFTBRACKET: return VK_OEM_4;
        case SDLK_BACKSLASH: return VK_OEM_5;
        case SDLK_RIGHTBRACKET: return VK_OEM_6;
        case SDLK_QUOTE: return VK_OEM_7;
        default: return 0;
    }
}

ShiftState shiftStateFromSdl(Uint16 mod, Uint32 mouseButtons) {
    ShiftState s = 0;
    if (mod & KMOD_SHIFT) s |= ssShift;
    if (mod & KMOD_CTRL) s |= ssCtrl;
    if (mod & KMOD_ALT) s |= ssAlt;
    if (mouseButtons & SDL_BUTTON_LMASK) s |= ssLeft;
    if (mouseButtons & SDL_BUTTON_RMASK) s |= ssRight;
    if (mouseButtons & SDL_BUTTON_MMASK) s |= ssMiddle;
    return s;
}

}  // namespace orbigolf::platform
