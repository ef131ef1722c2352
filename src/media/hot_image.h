#pragma once
// THotImage: a picture control with clickable spots. When the pointer is over an enabled
// spot, that spot becomes current (cursor, OnSelectSpot) and its outline is filled from the
// mask picture, usually a lit version of the same scene; clicks reach OnClick only on a spot
// (HotAreasOnly). The control works in its own coordinates; the spots in picture pixels.
//
// The owner feeds it mouse events in control coordinates and paints it into a back buffer;
// the control reports the areas of its parent that need repainting through `invalidated`.

#include <functional>
#include <string>
#include <vector>

#include "media/component_stream.h"
#include "media/dib.h"
#include "media/hot_spots.h"
#include "platform/surface.h"

namespace orbigolf::media {

// Cursor identifiers as the form stores them.
inline constexpr int kCursorDefault = 0;
inline constexpr int kCursorArrow = -2;
inline constexpr int kCursorHandPoint = -21;

enum class SpotState { Hot = 0, Down = 1 };

class THotImage {
public:
    // Placement on the parent window and picture options.
    int Left = 0, Top = 0, Width = 105, Height = 105;
    bool Center = false;
    bool Stretch = false;
    bool Enabled = true;
    bool HotAreasOnly = true;
    bool Transparent = false;
    Rgb Color = makeRgb(0xC0, 0xC0, 0xC0);  // the control's colour
    int HotCursor = kCursorHandPoint;

    Bitmap Picture;
    Bitmap MaskPicture;
    THotSpots HotSpots;

    std::function<void(THotImage&, const TSpot*)> OnSelectSpot;
    std::function<void(THotImage&, const TSpot*, std::string&)> OnGetHintText;
    std::function<void(THotImage&)> OnClick;
    std::function<void(THotImage&)> OnDblClick;
    std::function<void(THotImage&)> OnPaint;

    // Parent-window areas to repaint, in the order they were reported (the owner clears it).
    std::vector<SpotRect> invalidated;
    bool onWindow = true;

    int SpotIndex() const { return current_; }
    const TSpot* currentSpot() const;
    int cursor() const { return cursor_; }

    const std::string& Hint() const { return Hint_; }
    void setHint(const std::string& hint);
    // The hint text shown now: the current spot's (through OnGetHintText) or the image's.
    std::string hintText();

    // The rectangle D in which the picture is drawn, in control coordinates.
    SpotRect pictureRect() const;
    // Control point -> picture point and back (multiply, then divide, truncating).
    SpotPoint controlToPicture(SpotPoint p) const;
    SpotPoint pictureToControl(SpotPoint p) const;

    void SelectSpot(int index);
    void ShowSpotState(int index, SpotState state);
    void removeSpot(int index);

    // Mouse input in control coordinates. `overThis`: the control under the pointer is
    // this image (false while dragging over another control).
    void mouseMove(SpotPoint p, bool leftDown, bool overThis = true);
    void mouseDown(SpotPoint p);
    // Releases the left button; a release inside the control is a click.
    void mouseUp(SpotPoint p);
    void doubleClick();
    void mouseLeave(bool leftDown);
    void setEnabled(bool enabled);

    bool pressed() const { return pressed_; }
    int overlaySpot() const { return overlaySpot_; }
    SpotState overlayState() const { return overlayState_; }
    // The highlight bitmap and where it lies in picture coordinates (empty: none).
    const Bitmap& overlay() const { return overlay_; }
    SpotPoint overlayPosition() const { return overlayPos_; }

    // Paints the control at (Left + dx, Top + dy) of the target: the highlight over the
    // picture, clipped to the control and the target; then OnPaint.
    void paint(platform::Surface& target, int dx = 0, int dy = 0);

private:
    void hitTest(SpotPoint p);
    void clickProcessing(bool dbl);
    SpotRect parentRectOfPicture(SpotRect r) const;

    int current_ = -1;
    int cursor_ = kCursorDefault;
    std::string Hint_;
    std::string controlHint_;
    bool pressed_ = false;
    int overlaySpot_ = -1;
    SpotState overlayState_ = SpotState::Hot;
    Bitmap overlay_;
    SpotPoint overlayPos_;
    SpotPoint lastHit_{-1 << 30, -1 << 30};
};

// "Picture.Data" of a form: a short class name, then that class's data ("TBitmap": a
// 32-bit length and a BMP file; "TDIB": a packed DIB). Other classes give an empty picture.
Bitmap decodePictureData(ByteView data);
Bytes encodePictureData(ByteView bmpFile);  // as "TBitmap"

// The image's stored properties from a form object of class THotImage: placement, picture
// options, "Picture.Data", "MaskPicture.Data", "HotSpots.Spots", "HotSpots.MaskItems".
// Properties it does not use are skipped.
void loadHotImage(const StreamObject& object, THotImage& into);
// Every object of class THotImage in a form tree, depth first.
std::vector<const StreamObject*> findHotImages(const StreamObject& root);

}  // namespace orbigolf::media
