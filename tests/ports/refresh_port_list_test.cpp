#include "ports/refresh_port_list.h"
#include "tests/ports/fake_port_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

PortEntry Com(int number) {
    return {"Communications Port (COM" + std::to_string(number) + ")", "COM" + std::to_string(number)};
}

PortEntry Usb(int number) {
    return {"USB Serial Device (COM" + std::to_string(number) + ")", "COM" + std::to_string(number)};
}

struct RefreshCase {
    const char* name;
    std::vector<PortEntry> before; // the table and the list before the refresh
    std::optional<std::size_t> selectedBefore;
    std::vector<PortEntry> found;        // what the enumeration puts into the table
    bool enumerated;                     // what the enumeration returns
    std::optional<std::size_t> selected; // none: the list must end empty and disabled
    CodePage codePage = CodePage::Utf8;
    friend void PrintTo(const RefreshCase& c, std::ostream* os) { *os << c.name; }
};

class RefreshPortListTest : public testing::TestWithParam<RefreshCase> {
protected:
    void SetUp() override {
        const RefreshCase& c = GetParam();
        for (const PortEntry& entry : c.before) {
            ASSERT_TRUE(m_table.Add(entry));
            m_list.Append(entry.label);
        }
        if (c.selectedBefore) {
            m_list.Select(*c.selectedBefore);
        }
    }

    PortTable m_table;
    FakePortList m_list;
};

TEST_P(RefreshPortListTest, ShowsTheFoundPortsAndPicksOne) {
    const RefreshCase& c = GetParam();
    RefreshPortList(
        m_table, m_list,
        [&c](PortTable& table) {
            table.Clear();
            for (const PortEntry& entry : c.found) {
                table.Add(entry);
            }
            return c.enumerated;
        },
        c.codePage);

    if (!c.selected) {
        EXPECT_EQ(m_list.Enabled(), false);
        EXPECT_TRUE(m_list.Items().empty());
        EXPECT_EQ(m_list.SelectedIndex(), std::nullopt);
        return;
    }
    EXPECT_EQ(m_list.Enabled(), true);
    std::vector<std::string> labels;
    for (const PortEntry& entry : c.found) {
        labels.push_back(entry.label);
    }
    EXPECT_EQ(m_list.Items(), labels);
    EXPECT_EQ(m_list.SelectedIndex(), c.selected);
}

// "\x83USB" in code page 932: the 'U' is the second byte of a double-byte character.
const PortEntry kCp932NotUsb{"\x83USB Port (COM2)", "COM2"};

INSTANTIATE_TEST_SUITE_P(
    Cases, RefreshPortListTest,
    testing::Values(
        RefreshCase{"UsbWinsOverPreviousChoice", {Com(1), Usb(5)}, 0, {Com(1), Usb(5)}, true, 1},
        RefreshCase{"FirstUsbWins", {}, std::nullopt, {Com(1), Usb(7), Usb(3)}, true, 1},
        RefreshCase{
            "LowercaseUsbDoesNotCount", {Com(1), Com(4)}, 1, {Com(1), {"usb serial (COM2)", "COM2"}, Com(4)}, true, 2},
        RefreshCase{"KeepsSelectionInPlace", {Com(1), Com(4)}, 1, {Com(1), Com(4)}, true, 1},
        RefreshCase{"KeepsSelectionThatMoved", {Com(1), Com(4)}, 1, {Com(4), Com(3), Com(1)}, true, 0},
        RefreshCase{"KeepsSelectionAtFirstOfDuplicates", {Com(4)}, 0, {Com(1), Com(4), Com(4)}, true, 1},
        RefreshCase{"SelectedPortGone", {Com(1), Com(4)}, 1, {Com(1), Com(3)}, true, 0},
        RefreshCase{"NothingSelectedBefore", {}, std::nullopt, {Com(3), Com(1)}, true, 0},
        RefreshCase{"NoPorts", {Com(1), Com(4)}, 1, {}, true, std::nullopt},
        RefreshCase{"EnumerationFails", {Com(1), Com(4)}, 1, {}, false, std::nullopt},
        RefreshCase{"EnumerationFailsAfterFindingPorts", {}, std::nullopt, {Usb(3)}, false, std::nullopt},
        RefreshCase{"Cp932SecondByteIsNotUsb", {}, std::nullopt, {Com(1), kCp932NotUsb}, true, 0, CodePage::Cp932},
        RefreshCase{"Utf8HighByteBeforeUsb", {}, std::nullopt, {Com(1), kCp932NotUsb}, true, 1, CodePage::Utf8}),
    [](const testing::TestParamInfo<RefreshCase>& info) { return info.param.name; });

TEST(RefreshPortList, EnablesTheListAgainWhenPortsReturn) {
    PortTable table;
    FakePortList list;
    std::vector<PortEntry> present;
    const PortEnumeration enumerate = [&present](PortTable& t) {
        t.Clear();
        for (const PortEntry& entry : present) {
            t.Add(entry);
        }
        return !present.empty();
    };

    RefreshPortList(table, list, enumerate);
    EXPECT_EQ(list.Enabled(), false);

    present = {Com(2), Usb(9)};
    RefreshPortList(table, list, enumerate);
    EXPECT_EQ(list.Enabled(), true);
    EXPECT_EQ(list.SelectedLabel(), "USB Serial Device (COM9)");

    // With the selected USB port gone, the first item is selected.
    present = {Com(2), Com(6)};
    RefreshPortList(table, list, enumerate);
    EXPECT_EQ(list.SelectedLabel(), "Communications Port (COM2)");
}

} // namespace
