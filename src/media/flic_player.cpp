#include "media/flic_player.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "media/file_lookup.h"
#include "platform/system_text.h"

namespace orbigolf::media {

namespace {

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) { return uint32_t(le16(p)) | (uint32_t(le16(p + 2)) << 16); }

constexpr size_t kFileHeaderSize = 128;
constexpr size_t kFrameHeaderSize = 16;
constexpr size_t kChunkHeaderSize = 6;

}  // namespace

// The open animation file. Positions beyond the end are allowed (as a seek is); reads there
// come back short.
struct TFliPlayerTimer::File {
    std::FILE* f = nullptr;
    int64_t size = 0;

    ~File() {
        if (f) std::fclose(f);
    }
    int64_t tell() const { return static_cast<int64_t>(std::ftell(f)); }
    void seek(int64_t pos) { std::fseek(f, static_cast<long>(std::max<int64_t>(pos, 0)), SEEK_SET); }
    // Whether all n bytes were read.
    bool read(void* to, size_t n) { return std::fread(to, 1, n, f) == n; }
    int64_t remaining() { return std::max<int64_t>(0, size - tell()); }
};

TFliPlayerTimer::TFliPlayerTimer(Clock clock) : clock_(std::move(clock)), timer_(clock_) {
    timer_.setInterval(static_cast<int>(timerInterval_));
    timer_.OnTimer = [this] { Tick(); };
    applyPalette();
}

TFliPlayerTimer::~TFliPlayerTimer() {
    timer_.OnTimer = nullptr;
    state_ = PlayState::Stopped;
}

void TFliPlayerTimer::setBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
}

void TFliPlayerTimer::setFileName(const std::string& name) {
    if (name == fileName_) return;
    if (state_ != PlayState::Stopped) Stop();
    fileName_ = name;
}

void TFliPlayerTimer::setFliPos(TFliPos pos) {
    fliPos_ = pos;
    Invalidate();
}

void TFliPlayerTimer::setStretch(bool on) {
    stretch_ = on;
    if (!on) Invalidate();
}

void TFliPlayerTimer::setTimerInterval(uint32_t ms) {
    timerInterval_ = ms;
    timer_.setInterval(ms > uint32_t(INT32_MAX) ? INT32_MAX : static_cast<int>(ms));
}

void TFliPlayerTimer::fail(const std::string& what) {
    std::string message = std::string(kFlicIsInvalid) + ": " + fileName_;
    if (decoded_ > 0) message += ": frame " + std::to_string(decoded_);
    message += ": " + what;
    Stop();
    errorMessage_ = message;
    throw MediaError(message);
}

void TFliPlayerTimer::Play() {
    if (state_ != PlayState::Stopped) Stop();
    errorMessage_.clear();
    const std::string path = resolveFileName(fileName_);
    std::error_code ec;
    auto file = std::make_unique<File>();
    if (!fileName_.empty() && std::filesystem::is_regular_file(path, ec)) file->f = std::fopen(path.c_str(), "rb");
    if (!file->f) {
        if (surface_) platform::drawSystemText(*surface_, left_ + 5, top_ + 5, kFlicFileDoesNotExist);
        errorMessage_ = kFlicFileDoesNotExist;
        return;
    }
    file->size = static_cast<int64_t>(std::filesystem::file_size(path, ec));
    if (ec) file->size = 0;

    uint8_t header[kFileHeaderSize];
    if (!file->read(header, sizeof header)) {
        errorMessage_ = std::string(kFlicIsInvalid) + ": " + fileName_ + ": the header is cut short";
        throw MediaError(errorMessage_);
    }
    const uint16_t magic = le16(header + 4);
    const int frames = le16(header + 6);
    const int w = le16(header + 8);
    const int h = le16(header + 10);
    auto reject = [&](const std::string& what) {
        errorMessage_ = std::string(kFlicIsInvalid) + ": " + fileName_ + ": " + what;
        throw MediaError(errorMessage_);
    };
    if (w == 0 || h == 0) reject("the picture is empty");
    if (w > kMaxSide || h > kMaxSide || int64_t(w) * h > kMaxPixels)
        reject(std::to_string(w) + " x " + std::to_string(h) + " is too large");
    if (frames == 0) reject("it has no frames");

    file_ = std::move(file);
    magic_ = magic;
    frameCount_ = frames;
    speed_ = static_cast<int16_t>(le16(header + 16));
    if (AutoSize) setBounds(left_, top_, w, h);
    picture_ = FlicPicture{w, h, std::vector<uint8_t>(size_t(w) * size_t(h), 0), {}};
    palette_ = {};
    applyPalette();
    frameBuffer_.assign(size_t(w) * size_t(h), 0);
    chunkBuffer_.assign(kFirstChunkBuffer, 0);
    // FLI speeds count 1/70 s; FLC speeds are milliseconds.
    delay_ = magic == kFlicMagicFli ? static_cast<int32_t>(std::nearbyint(speed_ * (1000.0 / 70.0))) : speed_;
    state_ = PlayState::Playing;
    timer_.setInterval(timerInterval_ > uint32_t(INT32_MAX) ? INT32_MAX : static_cast<int>(timerInterval_));
    timer_.setEnabled(true);
    firstFramePos_ = kFileHeaderSize;
    nextDue_ = now();
    shown_ = 0;
    decoded_ = 0;
    needDecode_ = true;
}

