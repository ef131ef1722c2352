#include "platform/web/web_page.h"

#include <emscripten.h>

// clang-format off
EM_JS(void, orbigolf_show_picture, (const uint16_t* pixels, int width, int height, int x, int y, int w, int h,
                                    int sharp), {
    const canvas = document.getElementById('canvas');
    if (!canvas) return;
    if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
        Module.orbigolfImage = null;
    }
    const context = canvas.getContext('2d');
    if (!Module.orbigolfImage) Module.orbigolfImage = context.createImageData(width, height);
    const rgba = Module.orbigolfImage.data;
    const source = HEAPU16.subarray(pixels >> 1, (pixels >> 1) + width * height);
    for (let i = 0, o = 0; i < source.length; ++i, o += 4) {
        const p = source[i];
        const r = p >> 11, g = (p >> 5) & 63, b = p & 31;
        rgba[o] = (r << 3) | (r >> 2);
        rgba[o + 1] = (g << 2) | (g >> 4);
        rgba[o + 2] = (b << 3) | (b >> 2);
        rgba[o + 3] = 255;
    }
    context.putImageData(Module.orbigolfImage, 0, 0);
    const style = canvas.style;
    const place = x + ',' + y + ',' + w + ',' + h + ',' + sharp;
    if (canvas.dataset.place !== place) {
        canvas.dataset.place = place;
        style.left = x + 'px';
        style.top = y + 'px';
        style.width = w + 'px';
        style.height = h + 'px';
        style.imageRendering = sharp ? 'pixelated' : 'auto';
    }
    if (Module.onPicture) Module.onPicture();
});

EM_JS(int, orbigolf_view_width, (), { return document.documentElement.clientWidth || window.innerWidth || 640; });
EM_JS(int, orbigolf_view_height, (), { return document.documentElement.clientHeight || window.innerHeight || 480; });

EM_JS(void, orbigolf_show_cursor, (int visible), {
    const canvas = document.getElementById('canvas');
    if (canvas) canvas.style.cursor = visible ? 'default' : 'none';
});

EM_JS(void, orbigolf_set_title, (const char* title), { document.title = UTF8ToString(title); });

EM_JS(void, orbigolf_set_fullscreen, (int on), {
    try {
        if (on && !document.fullscreenElement) document.documentElement.requestFullscreen().catch(() => {});
        if (!on && document.fullscreenElement) document.exitFullscreen().catch(() => {});
    } catch (e) {
    }
});

EM_JS(int, orbigolf_is_fullscreen, (), { return document.fullscreenElement ? 1 : 0; });

EM_JS(void, orbigolf_show_message, (const char* caption, const char* text), {
    if (Module.showMessage) Module.showMessage(UTF8ToString(caption), UTF8ToString(text));
});

EM_JS(void, orbigolf_start_sound, (), { if (Module.startSound) Module.startSound(); });
// clang-format on

namespace orbigolf::platform::web::page {

void showPicture(const uint16_t* pixels, int width, int height, int x, int y, int w, int h, bool sharp) {
    orbigolf_show_picture(pixels, width, height, x, y, w, h, sharp ? 1 : 0);
}

void viewSize(int& width, int& height) {
    width = orbigolf_view_width();
    height = orbigolf_view_height();
}

void showCursor(bool visible) { orbigolf_show_cursor(visible ? 1 : 0); }
void setTitle(const std::string& title) { orbigolf_set_title(title.c_str()); }
void setFullscreen(bool on) { orbigolf_set_fullscreen(on ? 1 : 0); }
bool isFullscreen() { return orbigolf_is_fullscreen() != 0; }
void showMessage(const std::string& caption, const std::string& text) {
    orbigolf_show_message(caption.c_str(), text.c_str());
}
void startSound() { orbigolf_start_sound(); }

}  // namespace orbigolf::platform::web::page
