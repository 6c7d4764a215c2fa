#include "platform/posix/DosAttrib.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace varnoke {
namespace {

using namespace std::string_literals;

struct ParseCase {
  const char* Label;
  std::string Value;
  std::optional<std::uint32_t> Expected;
};

// Samba 4 record: empty text, version 4, level 4, valid flags 0x11, attributes,
// then the birth time (ignored here).
const std::string kSambaV4 =
    "\0\0\x04\0\x04\0\0\0\x11\0\0\0\x22\0\0\0"
    "\x01\x02\x03\x04\x05\x06\x07\x08\x01\x02\x03\x04\x05\x06\x07\x08"s;

class ParseDosAttribTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDosAttribTest, ReadsTheStoredBits) {
  EXPECT_EQ(ParseDosAttrib(GetParam().Value), GetParam().Expected) << GetParam().Label;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseDosAttribTest,
    ::testing::Values(ParseCase{"text with NUL (Samba 3, ours)", "0x22\0"s, 0x22},
                      ParseCase{"text without NUL (Wine)", "0x2", 0x2},
                      ParseCase{"capital digits and X", "0X2A\0"s, 0x2A},
                      ParseCase{"eight digits", "0x00000027\0"s, 0x27},
                      ParseCase{"nine digits overflow", "0x100000000\0"s, std::nullopt},
                      ParseCase{"empty value", "", std::nullopt},
                      ParseCase{"no digits", "0x\0"s, std::nullopt},
                      ParseCase{"not hex", "0xZZ\0"s, std::nullopt},
                      ParseCase{"no 0x prefix", "22\0"s, std::nullopt},
                      ParseCase{"Samba 4 record", kSambaV4, 0x22},
                      ParseCase{"Samba 3 record keeps its text",
                                "0x21\0\0\x03\0\x03\0\0\0\x01\0\0\0\x20\0\0\0"s, 0x21},
                      ParseCase{"version 5 record",
                                "\0\0\x05\0\x05\0\0\0\x01\0\0\0\x06\0\0\0\0\0\0\0\0\0\0\0"s, 0x06},
                      ParseCase{"record without valid attributes",
                                "\0\0\x04\0\x04\0\0\0\x10\0\0\0\x22\0\0\0"s, std::nullopt},
                      ParseCase{"record cut short", "\0\0\x04\0\x04\0\0\0\x11\0\0"s, std::nullopt},
                      ParseCase{"level differs from version",
                                "\0\0\x04\0\x03\0\0\0\x11\0\0\0\x22\0\0\0"s, std::nullopt},
                      ParseCase{"unknown version", "\0\0\x09\0\x09\0\0\0\x11\0\0\0\x22\0\0\0"s,
                                std::nullopt}));

TEST(FormatDosAttribTest, WritesHexTextWithNul) {
  EXPECT_EQ(FormatDosAttrib(0x22), "0x22\0"s);
  EXPECT_EQ(FormatDosAttrib(0), "0x0\0"s);
  EXPECT_EQ(FormatDosAttrib(0xDEADBEEF), "0xdeadbeef\0"s);
}

}  // namespace
}  // namespace varnoke
