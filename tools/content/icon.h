#pragma once
// The program's icon for desktop menus: a ball on a floating green with its flag, against
// a star field, drawn at each size rather than scaled so that the small one stays crisp.

#include <filesystem>
#include <memory>
#include <vector>

#include "canvas.h"

namespace orbigolf::content {

// The sizes a desktop installs (hicolor theme folders "<N>x<N>").
const std::vector<int>& iconSizes();

// The icon at size x size pixels, transparent outside its rounded tile.
std::unique_ptr<Canvas> drawIcon(int size);

// Writes OUTDIR/hicolor/<N>x<N>/apps/orbigolf.png for every size, as the icon theme lays
// them out (made when missing).
void writeIcons(const std::filesystem::path& outDir);

}  // namespace orbigolf::content
