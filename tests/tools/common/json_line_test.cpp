// JSON lines as the tools write them: nlohmann/json's text, with reals at 17 significant
// digits so they read back exactly and match earlier outputs byte for byte.

#include "json_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace orbigolf::tools {
namespace {

TEST(JsonLine, RealsHaveSeventeenDigitsAndEverythingElseIsPlainJson) {
    const Json line = {{"tick", int64_t{-3}},
                       {"x", 0.1},
                       {"y", 5000.0},
                       {"z", -0.0},
                       {"big", 1e300},
                       {"moving", false},
                       {"n", uint32_t{4000000000u}},
                       {"name", "a \"b\"\n\\"},
                       {"list", {1, 2.5, nullptr}},
                       {"bad", std::numeric_limits<double>::quiet_NaN()}};
    EXPECT_EQ(jsonLine(line),
              "{\"tick\":-3,\"x\":0.10000000000000001,\"y\":5000,\"z\":-0,\"big\":1."
              "0000000000000001e+300,"
              "\"moving\":false,\"n\":4000000000,\"name\":\"a "
              "\\\"b\\\"\\n\\\\\",\"list\":[1,2.5,null],\"bad\":null}");
    // Read back, every real is the same double.
    for (const double v : {0.1, 1.0 / 3, 2.0 / 3 * 1e-7, 123456.789}) {
        const std::string text = jsonLine(Json(v));
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
        EXPECT_EQ(Json::parse(text).get<double>(), v) << text;
    }
}

TEST(JsonLine, EightBitNamesBecomeUtf8) {
    EXPECT_EQ(utf8Text("caf\xE9"), "caf\xC3\xA9");        // Latin-1
    EXPECT_EQ(utf8Text("caf\xC3\xA9"), "caf\xC3\xA9");    // already UTF-8
    EXPECT_EQ(utf8Text("\xE2\x82"), "\xC3\xA2\xC2\x82");  // a cut sequence
    EXPECT_EQ(jsonLine(Json(utf8Text("\x01\xFF"))), "\"\\u0001\xC3\xBF\"");
    // A string that missed utf8Text, as a value or as a member's name, still gives a line.
    const Json raw = {{"Jos\xE9", "Jos\xE9"}, {"list", {"\xC3"}}};
    EXPECT_EQ(jsonLine(raw), "{\"Jos\xEF\xBF\xBD\":\"Jos\xEF\xBF\xBD\",\"list\":[\"\xEF\xBF\xBD\"]}");
}

}  // namespace
}  // namespace orbigolf::tools
