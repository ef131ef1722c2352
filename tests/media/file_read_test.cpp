// Whole-file reading: names in any letter case, and every kind of path that is not a
// readable regular file refused at once with a reason.

#include "media/media_error.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "media/dib.h"
#include "media/file_lookup.h"
#include "test_bytes.h"

namespace orbigolf::media {
namespace {

namespace fs = std::filesystem;

class FileRead : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("orbigolf_file_read_" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string path(const std::string& name) const { return (root_ / name).string(); }

    // The reason readFileText gives, after checking readFileBytes agrees.
    std::string whyNot(const std::string& name, size_t maxBytes = kMaxFileBytes) const {
        std::string why;
        EXPECT_FALSE(readFileText(name, maxBytes, &why).has_value()) << name;
        try {
            readFileBytes(name, maxBytes);
            ADD_FAILURE() << name << " was read";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + name);
            EXPECT_EQ(e.describe(), why);
        }
        try {
            withFileBytes(name, [&](ByteView) { ADD_FAILURE() << name << " was read"; }, maxBytes);
        } catch (const FileError& e) {
            EXPECT_EQ(e.describe(), why);
        }
        return why;
    }

    fs::path root_;
};

TEST_F(FileRead, NamesFromWindowsDataSetsMatchInAnyCase) {
    fs::create_directories(root_ / "Skins" / "Blue");
    const fs::path real = root_ / "Skins" / "Blue" / "PANEL.Bmp";
    writeFileBytes(real.string(), encodeBmp24(makeBitmap(3, 2)));

    const std::string asked = path("skins/blue/panel.bmp");
    EXPECT_EQ(resolveFileName(asked), real.string());
    EXPECT_EQ(loadBmpFile(asked).width, 3);
    EXPECT_EQ(resolveFileName(real.string()), real.string());

    // Nothing matches: the name as asked, and the error names it.
    const std::string missing = path("skins/red/panel.bmp");
    EXPECT_EQ(resolveFileName(missing), missing);
    EXPECT_EQ(test::errorOf([&] { loadBmpFile(missing); }), "Cannot open file " + missing);
    EXPECT_EQ(whyNot(missing), "Cannot open file " + missing + ": no such file or folder");
}

TEST_F(FileRead, ReadsTextAndBytesUpToTheCap) {
    writeFileBytes(path("a.hole"), Bytes{'[', 'x', ']', '\n', 0, 0xFF});
    EXPECT_EQ(readFileText(path("A.HOLE")), std::string("[x]\n\0\xFF", 6));
    EXPECT_EQ(readFileBytes(path("a.hole"), 6).size(), 6u);
    EXPECT_EQ(whyNot(path("a.hole"), 5),
              "Cannot open file " + path("a.hole") + ": larger than 5 bytes");
    writeFileBytes(path("empty"), Bytes{});
    EXPECT_EQ(readFileText(path("empty"), 0), "");
    // A file the system reports as empty but which has content is still read whole.
    if (fs::exists("/proc/self/status")) {
        EXPECT_NE(readFileText("/proc/self/status").value_or("").find("Name:"), std::string::npos);
    }
}

TEST_F(FileRead, RefusesWhatIsNotARegularFileAtOnce) {
    EXPECT_EQ(whyNot(root_.string()), "Cannot open file " + root_.string() + ": it is a folder");
    // Neither endless nor blocking: a device and a FIFO without a writer.
    EXPECT_EQ(whyNot("/dev/zero"), "Cannot open file /dev/zero: not a regular file");
    const std::string fifo = path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(whyNot(fifo), "Cannot open file " + fifo + ": not a regular file");
    if (::geteuid() != 0) {
        writeFileBytes(path("secret"), Bytes{1});
        fs::permissions(path("secret"), fs::perms::none);
        EXPECT_EQ(whyNot(path("secret")),
                  "Cannot open file " + path("secret") + ": Permission denied");
    }
}

TEST_F(FileRead, ReadingIntoTheKeptBufferGivesEachFileWhole) {
    auto bytesOf = [&](const std::string& name) {
        Bytes got;
        withFileBytes(name, [&](ByteView b) { got.assign(b.begin(), b.end()); });
        return got;
    };
    Bytes big(300000);
    for (size_t i = 0; i < big.size(); ++i) big[i] = uint8_t(i * 7 + i / 251);
    writeFileBytes(path("big"), big);
    writeFileBytes(path("small"), Bytes{9, 8, 7});
    writeFileBytes(path("empty"), Bytes{});
    EXPECT_EQ(bytesOf(path("small")), (Bytes{9, 8, 7}));
    EXPECT_EQ(bytesOf(path("big")), big);
    EXPECT_EQ(bytesOf(path("small")), (Bytes{9, 8, 7}));  // a smaller file after a bigger one
    EXPECT_EQ(bytesOf(path("empty")), Bytes{});
    if (fs::exists("/proc/self/status")) {
        const Bytes status = bytesOf("/proc/self/status");
        EXPECT_NE(std::string(status.begin(), status.end()).find("Name:"), std::string::npos);
    }

    // A read from inside another gets its own buffer; the outer bytes stay as they were.
    withFileBytes(path("big"), [&](ByteView outer) {
        EXPECT_EQ(bytesOf(path("small")), (Bytes{9, 8, 7}));
        EXPECT_EQ(bytesOf(path("big")), big);
        EXPECT_TRUE(std::equal(outer.begin(), outer.end(), big.begin(), big.end()));
    });
    // What the caller throws goes on, and the buffer serves the next read.
    EXPECT_EQ(test::errorOf([&] { withFileBytes(path("small"), [](ByteView) { throw MediaError("stop"); }); }),
              "stop");
    EXPECT_EQ(bytesOf(path("big")), big);
}

TEST_F(FileRead, ABigFileShortenedWhileItIsReadIsReportedInsteadOfStoppingTheProgram) {
    const Bytes big(size_t{1} << 20, 0x5A);
    writeFileBytes(path("big"), big);
    const std::string error = test::errorOf([&] {
        try {
            withFileBytes(path("big"), [&](ByteView b) {
                ASSERT_EQ(::truncate(path("big").c_str(), 4096), 0);
                EXPECT_EQ(b.front(), 0x5A);
                EXPECT_EQ(b.back(), 0);  // the lost part reads as zeros
            });
        } catch (const FileError& e) {
            throw MediaError(e.describe());
        }
    });
    EXPECT_EQ(error, "Cannot open file " + path("big") + ": the file changed while it was read");

    // What the caller makes of the zeros gives way to the same report.
    writeFileBytes(path("big"), big);
    const std::string damaged = test::errorOf([&] {
        try {
            withFileBytes(path("big"), [&](ByteView b) {
                ASSERT_EQ(::truncate(path("big").c_str(), 0), 0);
                if (b.back() == 0) throw MediaError("DIB is invalid");
            });
        } catch (const FileError& e) {
            throw MediaError(e.reason());
        }
    });
    EXPECT_EQ(damaged, "the file changed while it was read");

    // The next reads are whole again.
    writeFileBytes(path("big"), big);
    Bytes got;
    withFileBytes(path("big"), [&](ByteView b) { got.assign(b.begin(), b.end()); });
    EXPECT_EQ(got, big);
}

TEST_F(FileRead, WritingReplacesTheFileWhole) {
    writeFileBytes(path("f"), Bytes{1, 2, 3});
    writeFileBytes(path("f"), Bytes{4});
    EXPECT_EQ(readFileBytes(path("f")), Bytes{4});
    EXPECT_FALSE(fs::exists(path("f.tmp")));
    try {
        writeFileBytes(path("no/such/folder/f"), Bytes{1});
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(e.describe(),
                  "Cannot create file " + path("no/such/folder/f") + ": no such file or folder");
    }
}

}  // namespace
}  // namespace orbigolf::media
