// Hot-spot images: shapes, the stored formats, the picture mapping, the mouse and the
// highlight taken from the mask picture.

#include <gtest/gtest.h>

#include <filesystem>

#include "corpus_test_support.h"
#include "media/hot_image.h"
#include "media/component_stream.h"
#include "media/media_error.h"

namespace orbigolf::media {
namespace {

void put32(Bytes& b, int32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

// The launch pad's menu: an ellipse and three polygons, lit at their own corners.
std::vector<TSpot> menuSpots() {
    std::vector<TSpot> s;
    s.push_back(TSpot::ellipse({115, 69, 182, 136}));
    s.push_back(TSpot::polygon({{173, 71}, {187, 88}, {288, 88}, {292, 79}, {284, 72}, {191, 69}}));
    s.push_back(TSpot::polygon({{187, 91}, {189, 109}, {259, 109}, {278, 99}, {286, 91}}));
    s.push_back(TSpot::polygon({{176, 131}, {183, 122}, {187, 113}, {259, 111}, {236, 121}, {205, 128}, {187, 131}}));
    for (size_t i = 0; i < s.size(); ++i) {
        s[i].Id = int32_t(i) + 1;
        const SpotRect b = s[i].bounds();
        s[i].maskItem = MaskItem{kMaskHot, {b.left, b.top}, {0, 0}};
    }
    return s;
}

THotImage menuImage() {
    THotImage im;
    im.Left = 5;
    im.Top = 8;
    im.Width = 367;
    im.Height = 122;
    im.Center = true;
    im.HotCursor = kCursorArrow;
    im.Picture = makeBitmap(421, 165, makeRgb(10, 10, 10));
    im.MaskPicture = makeBitmap(421, 165, makeRgb(250, 200, 0));
    im.HotSpots.items = menuSpots();
    return im;
}

TEST(HotSpots, ShapesContainTheirPixels) {
    const TSpot r = TSpot::rectangle({10, 20, 30, 40});
    EXPECT_TRUE(r.contains(10, 20));
    EXPECT_TRUE(r.contains(29, 39));
    EXPECT_FALSE(r.contains(30, 20));
    EXPECT_FALSE(r.contains(10, 40));

    const TSpot e = TSpot::ellipse({0, 0, 20, 10});
    EXPECT_TRUE(e.contains(10, 5));
    EXPECT_TRUE(e.contains(0, 4));   // the widest row reaches the left edge
    EXPECT_FALSE(e.contains(0, 0));  // corners of the bounds are outside
    EXPECT_FALSE(e.contains(19, 9));
    EXPECT_EQ(e.bounds(), (SpotRect{0, 0, 20, 10}));

    // A star drawn as one self-crossing outline: its centre is outside by the even-odd rule.
    const TSpot star = TSpot::polygon({{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}});
    EXPECT_FALSE(star.contains(50, 50));
    EXPECT_TRUE(star.contains(50, 10));
    EXPECT_EQ(star.bounds(), (SpotRect{2, 0, 98, 90}));

    EXPECT_FALSE(TSpot::polygon({{0, 0}, {10, 10}}).contains(5, 5));
    EXPECT_TRUE(TSpot::polygon({{0, 0}, {10, 10}}).bounds().empty());
    EXPECT_FALSE(TSpot::rectangle({10, 10, 5, 5}).contains(7, 7));
}

TEST(HotSpots, EarlierEnabledSpotsWin) {
    THotSpots spots;
    spots.items = {TSpot::rectangle({0, 0, 10, 10}), TSpot::rectangle({5, 5, 20, 20})};
    EXPECT_EQ(spots.SpotAt(7, 7), 0);
    spots.items[0].Enabled = false;
    EXPECT_EQ(spots.SpotAt(7, 7), 1);
    EXPECT_EQ(spots.SpotAt(2, 2), -1);
    EXPECT_EQ(spots.SpotAt(30, 30), -1);
}

TEST(HotSpotStreams, CurrentFormatRoundTrips) {
    std::vector<TSpot> spots = menuSpots();
    spots.push_back(TSpot::rectangle({1, 2, 3, 4}));
    spots.back().Hint = "Exit";
    spots.back().Enabled = false;
    spots[2].maskItem = MaskItem{kMaskHot | kMaskDown, {1, 2}, {3, 4}};
    std::vector<TSpot> back = readSpots(writeSpots(spots));
    applyMaskItems(writeMaskItems(spots), back);
    EXPECT_EQ(back, spots);
}

TEST(HotSpotStreams, OlderFormatGivesPolygons) {
    Bytes b;
    put32(b, 2);  // spot count in place of the format marker
    for (int i = 0; i < 2; ++i) {
        put32(b, 7 + i);  // Id
        b.push_back(1);   // Enabled
        put32(b, 2);
        b.push_back('h');
        b.push_back('i');
        put32(b, 3);  // vertices
        for (int v : {0, 0, 10, 0, 0, 10}) put32(b, v + i);
    }
    const std::vector<TSpot> spots = readSpots(b);
    ASSERT_EQ(spots.size(), 2u);
    for (const TSpot& s : spots) {
        EXPECT_EQ(s.Shape, SpotShape::Polygon);
        EXPECT_EQ(s.Hint, "hi");
        EXPECT_EQ(s.Points.size(), 6u);
    }
    EXPECT_EQ(spots[1].Id, 8);
    EXPECT_TRUE(spots[1].contains(2, 2));
}

TEST(HotSpotStreams, MaskItemsOfEveryRecordSize) {
    auto base = [] {
        std::vector<TSpot> s(2, TSpot::rectangle({0, 0, 4, 4}));
        s[1].maskItem = MaskItem{kMaskHot, {9, 9}, {}};
        return s;
    };
    // Short records leave the rest 0; long ones skip their tail; unknown flags are dropped.
    Bytes shortItems;
    put32(shortItems, 8);
    put32(shortItems, 1);
    put32(shortItems, 0);
    shortItems.push_back(0xFF);
    put32(shortItems, 5);
    put32(shortItems, 6);
    std::vector<TSpot> s = base();
    applyMaskItems(shortItems, s);
    ASSERT_TRUE(s[0].maskItem);
    EXPECT_EQ(*s[0].maskItem, (MaskItem{3, {5, 6}, {0, 0}}));

    Bytes longItems;
    put32(longItems, 20);
    put32(longItems, 4);
    put32(longItems, -1);  // ends at once
    put32(longItems, 5);   // beyond the spots: read and dropped
    longItems.push_back(1);
    for (int v = 0; v < 5; ++v) put32(longItems, 99);
    put32(longItems, 1);  // flags 0 remove spot 1's item
    longItems.push_back(0);
    for (int v = 0; v < 5; ++v) put32(longItems, 0);
    put32(longItems, 0);
    longItems.push_back(kMaskDown);
    for (int v : {1, 2, 3, 4, 77}) put32(longItems, v);
    s = base();
    applyMaskItems(longItems, s);
    ASSERT_TRUE(s[0].maskItem);
    EXPECT_EQ(*s[0].maskItem, (MaskItem{kMaskDown, {1, 2}, {3, 4}}));
    EXPECT_FALSE(s[1].maskItem);
}

TEST(HotSpotStreams, DamageIsRefused) {
    const Bytes good = writeSpots(menuSpots());
    for (size_t cut = 0; cut < good.size(); cut += 7) {
        EXPECT_THROW(readSpots(ByteView(good).first(cut)), MediaError) << cut;
    }
    Bytes hugeCount;
    put32(hugeCount, 0);
    put32(hugeCount, 0x7FFFFFFF);
    EXPECT_THROW(readSpots(hugeCount), MediaError);
    Bytes badShape;
    put32(badShape, 0);
    put32(badShape, 1);
    badShape.push_back(3);
    badShape.resize(40, 0);
    EXPECT_THROW(readSpots(badShape), MediaError);
    Bytes negativeHint;
    put32(negativeHint, 0);
    put32(negativeHint, 1);
    negativeHint.push_back(1);
    put32(negativeHint, 1);
    negativeHint.push_back(1);
    put32(negativeHint, -5);
    negativeHint.resize(40, 0);
    EXPECT_THROW(readSpots(negativeHint), MediaError);
    Bytes hugeRecord;
    put32(hugeRecord, 0x7FFFFFF0);
    put32(hugeRecord, 1);
    put32(hugeRecord, 0);
    hugeRecord.push_back(1);
    std::vector<TSpot> s = menuSpots();
    EXPECT_THROW(applyMaskItems(hugeRecord, s), MediaError);
}

TEST(HotImage, LaunchPadMappingExample) {
    THotImage im = menuImage();
    EXPECT_EQ(im.pictureRect(), (SpotRect{-27, -21, 394, 144}));
    EXPECT_EQ(im.controlToPicture({100, 80}), (SpotPoint{127, 101}));
    EXPECT_EQ(im.pictureToControl({127, 101}), (SpotPoint{100, 80}));
    im.mouseMove({100, 80}, false);
    EXPECT_EQ(im.SpotIndex(), 0);  // inside the round start-game area
    EXPECT_EQ(im.cursor(), kCursorArrow);

    im.Stretch = true;  // stretched: the whole control
    EXPECT_EQ(im.controlToPicture({367, 122}), (SpotPoint{421, 165}));
    EXPECT_EQ(im.controlToPicture({100, 80}), (SpotPoint{114, 108}));
}

TEST(HotImage, SelectionEventsAndClicks) {
    THotImage im = menuImage();
    std::vector<int> selected;
    int clicks = 0;
    im.OnSelectSpot = [&](THotImage& self, const TSpot* spot) {
        selected.push_back(spot ? self.SpotIndex() : -1);
    };
    im.OnClick = [&](THotImage&) { ++clicks; };
    const SpotPoint onStart{100, 80};
    const SpotPoint onTraining = {230 - 27, 80 - 21};  // picture (230, 80)
    const SpotPoint nowhere{5, 5};

    im.mouseMove(onStart, false);
    im.mouseMove(onTraining, false);  // straight from one spot to the next: one event
    im.mouseMove(nowhere, false);
    EXPECT_EQ(selected, (std::vector<int>{0, 1, -1}));
    EXPECT_EQ(im.cursor(), kCursorDefault);

    im.mouseDown(nowhere);
    im.mouseUp(nowhere);
    EXPECT_EQ(clicks, 0);  // outside every spot
    im.HotAreasOnly = false;
    im.mouseDown(nowhere);
    im.mouseUp(nowhere);
    EXPECT_EQ(clicks, 1);
    im.HotAreasOnly = true;

    // Pressed on one spot, released over another: the spot under the pointer clicks.
    selected.clear();
    im.mouseMove(onStart, false);
    im.mouseDown(onStart);
    EXPECT_EQ(im.overlaySpot(), 0);
    im.mouseMove(onTraining, true);
    EXPECT_EQ(im.SpotIndex(), 1);
    EXPECT_EQ(im.overlaySpot(), 0);
    EXPECT_EQ(im.overlayState(), SpotState::Hot);
    im.mouseUp(onTraining);
    EXPECT_EQ(im.overlaySpot(), 1);
    EXPECT_EQ(clicks, 2);

    // Released outside the control: no click.
    im.mouseDown(onTraining);
    im.mouseUp({500, 500});
    EXPECT_EQ(clicks, 2);

    // A disabled spot is never current.
    im.HotSpots.items[0].Enabled = false;
    im.mouseMove(onStart, false);
    EXPECT_EQ(im.SpotIndex(), -1);
}

TEST(HotImage, PressedSpotStaysCurrentWhileInsideIt) {
    THotImage im;
    im.Width = im.Height = 40;
    im.Picture = makeBitmap(40, 40);
    im.HotSpots.items = {TSpot::rectangle({0, 0, 20, 20}), TSpot::rectangle({10, 10, 30, 30})};
    im.HotSpots.items[1].Enabled = true;
    im.mouseMove({15, 5}, false);
    im.mouseDown({15, 5});
    im.mouseMove({15, 15}, true);  // also inside spot 1, but spot 0 is held
    EXPECT_EQ(im.SpotIndex(), 0);
    EXPECT_EQ(im.overlayState(), SpotState::Down);
    im.mouseMove({15, 15}, true, false);  // dragged over another control
    EXPECT_EQ(im.SpotIndex(), -1);
}

TEST(HotImage, HighlightComesFromTheMaskInsideTheOutline) {
    THotImage im = menuImage();
    im.Left = im.Top = 0;
    im.Center = false;
    im.Width = 421;
    im.Height = 165;
    im.mouseMove({148, 102}, false);  // centre of the ellipse
    ASSERT_EQ(im.overlaySpot(), 0);
    ASSERT_FALSE(im.overlay().empty());
    EXPECT_EQ(im.overlayPosition(), (SpotPoint{115, 69}));
    EXPECT_EQ(im.overlay().width, 67);
    EXPECT_EQ(im.overlay().pixel(33, 33), makeRgb(250, 200, 0));  // lit inside
    EXPECT_EQ(im.overlay().pixel(0, 0), makeRgb(10, 10, 10));     // picture outside
    ASSERT_EQ(im.invalidated.size(), 1u);
    EXPECT_EQ(im.invalidated[0], (SpotRect{115, 69, 182, 136}));

    // Hot-only mask items show the same light while pressed.
    const Bitmap hot = im.overlay();
    im.mouseDown({148, 102});
    EXPECT_EQ(im.overlayState(), SpotState::Down);
    EXPECT_EQ(im.overlay().pixels, hot.pixels);

    platform::Surface screen(421, 165);
    im.paint(screen);
    EXPECT_EQ(screen.pixel(148, 102), platform::toRgb565(250, 200, 0));
    EXPECT_EQ(screen.pixel(5, 5), platform::toRgb565(10, 10, 10));

    // Leaving the control drops the highlight and repaints where it was.
    im.mouseUp({148, 102});
    im.invalidated.clear();
    im.mouseLeave(false);
    EXPECT_TRUE(im.overlay().empty());
    EXPECT_EQ(im.invalidated.size(), 1u);

    // Without a mask picture there is nothing to show.
    im.MaskPicture = Bitmap{};
    im.mouseMove({148, 100}, false);
    EXPECT_EQ(im.overlaySpot(), 0);
    EXPECT_TRUE(im.overlay().empty());
}

TEST(HotImage, DownOnlyItemsAndHugeSpots) {
    THotImage im;
    im.Width = im.Height = 8;
    im.Picture = makeBitmap(8, 8, 1);
    im.MaskPicture = makeBitmap(4, 4, 2);
    im.HotSpots.items = {TSpot::rectangle({-1000000000, -1000000000, 1000000000, 1000000000})};
    im.HotSpots.items[0].maskItem = MaskItem{kMaskDown, {0, 0}, {0, 0}};
    im.mouseMove({1, 1}, false);
    EXPECT_TRUE(im.overlay().empty());  // no hot light
    im.mouseDown({1, 1});
    ASSERT_EQ(im.overlay().width, 8);  // cut to the picture
    EXPECT_EQ(im.overlay().pixel(1, 1), 2u);
    EXPECT_EQ(im.overlay().pixel(6, 6), 1u);  // beyond the mask: the picture stays
}

TEST(HotImage, RemovingTheCurrentSpotSelectsNone) {
    THotImage im = menuImage();
    int events = 0;
    im.OnSelectSpot = [&](THotImage&, const TSpot*) { ++events; };
    im.mouseMove({100, 80}, false);
    im.removeSpot(0);
    EXPECT_EQ(im.SpotIndex(), -1);
    EXPECT_EQ(events, 2);
    EXPECT_EQ(im.HotSpots.count(), 3);
}

TEST(HotImage, LoadsFromAFormObject) {
    StreamObject form;
    form.header.className = "TForm1";
    StreamObject& child = form.children.emplace_back();
    child.header = {0, std::nullopt, "THotImage", "HotImage1"};
    auto prop = [&](const std::string& name, StreamValue v) { child.properties.emplace_back(name, std::move(v)); };
    StreamValue i;
    i.tag = ValueTag::Int16;
    i.integer = 367;
    prop("Width", i);
    StreamValue t;
    t.tag = ValueTag::True;
    prop("Center", t);
    StreamValue pic;
    pic.tag = ValueTag::Binary;
    pic.bytes = encodePictureData(encodeBmp24(makeBitmap(3, 2, makeRgb(1, 2, 3))));
    prop("Picture.Data", pic);
    StreamValue spots;
    spots.tag = ValueTag::Binary;
    spots.bytes = writeSpots(menuSpots());
    prop("HotSpots.Spots", spots);
    StreamValue masks = spots;
    masks.bytes = writeMaskItems(menuSpots());
    prop("HotSpots.MaskItems", masks);

    ComponentWriter w;
    w.writeSignature();
    w.writeObject(form);
    ComponentReader r(w.bytes());
    r.readSignature();
    const StreamObject back = r.readObject();
    const auto found = findHotImages(back);
    ASSERT_EQ(found.size(), 1u);
    THotImage im;
    loadHotImage(*found[0], im);
    EXPECT_EQ(im.Width, 367);
    EXPECT_TRUE(im.Center);
    EXPECT_EQ(im.Picture.width, 3);
    EXPECT_EQ(im.Picture.pixel(2, 1), makeRgb(1, 2, 3));
    EXPECT_EQ(im.HotSpots.items, menuSpots());
}

// Pictures stored in real forms decode through the same picture-data reader.
TEST(HotImage, CorpusFormPicturesDecode) {
    ORBIGOLF_REQUIRE_CORPUS("tpf0/derived-raw-payload");
    size_t pictures = 0;
    for (const auto& e : std::filesystem::directory_iterator(test::corpusDir() / "tpf0/derived-raw-payload")) {
        const Bytes bytes = readFileBytes(e.path().string());
        ComponentReader r(bytes);
        r.readSignature();
        const StreamObject root = r.readObject();
        std::vector<const StreamObject*> stack{&root};
        while (!stack.empty()) {
            const StreamObject* o = stack.back();
            stack.pop_back();
            for (const auto& c : o->children) stack.push_back(&c);
            for (const auto& [name, value] : o->properties) {
                if (name != "Picture.Data") continue;
                EXPECT_NO_THROW({
                    const Bitmap b = decodePictureData(value.bytes);
                    if (!b.empty()) ++pictures;
                }) << e.path();
            }
        }
    }
    EXPECT_GE(pictures, 1u);
}

}  // namespace
}  // namespace orbigolf::media
