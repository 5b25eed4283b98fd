#include "ports/add_port.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct AddPortCase {
    const char* name;
    std::string friendlyName;
    CodePage codePage;
    std::optional<std::string> port; // none: no entry is added
    friend void PrintTo(const AddPortCase& c, std::ostream* os) { *os << c.name; }
};

class AddPortTest : public testing::TestWithParam<AddPortCase> {};

TEST_P(AddPortTest, TakesThePortFromTheFriendlyName) {
    const AddPortCase& c = GetParam();
    PortTable table;
    EXPECT_EQ(AddPort(table, c.friendlyName, c.codePage), c.port.has_value());
    if (!c.port) {
        EXPECT_EQ(table.Count(), 0u);
        return;
    }
    ASSERT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.At(0)->label, c.friendlyName);
    EXPECT_EQ(table.At(0)->port, *c.port);
}

constexpr auto kUtf8 = CodePage::Utf8;
constexpr auto kCp932 = CodePage::Cp932;

// "USB シリアル デバイス (COM3)" in code page 932; several of its second bytes are ASCII letters.
const std::string kJapaneseName = "USB \x83V\x83\x8A\x83\x41\x83\x8B \x83\x66\x83o\x83\x43\x83X (COM3)";

INSTANTIATE_TEST_SUITE_P(
    Names, AddPortTest,
    testing::Values(AddPortCase{"UsbSerialDevice", "USB Serial Device (COM3)", kUtf8, "COM3"},
                    AddPortCase{"TwoDigits", "Communications Port (COM12)", kUtf8, "COM12"},
                    AddPortCase{"AtTheStart", "(COM8)", kUtf8, "COM8"},
                    AddPortCase{"NoComPrefix", "Generic USB Hub", kUtf8, std::nullopt},
                    AddPortCase{"LowercasePrefix", "Device (com3)", kUtf8, std::nullopt},
                    AddPortCase{"NoClosingParenthesis", "Device (COM5", kUtf8, std::nullopt},
                    AddPortCase{"LetterAfterPrefix", "Device (COMx)", kUtf8, std::nullopt},
                    AddPortCase{"TrailingLetter", "Device (COM7a)", kUtf8, "COM7"},
                    AddPortCase{"EmptyNumber", "Device (COM)", kUtf8, "COM0"},
                    AddPortCase{"LeadingZeros", "Device (COM007)", kUtf8, "COM7"},
                    AddPortCase{"LeadingBlank", "Device (COM 5)", kUtf8, std::nullopt},
                    AddPortCase{"LeadingSign", "Device (COM+5)", kUtf8, std::nullopt},
                    AddPortCase{"NegativeSign", "Device (COM-5)", kUtf8, std::nullopt},
                    AddPortCase{"FirstOfTwo", "A (COM4) B (COM5)", kUtf8, "COM4"},
                    AddPortCase{"Largest", "Device (COM2147483647)", kUtf8, "COM2147483647"},
                    AddPortCase{"OneTooLarge", "Device (COM2147483648)", kUtf8, "COM2147483647"},
                    AddPortCase{"FarTooLarge", "Device (COM99999999999999999999)", kUtf8, "COM2147483647"},
                    AddPortCase{"JapaneseName", kJapaneseName, kCp932, "COM3"},
                    // 0x83 is a lead byte in code page 932 and takes the parenthesis with it.
                    AddPortCase{"Cp932PrefixInsideCharacter", "\x83(COM3)", kCp932, std::nullopt},
                    AddPortCase{"Cp932LaterPrefix", "\x83(COM3) (COM4)", kCp932, "COM4"},
                    AddPortCase{"Utf8PrefixAfterHighByte", "\x83(COM3)", kUtf8, "COM3"},
                    AddPortCase{"Cp932ParenthesisInsideCharacter", "Device (COM3\x81)", kCp932, std::nullopt},
                    AddPortCase{"Utf8ParenthesisAfterHighByte", "Device (COM3\x81)", kUtf8, "COM3"}),
    [](const testing::TestParamInfo<AddPortCase>& info) { return info.param.name; });

TEST(AddPort, KeepsDiscoveryOrderAndDuplicates) {
    PortTable table;
    EXPECT_TRUE(AddPort(table, "Communications Port (COM1)"));
    EXPECT_FALSE(AddPort(table, "Disk drive"));
    EXPECT_TRUE(AddPort(table, "USB Serial Device (COM1)"));
    ASSERT_EQ(table.Count(), 2u);
    EXPECT_EQ(table.At(0)->label, "Communications Port (COM1)");
    EXPECT_EQ(table.At(1)->label, "USB Serial Device (COM1)");
    EXPECT_EQ(table.At(1)->port, "COM1");
}

TEST(AddPort, DropsThePortWhenTheTableIsFull) {
    PortTable table;
    for (std::size_t i = 0; i < PortTable::kCapacity; ++i) {
        ASSERT_TRUE(AddPort(table, "Port (COM" + std::to_string(i + 1) + ")"));
    }
    EXPECT_FALSE(AddPort(table, "Port (COM999)"));
    EXPECT_EQ(table.Count(), PortTable::kCapacity);
    EXPECT_EQ(table.At(PortTable::kCapacity - 1)->port, "COM256");
}

} // namespace
