// Form streams written by other programs: the generic reader walks each to its last byte, and
// the writer gives back the same bytes.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "corpus_test_support.h"
#include "media/component_stream.h"
#include "media/file_read.h"

namespace orbigolf::media {
namespace {

using test::corpusDir;

TEST(CorpusTpf0, FormStreamsReadToTheEndAndWriteBackUnchanged) {
    ORBIGOLF_REQUIRE_CORPUS("tpf0");
    size_t streams = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpusDir() / "tpf0")) {
        if (!entry.is_regular_file()) continue;
        const Bytes file = readFileBytes(entry.path().string());
        // The form files carry a resource header before the stream; the payloads start with it.
        size_t at = 0;
        while (at + 4 <= file.size() && std::memcmp(file.data() + at, "TPF0", 4) != 0) ++at;
        if (at + 4 > file.size()) continue;
        const ByteView stream = ByteView(file).subspan(at);
        ++streams;
        ComponentReader r(stream);
        StreamObject root;
        ASSERT_NO_THROW({
            r.readSignature();
            root = r.readObject();
        }) << entry.path();
        EXPECT_TRUE(r.atEnd()) << entry.path() << " stops at " << r.position() << " of " << stream.size();

        ComponentWriter w;
        w.writeSignature();
        w.writeObject(root);
        EXPECT_TRUE(std::equal(w.bytes().begin(), w.bytes().end(), stream.begin(), stream.end())) << entry.path();

        // Skipping every root property lands where reading them does.
        ComponentReader skipper(stream);
        skipper.readSignature();
        skipper.readObjectHeader();
        while (!skipper.readPropertyName().empty()) skipper.skipValue();
        ComponentReader reader(stream);
        reader.readSignature();
        reader.readObjectHeader();
        while (!reader.readPropertyName().empty()) reader.readValue();
        EXPECT_EQ(skipper.position(), reader.position()) << entry.path();
    }
    EXPECT_GE(streams, 40u);
}

}  // namespace
}  // namespace orbigolf::media
