#include "platform/movie/movie_writer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>
#include <utility>

namespace orbigolf::platform {

namespace {

// Everything the writer opens, released in one place whatever happens.
struct Output {
    AVFormatContext* format = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVFrame* frame = nullptr;
    AVFrame* soundFrame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    bool fileOpen = false;

    ~Output() {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&soundFrame);
        av_frame_free(&frame);
        avcodec_free_context(&audio);
        avcodec_free_context(&video);
        if (format) {
            if (fileOpen) avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};

[[noreturn]] void fail(const std::string& fileName, const std::string& why) {
    throw MovieError("Cannot write movie " + fileName + ": " + why);
}

}  // namespace

void writeMovie(const std::string& fileName, const MovieWriterOptions& o,
                const std::function<void(int, Surface&)>& drawFrame) {
    av_log_set_level(AV_LOG_QUIET);
    Output out;
    if (avformat_alloc_output_context2(&out.format, nullptr, "avi", fileName.c_str()) < 0) fail(fileName, "no AVI writer");
    out.format->flags |= AVFMT_FLAG_BITEXACT;

    const AVCodec* videoCodec = avcodec_find_encoder_by_name(o.codec.c_str());
    if (!videoCodec) fail(fileName, "no " + o.codec + " encoder");
    AVStream* videoStream = avformat_new_stream(out.format, nullptr);
    out.video = avcodec_alloc_context3(videoCodec);
    if (!videoStream || !out.video) fail(fileName, "out of memory");
    out.video->width = o.width;
    out.video->height = o.height;
    out.video->time_base = AVRational{1, o.framesPerSecond};
    out.video->framerate = AVRational{o.framesPerSecond, 1};
    out.video->gop_size = o.keyFrameInterval;
    out.video->keyint_min = o.keyFrameInterval;
    out.video->pix_fmt = videoCodec->pix_fmts ? videoCodec->pix_fmts[0] : AV_PIX_FMT_RGB24;
    out.video->flags |= AV_CODEC_FLAG_BITEXACT;
    out.video->thread_count = 1;
    if (out.format->oformat->flags & AVFMT_GLOBALHEADER) out.video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(out.video, videoCodec, nullptr) < 0) fail(fileName, "the " + o.codec + " encoder refused the size");
    avcodec_parameters_from_context(videoStream->codecpar, out.video);
    videoStream->time_base = out.video->time_base;
    videoStream->avg_frame_rate = out.video->framerate;

    AVStream* audioStream = nullptr;
    if (!o.sound.empty()) {
        const AVCodec* pcm = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
        audioStream = avformat_new_stream(out.format, nullptr);
        out.audio = pcm ? avcodec_alloc_context3(pcm) : nullptr;
        if (!audioStream || !out.audio) fail(fileName, "no sound encoder");
        out.audio->sample_fmt = AV_SAMPLE_FMT_S16;
        out.audio->sample_rate = kMovieSoundRate;
        const AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        av_channel_layout_copy(&out.audio->ch_layout, &mono);
        out.audio->time_base = AVRational{1, kMovieSoundRate};
        out.audio->flags |= AV_CODEC_FLAG_BITEXACT;
        if (avcodec_open2(out.audio, pcm, nullptr) < 0) fail(fileName, "the sound encoder cannot be opened");
        avcodec_parameters_from_context(audioStream->codecpar, out.audio);
        audioStream->time_base = out.audio->time_base;
    }

    if (avio_open(&out.format->pb, fileName.c_str(), AVIO_FLAG_WRITE) < 0) fail(fileName, "the file cannot be created");
    out.fileOpen = true;
    if (avformat_write_header(out.format, nullptr) < 0) fail(fileName, "the header cannot be written");

    out.frame = av_frame_alloc();
    out.packet = av_packet_alloc();
    if (!out.frame || !out.packet) fail(fileName, "out of memory");
    out.frame->format = out.video->pix_fmt;
    out.frame->width = o.width;
    out.frame->height = o.height;
    if (av_frame_get_buffer(out.frame, 0) < 0) fail(fileName, "out of memory");
    out.scaler = sws_getContext(o.width, o.height, AV_PIX_FMT_RGB565, o.width, o.height, out.video->pix_fmt,
                                SWS_POINT | SWS_BITEXACT, nullptr, nullptr, nullptr);
    if (!out.scaler) fail(fileName, "no pixel conversion");

    auto drain = [&](AVCodecContext* c, AVStream* s) {
        while (avcodec_receive_packet(c, out.packet) == 0) {
            av_packet_rescale_ts(out.packet, c->time_base, s->time_base);
            out.packet->stream_index = s->index;
            if (av_interleaved_write_frame(out.format, out.packet) < 0) fail(fileName, "writing failed");
        }
    };

    // Sound goes in pieces of one frame's length, so it interleaves with the pictures.
    const int soundPerFrame = kMovieSoundRate / o.framesPerSecond;
    size_t soundAt = 0;
    auto writeSound = [&](size_t upTo) {
        while (out.audio && soundAt < std::min(upTo, o.sound.size())) {
            const int n = static_cast<int>(std::min<size_t>(size_t(soundPerFrame), o.sound.size() - soundAt));
            av_frame_free(&out.soundFrame);
            out.soundFrame = av_frame_alloc();
            if (!out.soundFrame) fail(fileName, "out of memory");
            out.soundFrame->format = AV_SAMPLE_FMT_S16;
            out.soundFrame->sample_rate = kMovieSoundRate;
            out.soundFrame->nb_samples = n;
            av_channel_layout_copy(&out.soundFrame->ch_layout, &out.audio->ch_layout);
            if (av_frame_get_buffer(out.soundFrame, 0) < 0) fail(fileName, "out of memory");
            std::memcpy(out.soundFrame->data[0], o.sound.data() + soundAt, size_t(n) * 2);
            out.soundFrame->pts = static_cast<int64_t>(soundAt);
            soundAt += size_t(n);
            if (avcodec_send_frame(out.audio, out.soundFrame) < 0) fail(fileName, "sound encoding failed");
            drain(out.audio, audioStream);
        }
    };

    Surface picture(o.width, o.height);
    for (int i = 0; i < o.frameCount; ++i) {
        picture.fill(0);
        drawFrame(i, picture);
        if (av_frame_make_writable(out.frame) < 0) fail(fileName, "out of memory");
        const uint8_t* src[4] = {reinterpret_cast<const uint8_t*>(std::as_const(picture).pixels().data()), nullptr,
                                 nullptr, nullptr};
        const int srcStride[4] = {o.width * 2, 0, 0, 0};
        sws_scale(out.scaler, src, srcStride, 0, o.height, out.frame->data, out.frame->linesize);
        out.frame->pts = i;
        if (avcodec_send_frame(out.video, out.frame) < 0) fail(fileName, "picture encoding failed");
        drain(out.video, videoStream);
        writeSound(size_t(i + 1) * size_t(soundPerFrame));
    }
    writeSound(o.sound.size());
    avcodec_send_frame(out.video, nullptr);
    drain(out.video, videoStream);
    if (out.audio) {
        avcodec_send_frame(out.audio, nullptr);
        drain(out.audio, audioStream);
    }
    if (av_write_trailer(out.format) < 0) fail(fileName, "the index cannot be written");
}

}  // namespace orbigolf::platform
