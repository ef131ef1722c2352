#pragma once
// FFmpeg's decoding libraries, opened when the first movie is opened rather than when the
// program starts. Linking them would make every start of the game map some hundred and fifty
// shared libraries that only the intro's movies use (the codec library pulls in every codec's
// own library and their initialisers), which costs more than a whole game's headless replay.
//
// The functions are looked up by name in the libraries whose major versions match the headers
// this was compiled against, so the structures the headers describe are the ones the libraries
// use. Only the movie player includes this; the movie writer (a tool) links FFmpeg directly.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace orbigolf::platform::ffmpeg {

// Every FFmpeg function the player calls, with the library that holds it.
#define ORBIGOLF_FFMPEG_FUNCTIONS(X)                                                                   \
    X(avutil, av_strerror)                                                                             \
    X(avutil, av_log_set_level)                                                                        \
    X(avutil, av_malloc)                                                                               \
    X(avutil, av_free)                                                                                 \
    X(avutil, av_freep)                                                                                \
    X(avutil, av_frame_alloc)                                                                          \
    X(avutil, av_frame_free)                                                                           \
    X(avutil, av_frame_unref)                                                                          \
    X(avutil, av_channel_layout_check)                                                                 \
    X(avutil, av_channel_layout_default)                                                               \
    X(avutil, av_channel_layout_copy)                                                                  \
    X(avutil, av_channel_layout_uninit)                                                                \
    X(swresample, swr_alloc_set_opts2)                                                                 \
    X(swresample, swr_init)                                                                            \
    X(swresample, swr_free)                                                                            \
    X(swresample, swr_get_out_samples)                                                                 \
    X(swresample, swr_convert)                                                                         \
    X(swscale, sws_getCachedContext)                                                                   \
    X(swscale, sws_scale)                                                                              \
    X(swscale, sws_freeContext)                                                                        \
    X(avcodec, avcodec_alloc_context3)                                                                 \
    X(avcodec, avcodec_free_context)                                                                   \
    X(avcodec, avcodec_parameters_to_context)                                                          \
    X(avcodec, avcodec_open2)                                                                          \
    X(avcodec, avcodec_descriptor_get)                                                                 \
    X(avcodec, avcodec_send_packet)                                                                    \
    X(avcodec, avcodec_receive_frame)                                                                  \
    X(avcodec, av_packet_alloc)                                                                        \
    X(avcodec, av_packet_free)                                                                         \
    X(avcodec, av_packet_unref)                                                                        \
    X(avformat, avio_alloc_context)                                                                    \
    X(avformat, avio_context_free)                                                                     \
    X(avformat, avformat_alloc_context)                                                                \
    X(avformat, avformat_open_input)                                                                   \
    X(avformat, avformat_find_stream_info)                                                             \
    X(avformat, avformat_close_input)                                                                  \
    X(avformat, av_find_input_format)                                                                  \
    X(avformat, av_find_best_stream)                                                                   \
    X(avformat, av_read_frame)

// The looked-up functions, each under its own name.
struct Functions {
#define ORBIGOLF_FFMPEG_POINTER(library, name) decltype(&::name) name = nullptr;
    ORBIGOLF_FFMPEG_FUNCTIONS(ORBIGOLF_FFMPEG_POINTER)
#undef ORBIGOLF_FFMPEG_POINTER
};

// Opens the libraries on the first call and returns their functions; every later call returns
// the same table. When a library or a function is missing it throws MovieError saying which
// (the next call tries again).
const Functions& functions();

}  // namespace orbigolf::platform::ffmpeg
