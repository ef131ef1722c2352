#include "flic_sheet.h"

#include <algorithm>

#include "finish.h"
#include "media/flic_player.h"

namespace orbigolf::content {

namespace fs = std::filesystem;

std::vector<FlicSheetPicture> flicSheetPictures(const fs::path& contentDir, int framesEach) {
    std::vector<fs::path> files;
    for (const auto& f : fs::directory_iterator(contentDir))
        if (f.path().extension() == ".flc") files.push_back(f.path());
    std::sort(files.begin(), files.end());
    std::vector<FlicSheetPicture> out;
    for (const fs::path& file : files) {
        media::TFliPlayerTimer player([] { return uint64_t{0}; });
        player.setFileName(file.string());
        player.Play();
        const int count = player.frameCount();
        const int w = player.animationWidth() / 2, h = player.animationHeight() / 2;
        std::vector<int> numbers;
        for (int k = 0; k < framesEach; ++k) {
            const int n = framesEach == 1 ? 1 : 1 + (count - 1) * k / (framesEach - 1);
            if (numbers.empty() || numbers.back() != n) numbers.push_back(n);
        }
        std::vector<media::Bitmap> cells;
        std::string title = file.filename().string() + "  frames";
        for (int n : numbers) {
            if (!player.GotoFrame(n)) break;
            const media::FlicPicture& p = player.picture();
            media::Bitmap cell = media::makeBitmap(w, h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    int r = 0, g = 0, b = 0;
                    for (int k = 0; k < 4; ++k) {
                        const platform::Rgb c =
                            p.palette[p.indexes[size_t(2 * y + k / 2) * size_t(p.width) + size_t(2 * x + k % 2)]];
                        r += c.r;
                        g += c.g;
                        b += c.b;
                    }
                    cell.pixel(x, y) = media::makeRgb(uint8_t(r / 4), uint8_t(g / 4), uint8_t(b / 4));
                }
            cells.push_back(std::move(cell));
            title += ' ';
            title += std::to_string(n);
        }
        player.Stop();
        if (cells.empty()) continue;
        out.push_back({title + " of " + std::to_string(count) + ", half size", tileFrames(cells, int(cells.size())), w, h});
    }
    return out;
}

}  // namespace orbigolf::content
