#include "info.h"

#include <cstdio>
#include <sstream>

#include "json_line.h"
#include "media/component_stream.h"
#include "platform/frames.h"

namespace orbigolf::assets {

namespace {

template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

std::string colourText(int32_t colour) {
    if (auto ident = media::identFromColour(colour)) return *ident;
    return format("0x%08X", uint32_t(colour));
}

std::string channelsText(uint16_t channels) {
    return channels == 1 ? "mono" : channels == 2 ? "stereo" : format("%u channels", channels);
}

std::string pictureListText(const media::PictureListFile& list) {
    std::string out;
    for (size_t i = 0; i < list.items.size(); ++i) {
        const auto& it = list.items[i];
        out += format("%3zu  %-24s %5dx%-5d %2u bpp  pattern %dx%d  skip %dx%d  frames %d  transparent %s  colour %s\n",
                      i, ("\"" + it.name + "\"").c_str(), it.bitmap.width, it.bitmap.height,
                      unsigned(it.bitmap.bitsPerPixel), it.patternWidth, it.patternHeight, it.skipWidth,
                      it.skipHeight, frameCountOf(it), it.transparent ? "yes" : "no",
                      colourText(it.transparentColor).c_str());
    }
    if (list.items.empty()) out += "(no items)\n";
    return out;
}

std::string soundListText(const media::SoundListFile& list) {
    std::string out;
    for (size_t i = 0; i < list.items.size(); ++i) {
        const auto& it = list.items[i];
        const auto& f = it.wave.format;
        out += format("%3zu  %-24s %6u Hz %2u-bit %-6s  frames %u  looped %s  MaxPlayingCount %d\n", i,
                      ("\"" + it.name + "\"").c_str(), f.samplesPerSec, unsigned(f.bitsPerSample),
                      channelsText(f.channels).c_str(), it.wave.frames(), it.looped ? "yes" : "no",
                      it.maxPlayingCount);
    }
    if (list.items.empty()) out += "(no items)\n";
    return out;
}

std::string bitmapText(const BitmapFile& b) {
    const auto& h = b.header;
    std::string out;
    out += format("file size:        %u\n", h.fileSize);
    out += format("pixel offset:     %u\n", h.dataOffset);
    out += format("header size:      %u\n", h.headerSize);
    out += format("width:            %d\n", h.width);
    out += format("height:           %d (%s)\n", h.height, h.topDown ? "top-down" : "bottom-up");
    out += format("planes:           %u\n", unsigned(h.planes));
    out += format("bits per pixel:   %u\n", unsigned(h.bitsPerPixel));
    static const char* names[] = {"none", "RLE8", "RLE4", "bit fields", "JPEG", "PNG", "alpha bit fields"};
    out += format("compression:      %u (%s)\n", h.compression, h.compression < 7 ? names[h.compression] : "?");
    out += format("image size:       %u\n", h.imageSize);
    out += format("pixels per metre: %d x %d\n", h.xPelsPerMeter, h.yPelsPerMeter);
    out += format("colours used:     %u (important %u)\n", h.colorsUsed, h.colorsImportant);
    if (h.compression == 3 || h.compression == 6) {
        out += format("masks:            red 0x%08X green 0x%08X blue 0x%08X alpha 0x%08X\n", h.masks[0],
                      h.masks[1], h.masks[2], h.masks[3]);
    }
    out += format("colour table:     %zu entries\n", b.bitmap.palette.size());
    return out;
}

std::string waveText(const WaveFile& w) {
    const auto& f = w.wave.format;
    std::string out;
    out += format("format tag:       %u%s\n", unsigned(f.formatTag), f.isPlayablePcm() ? " (PCM)" : " (not playable)");
    out += format("rate:             %u Hz\n", f.samplesPerSec);
    out += format("bits per sample:  %u\n", unsigned(f.bitsPerSample));
    out += format("channels:         %u\n", unsigned(f.channels));
    out += format("frames:           %u\n", w.wave.frames());
    if (f.samplesPerSec > 0) {
        out += format("length:           %.3f s\n", double(w.wave.frames()) / f.samplesPerSec);
    }
    return out;
}

}  // namespace

int frameCountOf(const media::PictureListItem& item) {
    const platform::FrameLayout layout{item.patternWidth, item.patternHeight, item.skipWidth, item.skipHeight};
    return layout.frameCount(item.bitmap.width, item.bitmap.height);
}

std::string infoText(const AssetFile& file) {
    if (const auto* p = std::get_if<media::PictureListFile>(&file)) return pictureListText(*p);
    if (const auto* s = std::get_if<media::SoundListFile>(&file)) return soundListText(*s);
    if (const auto* b = std::get_if<BitmapFile>(&file)) return bitmapText(*b);
    return waveText(std::get<WaveFile>(file));
}

std::string infoJson(const AssetFile& file) {
    tools::Json j;
    if (const auto* p = std::get_if<media::PictureListFile>(&file)) {
        j["kind"] = "pictures";
        j["items"] = tools::Json::array();
        for (size_t i = 0; i < p->items.size(); ++i) {
            const auto& it = p->items[i];
            j["items"].push_back({{"index", i},
                                  {"name", tools::utf8Text(it.name)},
                                  {"width", it.bitmap.width},
                                  {"height", it.bitmap.height},
                                  {"bitsPerPixel", it.bitmap.bitsPerPixel},
                                  {"patternWidth", it.patternWidth},
                                  {"patternHeight", it.patternHeight},
                                  {"skipWidth", it.skipWidth},
                                  {"skipHeight", it.skipHeight},
                                  {"frames", frameCountOf(it)},
                                  {"transparent", it.transparent},
                                  {"transparentColor", uint32_t(it.transparentColor)}});
        }
    } else if (const auto* s = std::get_if<media::SoundListFile>(&file)) {
        j["kind"] = "sounds";
        j["items"] = tools::Json::array();
        for (size_t i = 0; i < s->items.size(); ++i) {
            const auto& it = s->items[i];
            const auto& f = it.wave.format;
            j["items"].push_back({{"index", i},
                                  {"name", tools::utf8Text(it.name)},
                                  {"rate", f.samplesPerSec},
                                  {"bits", f.bitsPerSample},
                                  {"channels", f.channels},
                                  {"frames", it.wave.frames()},
                                  {"looped", it.looped},
                                  {"maxPlayingCount", it.maxPlayingCount}});
        }
    } else if (const auto* b = std::get_if<BitmapFile>(&file)) {
        const auto& h = b->header;
        j = {{"kind", "bitmap"},
             {"width", h.width},
             {"height", h.height < 0 ? -int64_t{h.height} : int64_t{h.height}},
             {"bitsPerPixel", h.bitsPerPixel},
             {"headerSize", h.headerSize},
             {"compression", h.compression},
             {"topDown", h.topDown}};
    } else {
        const auto& w = std::get<WaveFile>(file).wave;
        j = {{"kind", "wave"},
             {"rate", w.format.samplesPerSec},
             {"bits", w.format.bitsPerSample},
             {"channels", w.format.channels},
             {"frames", w.frames()}};
    }
    return tools::jsonLine(j) + "\n";
}

}  // namespace orbigolf::assets
