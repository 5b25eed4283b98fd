#include "app/help.h"
#include "app/program_name.h"
#include "tests/app/qt_print.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct PathCase {
    const char* program;
    const char* name;
    const char* helpFile;
    friend void PrintTo(const PathCase& c, std::ostream* os) { *os << c.program; }
};

class ProgramFiles : public ::testing::TestWithParam<PathCase> {};

TEST_P(ProgramFiles, NameDropsTheExtension) {
    EXPECT_EQ(ProgramName(QString::fromUtf8(GetParam().program)), QString::fromUtf8(GetParam().name));
}

TEST_P(ProgramFiles, HelpFileReplacesTheExtension) {
    EXPECT_EQ(HelpFilePath(QString::fromUtf8(GetParam().program)), QString::fromUtf8(GetParam().helpFile));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramFiles,
    ::testing::Values(PathCase{"/usr/bin/TQ-73set", "TQ-73set", "/usr/bin/TQ-73set.HLP"},
                      PathCase{"/opt/tq73/TQ-73set.exe", "TQ-73set", "/opt/tq73/TQ-73set.HLP"},
                      PathCase{"/home/user/Renamed Tool.exe", "Renamed Tool", "/home/user/Renamed Tool.HLP"},
                      // Only the last dot of the file's own name starts the extension.
                      PathCase{"/opt/tools.d/settings.v2.bin", "settings.v2", "/opt/tools.d/settings.v2.HLP"},
                      PathCase{"/opt/tools.d/TQ-73set", "TQ-73set", "/opt/tools.d/TQ-73set.HLP"},
                      PathCase{"/home/ユーザー/設定.exe", "設定", "/home/ユーザー/設定.HLP"}));

// This test program is the window's program under another name.
TEST(ApplicationName, IsTheRunningProgramsFileName) {
    EXPECT_EQ(ApplicationName(), QStringLiteral("app_tests"));
}

} // namespace
