#pragma once
// The closing form: a black full-screen form showing one still picture from the
// top-left corner of the screen, with the mouse cursor hidden, until a key or a mouse
// button ends its modal run. A picture that cannot be read is reported in the error box
// and the screen stays black; a key or a button still ends the form.

#include <vector>

#include "frontend/form.h"
#include "platform/display.h"
#include "platform/surface.h"

namespace orbigolf::frontend {

inline constexpr const char* kClosingPictureName = "extro.bmp";

class Textro : public Form {
public:
    explicit Textro(FormHost& host);
    ~Textro() override;
    Textro(const Textro&) = delete;
    Textro& operator=(const Textro&) = delete;

    static constexpr const char* Caption = "extro";

    // --- Form ---
    void show() override { FormShow(); }
    // Leaves the display mode.
    void hide() override;
    void handleEvent(const platform::InputEvent& event) override;
    bool modalDone() const override { return modalDone_; }

    // --- handlers (the picture's mouse-down is the form's) ---
    void FormShow();
    void FormKeyDown(int key, platform::ShiftState shift);
    void FormMouseDown(platform::MouseButton button, platform::ShiftState shift, int x, int y);

    int width() const { return width_; }
    int height() const { return height_; }
    platform::Display& display() { return display_; }

private:
    // Reads the closing picture; false (after reporting) when it cannot be read.
    bool loadPicture();
    void endRun();

    FormHost& host_;
    platform::Display display_;
    platform::Surface Image1;  // the closing picture, at its own size
    int width_ = 0;
    int height_ = 0;
    bool modalDone_ = false;
    bool cursorHidden_ = false;
};

}  // namespace orbigolf::frontend
