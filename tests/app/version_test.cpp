#include "app/file_version.h"
#include "app/version_line.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

void PrintTo(const FileVersion& v, std::ostream* os) {
    *os << v.major << "." << v.minor << "." << v.build << "." << v.revision;
}

namespace {

struct ParseCase {
    const char* text;
    std::optional<FileVersion> version;
    friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ParseFileVersionTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseFileVersionTest, ReadsOneToFourWords) {
    EXPECT_EQ(ParseFileVersion(GetParam().text), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFileVersionTest,
    ::testing::Values(ParseCase{"1.0.0.0", FileVersion{1, 0, 0, 0}}, ParseCase{"2.1.3.0", FileVersion{2, 1, 3, 0}},
                      ParseCase{"65535.65535.65535.65535", FileVersion{65535, 65535, 65535, 65535}},
                      ParseCase{"3", FileVersion{3, 0, 0, 0}}, ParseCase{"1.2", FileVersion{1, 2, 0, 0}},
                      ParseCase{"1.2.3", FileVersion{1, 2, 3, 0}}, ParseCase{"007.1.0.0", FileVersion{7, 1, 0, 0}},
                      // No version: what a build without one gives, and what no version resource would hold.
                      ParseCase{"", std::nullopt}, ParseCase{"1.0.0.0.0", std::nullopt},
                      ParseCase{"65536.0.0.0", std::nullopt}, ParseCase{"1..0", std::nullopt},
                      ParseCase{"1.0.", std::nullopt}, ParseCase{".1", std::nullopt}, ParseCase{"-1.0", std::nullopt},
                      ParseCase{"+1.0", std::nullopt}, ParseCase{" 1.0", std::nullopt}, ParseCase{"1.0 ", std::nullopt},
                      ParseCase{"1.0-rc1", std::nullopt}, ParseCase{"v1.0", std::nullopt}));

struct LineCase {
    std::optional<FileVersion> version;
    const char* line;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }
};

class VersionLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(VersionLineTest, ShowsTheRevisionOnlyWhenItIsNotZero) {
    EXPECT_EQ(VersionLine(GetParam().version), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionLineTest,
                         ::testing::Values(LineCase{FileVersion{1, 0, 0, 0}, "Version 1.00"},
                                           LineCase{FileVersion{2, 1, 3, 0}, "Version 2.13"},
                                           LineCase{FileVersion{1, 0, 0, 5}, "Version 1.005"},
                                           LineCase{FileVersion{1, 2, 34, 0}, "Version 1.234"},
                                           LineCase{FileVersion{12, 10, 11, 12}, "Version 12.101112"},
                                           LineCase{FileVersion{65535, 65535, 65535, 65535},
                                                    "Version 65535.655356553565535"},
                                           LineCase{std::nullopt, ""}));

TEST(ProgramFileVersion, IsTheVersionTheBuildSet) {
    EXPECT_EQ(ProgramFileVersion(), (FileVersion{1, 0, 0, 0}));
}

} // namespace