void TFliPlayerTimer::Stop() {
    if (state_ == PlayState::Stopped) return;
    file_.reset();
    frameBuffer_ = {};
    chunkBuffer_ = {};
    shown_ = 0;
    delay_ = 0;
    timer_.setEnabled(false);
    state_ = PlayState::Stopped;
}

void TFliPlayerTimer::Pause() {
    if (state_ != PlayState::Playing) return;
    state_ = PlayState::Paused;
    nextDue_ = now();
}

void TFliPlayerTimer::Resume() {
    if (state_ == PlayState::Paused) {
        state_ = PlayState::Playing;
        nextDue_ = now();
    } else {
        Play();
    }
}

void TFliPlayerTimer::showDecodedFrame() {
    shown_ = decoded_;
    std::memcpy(picture_.indexes.data(), frameBuffer_.data(), frameBuffer_.size());
    frameShownOnce_ = true;
}

void TFliPlayerTimer::Tick() {
    if (state_ == PlayState::Playing) {
        if (needDecode_) ReadNextFrame();
        if (state_ == PlayState::Playing && !needDecode_ && now() >= nextDue_) {
            nextDue_ += frameDelay();
            showDecodedFrame();
            needDecode_ = true;
            if (OnFliNextFrame) OnFliNextFrame(*this, static_cast<uint16_t>(shown_));
        }
    }
    if (state_ != PlayState::Stopped && needDecode_) ReadNextFrame();
    if (shown_ != painted_) Paint();
}

bool TFliPlayerTimer::GotoFrame(int n) {
    seeking_ = true;
    struct ClearSeeking {
        bool& flag;
        ~ClearSeeking() { flag = false; }
    } clear{seeking_};
    if (state_ != PlayState::Stopped) {
        // Rewinding reads at least once, also when the animation has a single frame
        // (its frame count is then already the frame asked for).
        bool rewind = false;
        if (n == 1 || n < decoded_) {
            decoded_ = frameCount_;
            rewind = true;
        }
        if (n >= 1 && n <= frameCount_) {
            while ((decoded_ != n || rewind) && state_ != PlayState::Stopped) {
                rewind = false;
                ReadNextFrame();
            }
        }
    }
    bool result = false;
    if (state_ != PlayState::Stopped && decoded_ == n && n >= 1 && n <= frameCount_) {
        showDecodedFrame();
        Paint();
        result = true;
    }
    if (OnFliNextFrame) OnFliNextFrame(*this, static_cast<uint16_t>(shown_));
    return result;
}

bool TFliPlayerTimer::ShowFrame(int n) {
    if (state_ != PlayState::Stopped) return false;
    Play();
    bool result = false;
    if (state_ != PlayState::Stopped) result = GotoFrame(n);
    Stop();
    return result;
}

void TFliPlayerTimer::ReadNextFrame() {
    if (state_ != PlayState::Stopped) {
        ++decoded_;
        if (decoded_ > frameCount_) {
            if (Loop || seeking_) {
                file_->seek(firstFramePos_);
                decoded_ = 1;
            } else {
                if (OnFliEnd) OnFliEnd(*this, static_cast<uint16_t>(decoded_));
                Stop();
            }
        }
    }
    if (state_ == PlayState::Stopped) return;
    readFrame();
}

// Looks for the next frame header from the current position, trying every byte offset.
// Returns false (and stops) at the end of the file.
bool TFliPlayerTimer::resynchronise() {
    const PlayState before = state_;
    Pause();
    // Every byte offset is tried: the word may start at an odd position.
    uint8_t block[4096];
    int64_t pos = file_->tell();
    for (;;) {
        file_->seek(pos);
        const size_t n = std::fread(block, 1, sizeof block, file_->f);
        if (n < 2) {
            Stop();
            errorMessage_ = std::string("No FLIC frame found in ") + fileName_;
            return false;
        }
        size_t i = 0;
        while (i + 1 < n && le16(block + i) != kFlicFrameType) ++i;
        if (i + 1 < n) {
            file_->seek(pos + int64_t(i) - 4);
            break;
        }
        pos += int64_t(n) - 1;
    }
    // A player paused from outside stays paused; only the scan's own pause ends here.
    if (before == PlayState::Playing) Resume();
    return true;
}

