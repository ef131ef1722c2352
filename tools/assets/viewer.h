#pragma once
// The picture and sound viewer behind `orbigolf-assets show`, written against the platform's
// neutral interfaces so that it runs in an SDL window or headlessly in tests.
//
// Pictures (a picture list or a bitmap): the whole picture over a checker board (which shows
// through the colour key), its frame grid outlined, the current frame outlined in red and drawn
// again on its own to the right. Left/Right step through the frames, Up/Down (or Page Up/Down)
// through the items.
// Sounds (a sound list or a wave): one bar per item, the current one lit, the playing ones
// marked. Up/Down choose, Enter plays, Space stops.
// Escape or Q closes. The window title names the item, its size and the frame.

#include <memory>
#include <string>
#include <vector>

#include "asset_file.h"
#include "media/image_list.h"
#include "media/wave_list.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/sound.h"

namespace orbigolf::assets {

class AssetViewer {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    // `sound` may be null or uninitialised: sounds are then listed but silent.
    AssetViewer(const AssetFile& file, const std::string& fileName, platform::TDXSound* sound);

    void handle(const platform::InputEvent& event);
    // Draws the current view into the display's back buffer and flips.
    void draw(platform::Display& display) const;
    std::string title() const;
    bool done() const { return done_; }

    bool showsPictures() const { return pictures_.count() > 0 || !sounds_; }
    int item() const { return item_; }
    int frame() const { return frame_; }
    int itemCount() const;

private:
    void step(int items, int frames);

    std::string fileName_;
    TDXImageList pictures_;
    std::unique_ptr<TDXWaveList> sounds_;
    int item_ = 0;
    int frame_ = 0;
    bool done_ = false;
};

}  // namespace orbigolf::assets
