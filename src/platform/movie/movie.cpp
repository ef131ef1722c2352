#include "platform/movie/movie.h"

#include "platform/movie/ffmpeg_library.h"
#include "platform/sound.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace orbigolf::platform {

namespace {

const ffmpeg::Functions& ff() {
    return ffmpeg::functions();
}

constexpr size_t kMaxMovieBytes = size_t{512} << 20;
constexpr size_t kMaxSoundSamples = size_t{kMovieSoundRate} * 60 * 30;  // half an hour

std::string errorText(int code) {
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
    ff().av_strerror(code, buffer, sizeof buffer);
    return buffer;
}

// The bytes of a movie as FFmpeg's input: a read and seek position over memory.
struct MemoryInput {
    const std::vector<uint8_t>* bytes = nullptr;
    int64_t pos = 0;

    static int read(void* opaque, uint8_t* buf, int size) {
        auto* in = static_cast<MemoryInput*>(opaque);
        const int64_t left = static_cast<int64_t>(in->bytes->size()) - in->pos;
        if (left <= 0) return AVERROR_EOF;
        const int n = static_cast<int>(std::min<int64_t>(left, size));
        std::memcpy(buf, in->bytes->data() + in->pos, static_cast<size_t>(n));
        in->pos += n;
        return n;
    }
    static int64_t seek(void* opaque, int64_t offset, int whence) {
        auto* in = static_cast<MemoryInput*>(opaque);
        const auto size = static_cast<int64_t>(in->bytes->size());
        if (whence & AVSEEK_SIZE) return size;
        int64_t to = 0;
        switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET: to = offset; break;
        case SEEK_CUR: to = in->pos + offset; break;
        case SEEK_END: to = size + offset; break;
        default: return -1;
        }
        if (to < 0 || to > size) return -1;
        in->pos = to;
        return to;
    }
};

// One opened container with one decoder: the picture stream or the sound stream.
struct Demuxed {
    MemoryInput input;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    int stream = -1;

    ~Demuxed() {
        ff().avcodec_free_context(&codec);
        if (format) ff().avformat_close_input(&format);
        if (io) {
            ff().av_freep(&io->buffer);
            ff().avio_context_free(&io);
        }
    }

    // Opens the container; returns the error text or "".
    std::string openContainer(const std::vector<uint8_t>& bytes) {
        ff().av_log_set_level(AV_LOG_QUIET);
        input.bytes = &bytes;
        constexpr int kBuffer = 32768;
        auto* buffer = static_cast<uint8_t*>(ff().av_malloc(kBuffer));
        if (!buffer) return "out of memory";
        io = ff().avio_alloc_context(buffer, kBuffer, 0, &input, &MemoryInput::read, nullptr,
                                     &MemoryInput::seek);
        if (!io) {
            ff().av_free(buffer);
            return "out of memory";
        }
        format = ff().avformat_alloc_context();
        if (!format) return "out of memory";
        format->pb = io;
        format->flags |= AVFMT_FLAG_CUSTOM_IO;
        // Only AVI: the intro's movie device reads nothing else.
        const AVInputFormat* avi = ff().av_find_input_format("avi");
        if (const int r = ff().avformat_open_input(&format, nullptr, avi, nullptr); r < 0) {
            format = nullptr;  // freed by the failed open
            return "not an AVI file (" + errorText(r) + ")";
        }
        if (const int r = ff().avformat_find_stream_info(format, nullptr); r < 0)
            return "unreadable (" + errorText(r) + ")";
        return "";
    }

    std::string openDecoder(AVMediaType type) {
        const AVCodec* decoder = nullptr;
        stream = ff().av_find_best_stream(format, type, -1, -1, &decoder, 0);
        if (stream < 0) return type == AVMEDIA_TYPE_VIDEO ? "it holds no pictures" : "no sound";
        if (!decoder) return "no decoder for its codec";
        codec = ff().avcodec_alloc_context3(decoder);
        if (!codec) return "out of memory";
        if (ff().avcodec_parameters_to_context(codec, format->streams[stream]->codecpar) < 0)
            return "bad codec parameters";
        codec->thread_count = 1;  // the same pictures on every machine
        if (const int r = ff().avcodec_open2(codec, decoder, nullptr); r < 0)
            return "its codec cannot be opened (" + errorText(r) + ")";
        return "";
    }
};

