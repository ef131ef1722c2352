#pragma once
// `orbigolf-assets` on FLIC animations (.fli, .flc): info, png, export and show.

#include <map>
#include <string>
#include <vector>

#include "media/dib.h"

namespace orbigolf::assets {

// Whether the file is an animation: by its magic, else by its extension.
bool isFlicFile(const std::string& fileName);

// What the file holds: the header's fields and, walking every frame, the chunk kinds used.
struct FlicSummary {
    uint16_t magic = 0;
    int frames = 0;  // the header's frame count
    int width = 0;
    int height = 0;
    int16_t speed = 0;
    int32_t delayMs = 0;       // the delay a player uses
    int framesInFile = 0;      // frame records found (a ring frame makes one more)
    std::map<int, int> chunks;  // chunk type -> how many
};

// Decodes every frame as well, so a damaged file gives the player's message (MediaError).
FlicSummary summariseFlic(const std::string& fileName);
std::string flicInfoText(const std::string& fileName, const FlicSummary& s);
std::string flicInfoJson(const std::string& fileName, const FlicSummary& s);

// Frame n (1-based) as a 24-bit picture; MediaError when n is not a frame of the file.
media::Bitmap flicFrame(const std::string& fileName, int n);
// Every frame as OUTDIR/0001.png, 0002.png, ...; returns the paths written.
std::vector<std::string> exportFlicFrames(const std::string& fileName, const std::string& outDir);

// Plays the animation in a window at its own speed (Space pauses, Escape or Q closes).
int showFlicFile(const std::string& fileName, bool windowed);

}  // namespace orbigolf::assets