void TFliPlayerTimer::readFrame() {
    uint8_t header[kFrameHeaderSize];
    int64_t frameStart = file_->tell();
    if (!file_->read(header, sizeof header)) fail("the file ends before the frame");
    if (le16(header + 4) == kFlicPrefixType) {
        file_->seek(frameStart + le32(header));
        frameStart = file_->tell();
        if (!file_->read(header, sizeof header)) fail("the file ends before the frame");
    }
    if (le16(header + 4) != kFlicFrameType) {
        if (!resynchronise()) return;
        if (!file_->read(header, sizeof header)) fail("the file ends before the frame");
    }
    const uint32_t frameSize = le32(header);
    const unsigned chunks = le16(header + 6);
    if (frameSize < kFrameHeaderSize) fail("the frame size " + std::to_string(frameSize) + " is too small");

    const FlicFrameBuffer frame{frameBuffer_, picture_.width, picture_.height};
    int64_t chunkBytes = 0;
    for (unsigned c = 0; c < chunks && state_ != PlayState::Stopped; ++c) {
        uint8_t ch[kChunkHeaderSize];
        if (!file_->read(ch, sizeof ch)) fail("the file ends inside the frame");
        const uint32_t size = le32(ch);
        const uint16_t type = le16(ch + 4);
        if (size < kChunkHeaderSize) fail("a chunk size of " + std::to_string(size) + " is too small");
        const size_t dataSize = size - kChunkHeaderSize;
        if (int64_t(dataSize) > file_->remaining()) fail("a chunk of type " + std::to_string(type) +
                                                         " runs past the end of the file");
        if (dataSize >= chunkBuffer_.size()) chunkBuffer_.assign(size_t(size) + 994, 0);
        if (!file_->read(chunkBuffer_.data(), dataSize)) fail("the file ends inside the frame");
        try {
            if (decodeFlicChunk(type, std::span<const uint8_t>(chunkBuffer_.data(), dataSize), frame, palette_))
                applyPalette();
        } catch (const FlicDamage& e) {
            fail(e.what());
        }
        chunkBytes += size;
    }
    if (state_ == PlayState::Stopped) return;
    const int64_t difference = int64_t(frameSize) - int64_t(kFrameHeaderSize) - chunkBytes;
    if (difference != 0) file_->seek(file_->tell() + difference);
    needDecode_ = false;
}

void TFliPlayerTimer::applyPalette() {
    picture_.palette = palette_;
    for (size_t i = 0; i < 256; ++i) palette565_[i] = platform::toRgb565(palette_[i]);
}

void TFliPlayerTimer::Paint() {
    if (!Visible) return;
    if (OnFliPaint) OnFliPaint(*this, static_cast<uint16_t>(shown_));
    painted_ = shown_;
    if (!frameShownOnce_ || !surface_ || width_ <= 0 || height_ <= 0) return;
    platform::Surface& dst = *surface_;
    const int pw = picture_.width;
    const int ph = picture_.height;
    // The control's rectangle clipped to the surface.
    const int cx0 = std::max(left_, 0);
    const int cy0 = std::max(top_, 0);
    const int cx1 = std::min(left_ + width_, dst.width());
    const int cy1 = std::min(top_ + height_, dst.height());
    if (cx0 >= cx1 || cy0 >= cy1) return;
    if (stretch_) {
        for (int y = cy0; y < cy1; ++y) {
            const int sy = static_cast<int>(int64_t(y - top_) * ph / height_);
            const uint8_t* src = picture_.indexes.data() + size_t(sy) * size_t(pw);
            platform::Pixel565* out = dst.row(y);
            for (int x = cx0; x < cx1; ++x) out[x] = palette565_[src[int64_t(x - left_) * pw / width_]];
        }
        return;
    }
    int ox = 0, oy = 0;
    if (fliPos_ == TFliPos::FliRight) {
        ox = width_ - pw;
    } else if (fliPos_ == TFliPos::FliCentre) {
        ox = (width_ - pw) / 2;
        oy = (height_ - ph) / 2;
    }
    const int x0 = std::max(cx0, left_ + ox);
    const int x1 = std::min(cx1, left_ + ox + pw);
    const int y0 = std::max(cy0, top_ + oy);
    const int y1 = std::min(cy1, top_ + oy + ph);
    if (x0 >= x1 || y0 >= y1) return;
    // Four pixels per step: one read of indexes, one 8-byte write (the copy runs every frame).
    const std::array<platform::Pixel565, 256> lut = palette565_;
    const int n = x1 - x0;
    for (int y = y0; y < y1; ++y) {
        const uint8_t* src = picture_.indexes.data() + size_t(y - top_ - oy) * size_t(pw) + size_t(x0 - left_ - ox);
        platform::Pixel565* out = dst.row(y) + x0;
        int x = 0;
        for (; std::endian::native == std::endian::little && x + 4 <= n; x += 4) {
            uint32_t i4;
            std::memcpy(&i4, src + x, 4);
            const uint64_t four = uint64_t(lut[i4 & 255u]) | (uint64_t(lut[(i4 >> 8) & 255u]) << 16) |
                                  (uint64_t(lut[(i4 >> 16) & 255u]) << 32) | (uint64_t(lut[i4 >> 24]) << 48);
            std::memcpy(out + x, &four, 8);
        }
        for (; x < n; ++x) out[x] = lut[src[x]];
    }
}

void TFliPlayerTimer::Invalidate() {
    if (surface_ && Visible) {
        for (int y = std::max(top_, 0); y < std::min(top_ + height_, surface_->height()); ++y) {
            platform::Pixel565* out = surface_->row(y);
            for (int x = std::max(left_, 0); x < std::min(left_ + width_, surface_->width()); ++x) out[x] = 0;
        }
    }
    Paint();
}

}  // namespace orbigolf::media