std::string fourccText(uint32_t tag) {
    std::string s;
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>((tag >> (8 * i)) & 0xFF);
        s += c >= 32 && c < 127 ? c : '.';
    }
    return s;
}

}  // namespace

struct Movie::Impl {
    std::string name;
    std::vector<uint8_t> bytes;
    MovieInfo info;
    std::unique_ptr<Demuxed> video;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    SwsContext* scaler = nullptr;
    bool flushing = false;
    int64_t decoded = 0;

    ~Impl() {
        ff().sws_freeContext(scaler);
        ff().av_frame_free(&frame);
        ff().av_packet_free(&packet);
    }

    [[noreturn]] void fail(const std::string& why) const { throw MovieError("Cannot open movie " + name + ": " + why); }

    void openVideo() {
        video = std::make_unique<Demuxed>();
        if (std::string e = video->openContainer(bytes); !e.empty()) fail(e);
        if (std::string e = video->openDecoder(AVMEDIA_TYPE_VIDEO); !e.empty()) fail(e);
        flushing = false;
        decoded = 0;
    }

    void open() {
        openVideo();
        const AVStream* s = video->format->streams[video->stream];
        info.width = video->codec->width;
        info.height = video->codec->height;
        if (info.width <= 0 || info.height <= 0 || info.width > kMovieMaxSide || info.height > kMovieMaxSide)
            fail("its picture size " + std::to_string(info.width) + " x " + std::to_string(info.height) +
                 " cannot be shown");
        info.frameCount = s->nb_frames;
        if (info.frameCount <= 0) fail("it holds no frames");
        const AVRational rate = s->avg_frame_rate.num > 0 ? s->avg_frame_rate : s->r_frame_rate;
        info.framesPerSecond = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 15.0;
        info.codec = video->codec->codec->name;
        info.fourcc = fourccText(s->codecpar->codec_tag);
        for (unsigned i = 0; i < video->format->nb_streams; ++i) {
            const AVCodecParameters* p = video->format->streams[i]->codecpar;
            if (p->codec_type != AVMEDIA_TYPE_AUDIO) continue;
            // A track at a rate the mixer cannot play is left out (converting one at an
            // absurd rate would also keep the resampler busy for minutes).
            if (p->sample_rate < kMixerMinRate || p->sample_rate > kMixerMaxRate) break;
            info.hasSound = true;
            const AVCodecDescriptor* d = ff().avcodec_descriptor_get(p->codec_id);
            info.soundCodec = d ? d->name : "unknown";
            info.soundRate = p->sample_rate;
            info.soundChannels = p->ch_layout.nb_channels;
            break;
        }
        packet = ff().av_packet_alloc();
        frame = ff().av_frame_alloc();
        if (!packet || !frame) fail("out of memory");
    }

    void draw(Surface& target) {
        if (target.width() != info.width || target.height() != info.height) target = Surface(info.width, info.height);
        if (frame->width <= 0 || frame->height <= 0 || frame->width > kMovieMaxSide || frame->height > kMovieMaxSide)
            throw MovieError("Movie " + name + " has a damaged frame");
        scaler = ff().sws_getCachedContext(scaler, frame->width, frame->height,
                                           static_cast<AVPixelFormat>(frame->format), info.width,
                                           info.height, AV_PIX_FMT_RGB565, SWS_POINT | SWS_BITEXACT,
                                           nullptr, nullptr, nullptr);
        if (!scaler) throw MovieError("Movie " + name + " has frames in a format that cannot be converted");
        uint8_t* dst[4] = {reinterpret_cast<uint8_t*>(target.pixels().data()), nullptr, nullptr, nullptr};
        const int stride[4] = {info.width * 2, 0, 0, 0};
        ff().sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, dst, stride);
    }

    bool next(Surface& target) {
        for (;;) {
            const int r = ff().avcodec_receive_frame(video->codec, frame);
            if (r == 0) {
                draw(target);
                ff().av_frame_unref(frame);
                ++decoded;
                return true;
            }
            if (r == AVERROR_EOF || (r != AVERROR(EAGAIN) && flushing)) return false;
            if (flushing) return false;
            if (ff().av_read_frame(video->format, packet) < 0) {
                flushing = true;
                ff().avcodec_send_packet(video->codec, nullptr);
                continue;
            }
            if (packet->stream_index == video->stream) {
                // A damaged packet is left out: the picture stays as it was, as players do.
                ff().avcodec_send_packet(video->codec, packet);
            }
            ff().av_packet_unref(packet);
        }
    }
};

