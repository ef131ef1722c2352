#include "front_end_content.h"

#include "finish.h"
#include "front_screens.h"
#include "media/media_error.h"
#include "movies.h"
#include "platform/movie/movie.h"

namespace orbigolf::content {

namespace fs = std::filesystem;

void buildFrontEndContent(const ArtContext& art, const fs::path& outDir) {
    media::writeFileBytes((outDir / kMenuPictureFile).string(), buildHotSpotMenu(art, false).bmp());
    media::writeFileBytes((outDir / kMenuMaskFile).string(), buildHotSpotMenu(art, true).bmp());
    media::writeFileBytes((outDir / kClosingPictureFile).string(), buildClosingPicture(art).bmp());
    writeLogoMovie(art, outDir / kLogoMovieFile);
    writeIntroMovie(art, outDir / kIntroMovieFile);
}

std::vector<ReviewPicture> frontEndReviewPictures(const fs::path& dir) {
    std::vector<ReviewPicture> out;
    for (const char* name : {kMenuPictureFile, kMenuMaskFile, kClosingPictureFile})
        out.push_back({name, media::loadBmpFile((dir / name).string())});
    for (const char* name : {kLogoMovieFile, kIntroMovieFile}) {
        platform::Movie movie = platform::Movie::open((dir / name).string());
        const int every = std::max(1, static_cast<int>(movie.info().framesPerSecond + 0.5));
        std::vector<media::Bitmap> frames;
        platform::Surface s;
        for (int64_t i = 0; movie.nextFrame(s); ++i) {
            if (i % every != 0) continue;
            media::Bitmap b = media::makeBitmap(s.width(), s.height());
            for (int y = 0; y < s.height(); ++y)
                for (int x = 0; x < s.width(); ++x) {
                    const platform::Rgb c = platform::fromRgb565(s.pixel(x, y));
                    b.pixel(x, y) = media::makeRgb(c.r, c.g, c.b);
                }
            frames.push_back(std::move(b));
        }
        out.push_back({std::string(name) + " (one frame a second)", tileFrames(frames, 4), movie.info().width,
                       movie.info().height});
    }
    return out;
}

std::vector<ReviewSound> frontEndReviewSounds(const fs::path& dir) {
    std::vector<ReviewSound> out;
    for (const char* name : {kLogoMovieFile, kIntroMovieFile})
        out.push_back({std::string(name) + " sound track", platform::Movie::open((dir / name).string()).soundTrack()});
    return out;
}

}  // namespace orbigolf::content
