#pragma once
// Input as forms receive it: keys as Windows virtual-key codes, mouse buttons with the
// shift state, positions in pixels of the display mode.

#include <cstdint>
#include <string>

namespace orbigolf::platform {

enum class MouseButton { Left, Right, Middle };

// Shift state flags, combined in a ShiftState.
enum : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
using ShiftState = unsigned;

struct InputEvent {
    enum class Type {
        KeyDown,    // key, shift
        KeyUp,      // key, shift
        KeyPress,   // text: one typed character as UTF-8
        MouseDown,  // button, shift, x, y; clicks 2 for the second press of a double click
        MouseUp,    // button, shift, x, y
        MouseMove,  // shift, x, y
        Click,      // left button pressed and released (made by the event loop)
        DblClick,   // second left press in quick succession (made by the event loop)
        Close,      // the user asked to close the window
        ToggleFullscreen,  // Alt+Enter: the program switches between full screen and a window
    };

    Type type = Type::MouseMove;
    int key = 0;
    std::string text;
    MouseButton button = MouseButton::Left;
    ShiftState shift = 0;
    int x = 0;
    int y = 0;
    int clicks = 1;

    static InputEvent keyDown(int key, ShiftState shift = 0) { return keyEvent(Type::KeyDown, key, shift); }
    static InputEvent keyUp(int key, ShiftState shift = 0) { return keyEvent(Type::KeyUp, key, shift); }
    static InputEvent keyPress(std::string text) {
        InputEvent e;
        e.type = Type::KeyPress;
        e.text = std::move(text);
        return e;
    }
    static InputEvent mouse(Type type, MouseButton button, int x, int y, ShiftState shift = 0, int clicks = 1) {
        InputEvent e;
        e.type = type;
        e.button = button;
        e.x = x;
        e.y = y;
        e.shift = shift;
        e.clicks = clicks;
        return e;
    }
    static InputEvent close() {
        InputEvent e;
        e.type = Type::Close;
        return e;
    }

    static InputEvent toggleFullscreen() {
        InputEvent e;
        e.type = Type::ToggleFullscreen;
        return e;
    }

private:
    static InputEvent keyEvent(Type type, int key, ShiftState shift) {
        InputEvent e;
        e.type = type;
        e.key = key;
        e.shift = shift;
        return e;
    }
};

}  // namespace orbigolf::platform
