#pragma once
// Building holes into the program folder: one hole from a source, the set's five holes,
// and review pictures of them.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orbigolf::content {

class FontFaces;
struct HoleSource;

// The holes of the content set, by stem, in playing order.
const std::vector<std::string>& setHoleNames();

// Writes <stem>.hole, <stem>.dxg and <stem>.dxw into outDir from a hole source; the
// course picture has the given size, else the source's size hint, else the areas' extent.
void buildHoleFiles(const std::filesystem::path& source, const std::filesystem::path& outDir,
                    std::optional<std::pair<int, int>> size, FontFaces& fonts,
                    const std::filesystem::path& sources);

// Throws SourceError for a hole that would trap a ball for ever: a teleport, pipe or
// launcher whose exit lies inside itself.
void checkPlayable(const HoleSource& src);

// Every hole of the set from sources/holes.
void buildHoleSet(const std::filesystem::path& sources, const std::filesystem::path& outDir,
                  FontFaces& fonts);

// For each hole source (the set's holes when none is given): <stem>-course.png,
// <stem>-areas.png, <stem>-foreground.png and <stem>-card.png.
void writeHoleReview(const std::filesystem::path& sources, const std::filesystem::path& outDir,
                     std::vector<std::filesystem::path> holeSources = {});

// "WxH" -> size; throws with a message otherwise.
std::pair<int, int> parseSize(const std::string& text);

}  // namespace orbigolf::content
