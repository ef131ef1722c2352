#pragma once
// What the full pages (loading picture, help pages, score card) share: the space
// backdrop, page texts read from content/pages, and text set with the outline fonts.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "art_context.h"

namespace orbigolf::content {

// Lines "<key> <words>" of a page text file, in file order.
std::vector<std::pair<std::string, std::string>> readPageText(const std::filesystem::path& file);
// The words of the first line with the key; throws when there is none.
std::string pageValue(const std::vector<std::pair<std::string, std::string>>& text,
                      const std::string& key, const std::filesystem::path& file);

// Deep-space gradient with nebula wisps and stars filling the canvas.
void drawSpaceBackdrop(const Canvas& c, unsigned seed);

// A glass panel with a metal rim.
void drawPagePanel(const Canvas& c, const Palette& t, double x, double y, double w, double h);

enum class Align { Left, Centre, Right };
// Sets one line of text with its baseline at y; returns its advance width.
double drawTextLine(const Canvas& c, FontFaces& fonts, FontStyle style, double size,
                    const std::string& text, double x, double y, Align align,
                    const Colour& colour);
// Title text with an orange glow behind it.
void drawGlowTitle(const Canvas& c, FontFaces& fonts, double size, const std::string& text,
                   double centreX, double baseline, const Colour& fill, const Colour& glow);
// Wraps the words into lines no wider than width; returns the number of lines set.
int drawWrapped(const Canvas& c, FontFaces& fonts, FontStyle style, double size,
                const std::string& text, double x, double y, double width, double lineHeight,
                Align align, const Colour& colour);

}  // namespace orbigolf::content