Movie::Movie(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Movie::Movie(Movie&&) noexcept = default;
Movie& Movie::operator=(Movie&&) noexcept = default;
Movie::~Movie() = default;

Movie Movie::open(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in) throw MovieError("Cannot open movie " + fileName + ": the file cannot be read");
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxMovieBytes)
        throw MovieError("Cannot open movie " + fileName + ": the file cannot be read");
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw MovieError("Cannot open movie " + fileName + ": the file cannot be read");
    return fromBytes(std::move(bytes), fileName);
}

Movie Movie::fromBytes(std::vector<uint8_t> bytes, const std::string& name) {
    try {
        ff();  // the libraries are opened with the first movie
    } catch (const MovieError& e) {
        throw MovieError("Cannot open movie " + name + ": " + e.what());
    }
    auto impl = std::make_unique<Impl>();
    impl->name = name;
    impl->bytes = std::move(bytes);
    impl->open();
    return Movie(std::move(impl));
}

const MovieInfo& Movie::info() const { return impl_->info; }
bool Movie::nextFrame(Surface& target) { return impl_->next(target); }
int64_t Movie::framesDecoded() const { return impl_->decoded; }

void Movie::rewind() {
    ff().av_packet_unref(impl_->packet);
    impl_->openVideo();
}

std::vector<int16_t> Movie::soundTrack() {
    std::vector<int16_t> out;
    if (!impl_->info.hasSound) return out;
    Demuxed sound;
    if (!sound.openContainer(impl_->bytes).empty() || !sound.openDecoder(AVMEDIA_TYPE_AUDIO).empty()) return out;
    AVCodecContext* c = sound.codec;
    if (c->sample_rate <= 0) return out;
    AVChannelLayout inLayout{};
    if (c->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC ||
        ff().av_channel_layout_check(&c->ch_layout) == 0) {
        ff().av_channel_layout_default(&inLayout, std::max(1, c->ch_layout.nb_channels));
    } else {
        ff().av_channel_layout_copy(&inLayout, &c->ch_layout);
    }
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    SwrContext* swr = nullptr;
    if (ff().swr_alloc_set_opts2(&swr, &mono, AV_SAMPLE_FMT_S16, kMovieSoundRate, &inLayout,
                                 c->sample_fmt, c->sample_rate, 0, nullptr) < 0 ||
        ff().swr_init(swr) < 0) {
        ff().swr_free(&swr);
        ff().av_channel_layout_uninit(&inLayout);
        return out;
    }
    AVPacket* packet = ff().av_packet_alloc();
    AVFrame* frame = ff().av_frame_alloc();
    auto convert = [&](const uint8_t** data, int count) {
        const int room = ff().swr_get_out_samples(swr, count);
        if (room <= 0 || out.size() + size_t(room) > kMaxSoundSamples) return;
        const size_t at = out.size();
        out.resize(at + size_t(room));
        uint8_t* dst = reinterpret_cast<uint8_t*>(out.data() + at);
        const int made = ff().swr_convert(swr, &dst, room, data, count);
        out.resize(at + size_t(std::max(0, made)));
    };
    auto drain = [&] {
        while (ff().avcodec_receive_frame(c, frame) == 0) {
            convert(const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
            ff().av_frame_unref(frame);
        }
    };
    while (packet && frame && ff().av_read_frame(sound.format, packet) >= 0) {
        if (packet->stream_index == sound.stream && ff().avcodec_send_packet(c, packet) >= 0)
            drain();
        ff().av_packet_unref(packet);
    }
    if (packet && frame) {
        ff().avcodec_send_packet(c, nullptr);
        drain();
        convert(nullptr, 0);
    }
    ff().av_frame_free(&frame);
    ff().av_packet_free(&packet);
    ff().swr_free(&swr);
    ff().av_channel_layout_uninit(&inLayout);
    return out;
}

}  // namespace orbigolf::platform
