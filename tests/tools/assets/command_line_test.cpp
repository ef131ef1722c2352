// orbigolf-assets reads one command line whatever the file: --help after every command, one
// line and status 2 for an unknown option or a value that does not suit the file, one line and
// status 1 for a file that cannot be read.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "../../media/flic_test_files.h"
#include "assets_tool_run.h"
#include "media/picture_list_file.h"
#include "sample_files.h"

namespace orbigolf::assets {
namespace {

class AssetsCommandLine : public AssetsToolRun {
protected:
    // A file of every kind: picture list, animation, movie and form.
    std::vector<std::string> everyKind() const {
        media::PictureListFile list;
        list.items.emplace_back().name = "one";
        list.items.back().setDib(media::makeBitmap(4, 4));
        media::savePictureListFile(path("pictures.dxg"), list);

        media::test::FlicFileBuilder flic;
        flic.frame({media::test::literalChunk(std::vector<uint8_t>(32, 1))});
        const media::Bytes b = flic.bytes();
        std::ofstream(path("anim.flc"), std::ios::binary)
            .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));

        test::writeSampleMovie(path("movie.avi"));
        test::writeSampleForm(path("form.dfm"));
        return {path("pictures.dxg"), path("anim.flc"), path("movie.avi"), path("form.dfm")};
    }
};

TEST_F(AssetsCommandLine, HelpWorksAfterEveryCommandForEveryKind) {
    for (const std::string& file : everyKind()) {
        const std::string f = "'" + file + "'";
        const std::string out = "'" + path("out") + "'";
        for (const std::string& args : {"info " + f + " --help", "info " + f + " --json -h",
                                        "png " + f + " " + out + " 1 --help", "export " + f + " " + out + " --help",
                                        "show " + f + " --windowed --help", "info --help " + f}) {
            const Result r = run(args);
            EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
            EXPECT_NE(r.out.find("\nusage: orbigolf-assets " + args.substr(0, args.find(' ')) + " "), std::string::npos)
                << args << "\n" << r.out;
            EXPECT_EQ(r.err, "") << args;
        }
    }
    const Result r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("a movie (.avi) or a form holding hot-spot images"), std::string::npos) << r.out;
}

TEST_F(AssetsCommandLine, WrongArgumentsGiveOneLineAndStatusTwoForEveryKind) {
    for (const std::string& file : everyKind()) {
        const std::string f = "'" + file + "'";
        Result r = run("info " + f + " --bogus");
        EXPECT_EQ(r.status, 2) << file;
        EXPECT_EQ(r.err, "orbigolf-assets: unknown option --bogus (see --help)\n") << file;
        EXPECT_EQ(r.out, "");
        r = run("info " + f + " extra");
        EXPECT_EQ(r.status, 2) << file;
        EXPECT_EQ(r.err, "orbigolf-assets: unexpected argument 'extra' (see --help)\n") << file;
        r = run("export " + f);
        EXPECT_EQ(r.status, 2) << file;
        EXPECT_EQ(r.err.find("orbigolf-assets: "), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }

    // ITEM is checked against the kind of file.
    const std::string out = "'" + path("x.png") + "'";
    for (const char* frame : {"0", "x", "1x", "-1"}) {
        const Result r = run("png '" + path("anim.flc") + "' " + out + " " + frame);
        EXPECT_EQ(r.status, 2) << frame;
        EXPECT_EQ(r.err, "orbigolf-assets: ITEM takes a frame number from 1, not '" + std::string(frame) +
                             "' (see --help)\n");
    }
    Result r = run("png '" + path("movie.avi") + "' " + out + " 0");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "orbigolf-assets: ITEM takes a frame number from 1, not '0' (see --help)\n");
    r = run("png '" + path("form.dfm") + "' " + out + " -1");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "orbigolf-assets: ITEM takes a picture number from 0, not '-1' (see --help)\n");
}

TEST_F(AssetsCommandLine, FilesThatCannotBeUsedGiveOneLineAndStatusOne) {
    everyKind();
    for (const char* name : {"none.flc", "none.avi", "none.dfm", "none.dxg"}) {
        const Result r = run("info '" + path(name) + "'");
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_EQ(r.err, "orbigolf-assets: Cannot open file " + path(name) + ": no such file or folder\n");
    }
    Result r = run("png '" + path("form.dfm") + "' '" + path("x.png") + "' 3");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: " + path("form.dfm") + ": List index out of bounds (3)\n");
    r = run("show '" + path("form.dfm") + "' --windowed");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: " + path("form.dfm") + ": A form cannot be shown; png and export write its pictures\n");
    r = run("png '" + path("anim.flc") + "' '" + path("x.png") + "' 2");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: " + path("anim.flc") + ": Frame 2 is not in 1..1\n");
}

}  // namespace
}  // namespace orbigolf::assets
