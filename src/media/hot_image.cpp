#include "media/hot_image.h"

#include <algorithm>

#include "media/list_stream_common.h"

namespace orbigolf::media {

using list_detail::sameName;

namespace {

SpotRect intersect(SpotRect a, SpotRect b) {
    const SpotRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
    return r.empty() ? SpotRect{} : r;
}

platform::Pixel565 to565(Rgb c) { return platform::toRgb565(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace

const TSpot* THotImage::currentSpot() const {
    return current_ >= 0 && current_ < HotSpots.count() ? &HotSpots.items[size_t(current_)] : nullptr;
}

void THotImage::setHint(const std::string& hint) {
    Hint_ = hint;
    if (current_ < 0) controlHint_ = hint;
}

std::string THotImage::hintText() {
    const TSpot* spot = currentSpot();
    if (!spot) return Hint_;
    std::string text = spot->Hint;
    if (OnGetHintText) OnGetHintText(*this, spot, text);
    return text;
}

SpotRect THotImage::pictureRect() const {
    if (Stretch) return {0, 0, Width, Height};
    if (Center) {
        const int32_t left = (Width - Picture.width) / 2, top = (Height - Picture.height) / 2;
        return {left, top, left + Picture.width, top + Picture.height};
    }
    return {0, 0, Picture.width, Picture.height};
}

SpotPoint THotImage::controlToPicture(SpotPoint p) const {
    const SpotRect d = pictureRect();
    const int64_t dw = int64_t{d.right} - d.left, dh = int64_t{d.bottom} - d.top;
    if (dw <= 0 || dh <= 0) return {-1, -1};
    return {static_cast<int32_t>((int64_t{p.x} - d.left) * Picture.width / dw),
            static_cast<int32_t>((int64_t{p.y} - d.top) * Picture.height / dh)};
}

SpotPoint THotImage::pictureToControl(SpotPoint p) const {
    const SpotRect d = pictureRect();
    if (Picture.empty()) return {d.left, d.top};
    return {static_cast<int32_t>(int64_t{p.x} * (int64_t{d.right} - d.left) / Picture.width + d.left),
            static_cast<int32_t>(int64_t{p.y} * (int64_t{d.bottom} - d.top) / Picture.height + d.top)};
}

SpotRect THotImage::parentRectOfPicture(SpotRect r) const {
    const SpotPoint a = pictureToControl({r.left, r.top});
    const SpotPoint b = pictureToControl({r.right, r.bottom});
    return {a.x + Left, a.y + Top, b.x + Left, b.y + Top};
}

void THotImage::SelectSpot(int index) {
    if (index < 0 || index >= HotSpots.count()) index = -1;
    if (index == current_) return;
    current_ = index;
    cursor_ = index >= 0 ? HotCursor : kCursorDefault;
    controlHint_ = index >= 0 ? HotSpots.items[size_t(index)].Hint : Hint_;
    if (OnSelectSpot) OnSelectSpot(*this, currentSpot());
}

void THotImage::ShowSpotState(int index, SpotState state) {
    if (index < 0 || index >= HotSpots.count()) index = -1;
    if (index == overlaySpot_ && (index < 0 || state == overlayState_)) return;

    const TSpot* spot = index >= 0 ? &HotSpots.items[size_t(index)] : nullptr;
    const MaskItem* item = spot && spot->maskItem && !MaskPicture.empty() ? &*spot->maskItem : nullptr;
    bool highlight = false;
    SpotPoint offset;
    if (item && state == SpotState::Hot && (item->state & kMaskHot)) {
        highlight = true;
        offset = item->hot;
    } else if (item && state == SpotState::Down) {
        // A spot lit only for hovering shows the same light while pressed.
        highlight = (item->state & (kMaskHot | kMaskDown)) != 0;
        offset = (item->state & kMaskDown) ? item->down : item->hot;
    }

    const bool hadOverlay = !overlay_.empty();
    const SpotRect previous{overlayPos_.x, overlayPos_.y, overlayPos_.x + overlay_.width,
                            overlayPos_.y + overlay_.height};
    overlaySpot_ = index;
    overlayState_ = state;
    overlay_ = Bitmap{};

    // The highlight only matters where the picture is, which also bounds its size.
    const SpotRect box = highlight ? intersect(spot->bounds(), {0, 0, Picture.width, Picture.height}) : SpotRect{};
    if (!box.empty()) {
        overlay_ = makeBitmap(box.right - box.left, box.bottom - box.top);
        overlayPos_ = {box.left, box.top};
        const bool rectangle = spot->Shape == SpotShape::Rectangle;
        for (int32_t v = 0; v < overlay_.height; ++v) {
            for (int32_t u = 0; u < overlay_.width; ++u) {
                const int32_t px = box.left + u, py = box.top + v;
                Rgb c = Transparent ? Color : Picture.pixel(px, py);
                const bool inside = rectangle || spot->contains(px, py);
                if (!inside) {
                    c = Picture.pixel(px, py);
                } else {
                    const int64_t mx = int64_t{offset.x} + u, my = int64_t{offset.y} + v;
                    if (mx >= 0 && my >= 0 && mx < MaskPicture.width && my < MaskPicture.height)
                        c = MaskPicture.pixel(int32_t(mx), int32_t(my));
                }
                overlay_.pixel(u, v) = c;
            }
        }
    }

    if (!onWindow) return;
    if (hadOverlay) invalidated.push_back(parentRectOfPicture(previous));
    if (!overlay_.empty())
        invalidated.push_back(parentRectOfPicture(
            {overlayPos_.x, overlayPos_.y, overlayPos_.x + overlay_.width, overlayPos_.y + overlay_.height}));
}

void THotImage::removeSpot(int index) {
    if (index < 0 || index >= HotSpots.count()) return;
    if (index == current_) SelectSpot(-1);
    if (index == overlaySpot_) ShowSpotState(-1, SpotState::Hot);
    HotSpots.items.erase(HotSpots.items.begin() + index);
    if (current_ > index) --current_;
    if (overlaySpot_ > index) --overlaySpot_;
}

void THotImage::hitTest(SpotPoint p) {
    if (p == lastHit_) return;
    lastHit_ = p;
    const SpotPoint q = controlToPicture(p);
    if (pressed_ && overlaySpot_ >= 0 && HotSpots.items[size_t(overlaySpot_)].contains(q.x, q.y)) {
        SelectSpot(overlaySpot_);
        return;
    }
    SelectSpot(HotSpots.SpotAt(q.x, q.y));
}

void THotImage::mouseMove(SpotPoint p, bool leftDown, bool overThis) {
    if (!Enabled) return;
    hitTest(p);
    if (leftDown) {
        if (!overThis) SelectSpot(-1);
        ShowSpotState(overlaySpot_, overlaySpot_ == current_ ? SpotState::Down : SpotState::Hot);
    } else {
        ShowSpotState(current_, SpotState::Hot);
    }
}

void THotImage::mouseDown(SpotPoint p) {
    if (!Enabled) return;
    hitTest(p);
    pressed_ = true;
    ShowSpotState(current_, SpotState::Down);
}

void THotImage::mouseUp(SpotPoint p) {
    if (!Enabled || !pressed_) return;
    pressed_ = false;
    ShowSpotState(current_, SpotState::Hot);
    if (p.x >= 0 && p.y >= 0 && p.x < Width && p.y < Height) clickProcessing(false);
}

void THotImage::doubleClick() {
    if (Enabled) clickProcessing(true);
}

void THotImage::clickProcessing(bool dbl) {
    if (HotAreasOnly && !(current_ >= 0 && current_ == overlaySpot_)) return;
    auto& handler = dbl ? OnDblClick : OnClick;
    if (handler) handler(*this);
}

void THotImage::mouseLeave(bool leftDown) {
    lastHit_ = {-1 << 30, -1 << 30};
    if (!leftDown) ShowSpotState(-1, SpotState::Hot);
}

void THotImage::setEnabled(bool enabled) {
    Enabled = enabled;
    if (!enabled) {
        pressed_ = false;
        ShowSpotState(-1, SpotState::Hot);
        if (onWindow) invalidated.push_back({Left, Top, Left + Width, Top + Height});
    }
}

void THotImage::paint(platform::Surface& target, int dx, int dy) {
    const SpotRect d = pictureRect();
    const bool keyed = Transparent && !Picture.empty();
    const Rgb key = keyed ? Picture.pixel(0, Picture.height - 1) : 0;
    const SpotRect ov{overlayPos_.x, overlayPos_.y, overlayPos_.x + overlay_.width, overlayPos_.y + overlay_.height};
    const int x0 = std::max({0, d.left, -(Left + dx)}), y0 = std::max({0, d.top, -(Top + dy)});
    const int x1 = std::min({Width, d.right, target.width() - (Left + dx)});
    const int y1 = std::min({Height, d.bottom, target.height() - (Top + dy)});
    if (Picture.empty()) {
        if (OnPaint) OnPaint(*this);
        return;
    }
    for (int y = y0; y < y1; ++y) {
        platform::Pixel565* row = target.row(Top + dy + y);
        for (int x = x0; x < x1; ++x) {
            const SpotPoint q = controlToPicture({x, y});
            if (q.x < 0 || q.y < 0 || q.x >= Picture.width || q.y >= Picture.height) continue;
            const bool lit = !overlay_.empty() && q.x >= ov.left && q.x < ov.right && q.y >= ov.top && q.y < ov.bottom;
            Rgb c;
            if (lit) {
                c = overlay_.pixel(q.x - ov.left, q.y - ov.top);
            } else {
                c = Picture.pixel(q.x, q.y);
                if (keyed && c == key) continue;
            }
            row[Left + dx + x] = to565(c);
        }
    }
    if (OnPaint) OnPaint(*this);
}

Bitmap decodePictureData(ByteView data) {
    if (data.empty()) return {};
    const size_t nameLength = data[0];
    if (data.size() < 1 + nameLength) throw MediaError(kInvalidStreamFormat);
    const std::string cls(reinterpret_cast<const char*>(data.data() + 1), nameLength);
    ByteView rest = data.subspan(1 + nameLength);
    if (cls == "TBitmap") {
        if (rest.size() < 4) throw MediaError("Bitmap is invalid: the length is cut short");
        const uint32_t length = rest[0] | (rest[1] << 8) | (rest[2] << 16) | (uint32_t(rest[3]) << 24);
        // Some writers count a few bytes more than they store; the BMP's own header is
        // checked by the decoder, so the bytes present are what counts.
        rest = rest.subspan(4, std::min<size_t>(length, rest.size() - 4));
        return rest.empty() ? Bitmap{} : decodeBmp(rest);
    }
    if (cls == "TDIB") return decodeDib(rest);
    return {};
}

Bytes encodePictureData(ByteView bmpFile) {
    Bytes out{7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
    const auto n = static_cast<uint32_t>(bmpFile.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(n >> (8 * i)));
    out.insert(out.end(), bmpFile.begin(), bmpFile.end());
    return out;
}

void loadHotImage(const StreamObject& object, THotImage& into) {
    const StreamValue* spots = nullptr;
    const StreamValue* maskItems = nullptr;
    auto integer = [](const StreamValue& v) -> int {
        if (v.tag != ValueTag::Int8 && v.tag != ValueTag::Int16 && v.tag != ValueTag::Int32)
            throw MediaError(kInvalidStreamFormat);
        return static_cast<int>(v.integer);
    };
    auto boolean = [](const StreamValue& v) {
        if (v.tag != ValueTag::True && v.tag != ValueTag::False) throw MediaError(kInvalidStreamFormat);
        return v.tag == ValueTag::True;
    };
    auto binary = [](const StreamValue& v) -> const Bytes& {
        if (v.tag != ValueTag::Binary) throw MediaError(kInvalidStreamFormat);
        return v.bytes;
    };
    for (const auto& [name, value] : object.properties) {
        if (sameName(name, "Left")) into.Left = integer(value);
        else if (sameName(name, "Top")) into.Top = integer(value);
        else if (sameName(name, "Width")) into.Width = integer(value);
        else if (sameName(name, "Height")) into.Height = integer(value);
        else if (sameName(name, "Center")) into.Center = boolean(value);
        else if (sameName(name, "Stretch")) into.Stretch = boolean(value);
        else if (sameName(name, "Enabled")) into.Enabled = boolean(value);
        else if (sameName(name, "HotAreasOnly")) into.HotAreasOnly = boolean(value);
        else if (sameName(name, "Transparent")) into.Transparent = boolean(value);
        else if (sameName(name, "Hint") && !value.text.empty()) into.setHint(value.text);
        else if (sameName(name, "Picture.Data")) into.Picture = decodePictureData(binary(value));
        else if (sameName(name, "MaskPicture.Data")) into.MaskPicture = decodePictureData(binary(value));
        else if (sameName(name, "HotSpots.Spots")) spots = &value;
        else if (sameName(name, "HotSpots.MaskItems")) maskItems = &value;
    }
    into.HotSpots.items = spots ? readSpots(binary(*spots)) : std::vector<TSpot>{};
    if (maskItems) applyMaskItems(binary(*maskItems), into.HotSpots.items);
}

std::vector<const StreamObject*> findHotImages(const StreamObject& root) {
    std::vector<const StreamObject*> found;
    std::vector<const StreamObject*> stack{&root};
    while (!stack.empty()) {
        const StreamObject* o = stack.back();
        stack.pop_back();
        if (sameName(o->header.className, "THotImage")) found.push_back(o);
        for (auto it = o->children.rbegin(); it != o->children.rend(); ++it) stack.push_back(&*it);
    }
    return found;
}

}  // namespace orbigolf::media
