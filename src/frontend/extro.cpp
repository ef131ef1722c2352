#include "frontend/whole_screen.h"
#include "frontend/extro.h"

#include "media/dib.h"
#include "platform/blit.h"

namespace orbigolf::frontend {

Textro::Textro(FormHost& host) : host_(host), display_(&host.window()) {}

Textro::~Textro() {
    if (display_.initialized()) display_.finalize();
}

void Textro::hide() {
    if (display_.initialized()) display_.finalize();
    if (cursorHidden_) {
        host_.window().setCursorVisible(true);
        cursorHidden_ = false;
    }
}

void Textro::handleEvent(const platform::InputEvent& event) {
    using Type = platform::InputEvent::Type;
    switch (event.type) {
        case Type::KeyDown:
            FormKeyDown(event.key, event.shift);
            break;
        case Type::MouseDown:
            FormMouseDown(event.button, event.shift, event.x, event.y);
            break;
        // Closing the window ends the form like a key; the program ends after it anyway.
        case Type::Close:
            endRun();
            break;
        default:
            break;
    }
}

void Textro::FormShow() {
    modalDone_ = false;
    width_ = host_.screenWidth();
    height_ = host_.screenHeight();
    coverWholeScreen(display_, host_);
    if (display_.ready()) {
        display_.fill(0);
        if (loadPicture()) {
            Image1.setTransparent(false);
            platform::blit(display_.backBuffer(), Image1,
                           platform::Rect{0, 0, Image1.width(), Image1.height()}, 0, 0);
        }
        display_.flip();
    }
    if (!cursorHidden_) {
        host_.window().setCursorVisible(false);
        cursorHidden_ = true;
    }
}

void Textro::FormKeyDown(int, platform::ShiftState) {
    endRun();
}

void Textro::FormMouseDown(platform::MouseButton, platform::ShiftState, int, int) {
    endRun();
}

bool Textro::loadPicture() {
    try {
        const media::Bitmap bitmap = media::loadBmpFile(host_.dataPath(kClosingPictureName));
        platform::Surface picture(bitmap.width, bitmap.height);
        for (int y = 0; y < bitmap.height; ++y) {
            platform::Pixel565* row = picture.row(y);
            for (int x = 0; x < bitmap.width; ++x) {
                const media::Rgb c = bitmap.pixel(x, y);
                row[x] = platform::toRgb565(media::redOf(c), media::greenOf(c), media::blueOf(c));
            }
        }
        Image1 = std::move(picture);
        return true;
    } catch (const media::MediaError& e) {
        host_.showError(e.what());
        Image1 = {};
        return false;
    }
}

void Textro::endRun() {
    if (modalDone_) return;
    modalDone_ = true;
    if (cursorHidden_) {
        host_.window().setCursorVisible(true);
        cursorHidden_ = false;
    }
}

}  // namespace orbigolf::frontend
