#pragma once
// The page around the program (index.html): its canvas, title, message box, full-screen
// mode and the sound's start. Each call is a small piece of the page's JavaScript.

#include <cstdint>
#include <string>

namespace orbigolf::platform::web::page {

// Shows a width x height RGB565 picture on the canvas, placed at (x, y) and scaled to w x h
// CSS pixels of the page; `sharp` scales pixels as blocks (whole factors).
void showPicture(const uint16_t* pixels, int width, int height, int x, int y, int w, int h, bool sharp);
// The size of the page's view in CSS pixels.
void viewSize(int& width, int& height);
void showCursor(bool visible);
void setTitle(const std::string& title);
void setFullscreen(bool on);
bool isFullscreen();
// The page's message box, which the player closes.
void showMessage(const std::string& caption, const std::string& text);
// Browsers let a page sound only after the player's first click: resumes the sound then.
void startSound();

}  // namespace orbigolf::platform::web::page
