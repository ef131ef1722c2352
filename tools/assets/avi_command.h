#pragma once
// `orbigolf-assets` on AVI movies: info, png, export and show.

#include <string>
#include <vector>

#include "media/dib.h"
#include "platform/movie/movie.h"

namespace orbigolf::assets {

// Whether the file is a movie: by the ".avi" extension; a name without one of the tool's
// known extensions by "RIFF....AVI " at its start.
bool isAviFile(const std::string& fileName);

std::string aviInfoText(const std::string& fileName, const platform::MovieInfo& info);
std::string aviInfoJson(const std::string& fileName, const platform::MovieInfo& info);

// Frame n (1-based) as a 24-bit picture; MovieError when the movie has no frame n.
media::Bitmap aviFrame(const std::string& fileName, int n);
// Every frame as OUTDIR/0001.png, 0002.png, ...; returns the paths written.
std::vector<std::string> exportAviFrames(const std::string& fileName, const std::string& outDir);

// Plays the movie in a window at its own speed with its sound (Escape or Q closes).
int showAviFile(const std::string& fileName, bool windowed);

}  // namespace orbigolf::assets
