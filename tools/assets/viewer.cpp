#include "viewer.h"

#include <algorithm>
#include <cstdio>

#include "platform/canvas.h"
#include "platform/vk.h"

namespace orbigolf::assets {

namespace {
namespace vk = platform::vk;
using platform::Rect;
using platform::toRgb565;

constexpr int kMargin = 8;

void fillRect(platform::Surface& s, const Rect& r, platform::Pixel565 colour) {
    const int x0 = std::max(r.x, 0), x1 = std::min(r.x + r.w, s.width());
    const int y0 = std::max(r.y, 0), y1 = std::min(r.y + r.h, s.height());
    for (int y = y0; y < y1; ++y) std::fill(s.row(y) + x0, s.row(y) + x1, colour);
}

void checker(platform::Surface& s, const Rect& r) {
    const int x1 = std::min(r.x + r.w, s.width()), y1 = std::min(r.y + r.h, s.height());
    for (int y = std::max(r.y, 0); y < y1; ++y) {
        for (int x = std::max(r.x, 0); x < x1; ++x) {
            s.row(y)[x] = ((x - r.x) / 8 + (y - r.y) / 8) % 2 ? toRgb565(90, 90, 90) : toRgb565(60, 60, 60);
        }
    }
}

void outline(platform::Canvas& c, const Rect& r, platform::Rgb colour) {
    c.setPenColor(colour);
    c.moveTo(r.x - 1, r.y - 1);
    c.lineTo(r.x + r.w, r.y - 1);
    c.lineTo(r.x + r.w, r.y + r.h);
    c.lineTo(r.x - 1, r.y + r.h);
    c.lineTo(r.x - 1, r.y - 1);
}
}  // namespace

AssetViewer::AssetViewer(const AssetFile& file, const std::string& fileName, platform::TDXSound* sound)
    : fileName_(fileName) {
    if (const auto* p = std::get_if<media::PictureListFile>(&file)) {
        for (const auto& it : p->items) pictures_.add(it);
    } else if (const auto* b = std::get_if<BitmapFile>(&file)) {
        media::PictureListItem it;
        it.name = fileName;
        it.transparent = false;
        it.bitmap = b->bitmap;
        pictures_.add(it);
    } else {
        sounds_ = std::make_unique<TDXWaveList>(sound);
        if (const auto* s = std::get_if<media::SoundListFile>(&file)) {
            for (const auto& it : s->items) sounds_->add(it);
        } else {
            media::SoundListItem it;
            it.name = fileName;
            it.wave = std::get<WaveFile>(file).wave;
            if (!it.wave.format.isPlayablePcm()) it.wave = media::Wave{};  // listed, silent
            sounds_->add(it);
        }
        sounds_->prepare();
    }
}

int AssetViewer::itemCount() const { return sounds_ ? sounds_->count() : pictures_.count(); }

void AssetViewer::step(int items, int frames) {
    const int count = itemCount();
    if (count == 0) return;
    if (items != 0) {
        item_ = std::clamp(item_ + items, 0, count - 1);
        frame_ = 0;
    }
    if (frames != 0 && !sounds_) {
        const int n = pictures_.item(item_).patternCount();
        if (n > 0) frame_ = ((frame_ + frames) % n + n) % n;
    }
}

void AssetViewer::handle(const platform::InputEvent& e) {
    using Type = platform::InputEvent::Type;
    if (e.type == Type::Close) {
        done_ = true;
        return;
    }
    if (e.type != Type::KeyDown) return;
    switch (e.key) {
        case vk::VK_ESCAPE:
        case vk::VK_A + ('Q' - 'A'): done_ = true; break;
        case vk::VK_LEFT: step(0, -1); break;
        case vk::VK_RIGHT: step(0, 1); break;
        case vk::VK_UP:
        case vk::VK_PRIOR: step(-1, 0); break;
        case vk::VK_DOWN:
        case vk::VK_NEXT: step(1, 0); break;
        case vk::VK_HOME: step(-itemCount(), 0); break;
        case vk::VK_END: step(itemCount(), 0); break;
        case vk::VK_RETURN:
            if (sounds_ && sounds_->count() > 0) sounds_->item(item_).play();
            break;
        case vk::VK_SPACE:
            if (sounds_) {
                for (int i = 0; i < sounds_->count(); ++i) sounds_->item(i).stop();
            }
            break;
        default: break;
    }
}

std::string AssetViewer::title() const {
    char buf[512];
    if (itemCount() == 0) {
        std::snprintf(buf, sizeof buf, "%s: no items", fileName_.c_str());
    } else if (sounds_) {
        auto& it = sounds_->item(item_);
        std::snprintf(buf, sizeof buf, "%s: sound %d/%d \"%s\" %u frames%s - Enter plays, Space stops",
                      fileName_.c_str(), item_, itemCount(), it.name().c_str(), it.wave().frames(),
                      it.looped() ? " looped" : "");
    } else {
        const auto& it = pictures_.item(item_);
        std::snprintf(buf, sizeof buf, "%s: picture %d/%d \"%s\" %dx%d, frame %d/%d of %dx%d", fileName_.c_str(),
                      item_, itemCount(), it.name().c_str(), it.width(), it.height(), frame_, it.patternCount(),
                      it.patternWidth(), it.patternHeight());
    }
    return buf;
}

void AssetViewer::draw(platform::Display& display) const {
    if (!display.ready()) return;
    display.fill(toRgb565(24, 24, 40));
    platform::Surface& back = display.backBuffer();
    platform::Canvas canvas = display.canvas();
    if (sounds_) {
        // One bar per item: lit when chosen, green while playing.
        const int rows = std::max(1, itemCount());
        const int h = std::clamp((display.height() - 2 * kMargin) / rows, 2, 24);
        for (int i = 0; i < itemCount(); ++i) {
            auto& it = sounds_->item(i);
            const Rect bar{kMargin, kMargin + i * h, display.width() - 2 * kMargin, std::max(1, h - 2)};
            const platform::Pixel565 colour = it.playing() ? toRgb565(40, 160, 60)
                                              : i == item_  ? toRgb565(120, 120, 200)
                                                            : toRgb565(60, 60, 80);
            fillRect(back, bar, colour);
            // Length of the sound as a lighter strip, a second per 100 pixels.
            const media::WaveFormat& f = it.wave().format;
            const int len = f.samplesPerSec ? int(std::min<int64_t>(bar.w, int64_t(it.wave().frames()) * 100 /
                                                                             f.samplesPerSec))
                                            : 0;
            fillRect(back, Rect{bar.x, bar.y + bar.h / 2, len, std::max(1, bar.h / 4)}, toRgb565(220, 220, 220));
        }
    } else if (itemCount() > 0) {
        const auto& it = pictures_.item(item_);
        const Rect whole{kMargin, kMargin, it.width(), it.height()};
        checker(back, whole);
        platform::Picture plain = it.picture();
        plain.layout = platform::FrameLayout{};
        display.drawFrame(plain, 0, whole.x, whole.y);
        for (int i = 0; i < it.patternCount(); ++i) {
            Rect r = it.frameRect(i);
            r.x += whole.x;
            r.y += whole.y;
            if (i != frame_) outline(canvas, r, platform::Rgb{200, 200, 0});
        }
        if (it.patternCount() > 0) {
            Rect r = it.frameRect(frame_);
            outline(canvas, Rect{r.x + whole.x, r.y + whole.y, r.w, r.h}, platform::Rgb{255, 0, 0});
            // The frame alone, as the game draws it, beside the picture (or below when wide).
            const bool beside = whole.x + whole.w + 3 * kMargin + r.w <= display.width();
            const int fx = beside ? whole.x + whole.w + 3 * kMargin : kMargin;
            const int fy = beside ? kMargin : whole.y + whole.h + 3 * kMargin;
            checker(back, Rect{fx, fy, r.w, r.h});
            display.drawFrame(it.picture(), frame_, fx, fy);
            outline(canvas, Rect{fx, fy, r.w, r.h}, platform::Rgb{255, 0, 0});
        }
    }
    display.flip();
}

}  // namespace orbigolf::assets
