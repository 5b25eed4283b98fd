#include "app/CTQ73setDlg.h"
#include "app/panel_values.h"
#include "tests/app/panel_widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class PanelValues : public testing::Test {
protected:
    CTQ73setDlg window;
    const PortPanel& a = window.Panel(0);
    const PortPanel& b = window.Panel(1);
};

TEST_F(PanelValues, ALineSettingsReplyFillsItsPanelOnly) {
    ShowLineSettings(a, {"38400", "7", "E", "2", "H", "0.16"});
    EXPECT_EQ(a.rate->currentText(), "38400");
    EXPECT_EQ(Checked(a.dataBits), (std::vector<bool>{false, true}));
    EXPECT_EQ(Checked(a.parity), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Checked(a.stopBits), (std::vector<bool>{false, true}));
    EXPECT_EQ(Checked(a.flow), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(a.rateInfo->text(), "bps (0.16 %)");

    EXPECT_EQ(b.rate->currentText(), "");
    EXPECT_EQ(Checked(b.parity), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(b.rateInfo->text(), "bps");
}

TEST_F(PanelValues, AnUnknownOrWrongCaseCodeLeavesItsWholeGroupUnchecked) {
    ShowLineSettings(a, {"9600", "8", "E", "1", "S", "0.00"});
    ShowLineSettings(a, {"9600", "8 ", "X", "1", "s", "0.00"});
    EXPECT_EQ(Checked(a.dataBits), (std::vector<bool>{false, false}));
    EXPECT_EQ(Checked(a.parity), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(Checked(a.stopBits), (std::vector<bool>{true, false}));
    EXPECT_EQ(Checked(a.flow), (std::vector<bool>{false, false, false}));

    // The groups still exclude each other afterwards.
    window.EnableControls(true);
    a.parity[0]->click();
    a.parity[1]->click();
    EXPECT_EQ(Checked(a.parity), (std::vector<bool>{false, true, false}));
}

TEST_F(PanelValues, DeviceTextIsShownLiterallyAndWhole) {
    ShowLineSettings(b, {"<b>9600</b>", "8", "N", "1", "N", "<i>0.16</i>"});
    EXPECT_EQ(b.rateInfo->textFormat(), Qt::PlainText);
    EXPECT_EQ(b.rateInfo->text(), "bps (<i>0.16</i> %)");
    EXPECT_EQ(b.rate->currentText(), "<b>9600</b>");

    ShowFlowCharacters(b, {"FFFFFFFF", "100000000"});
    EXPECT_EQ(b.xon->text(), "FFFFFFFF");
    EXPECT_EQ(b.xoff->text(), "100000000");
}

TEST_F(PanelValues, ReadsBackWhatTheUserSees) {
    ShowLineSettings(b, {" 009600", "7", "O", "2", "S", "0.00"});
    ShowFlowCharacters(b, {"a", ""});
    const PanelInput input = ReadPanelInput(b);
    EXPECT_EQ(input.rateText, " 009600");
    EXPECT_EQ(input.dataBits, 1);
    EXPECT_EQ(input.parity, 1);
    EXPECT_EQ(input.stopBits, 1);
    EXPECT_EQ(input.flow, 2);
    EXPECT_EQ(input.xonText, "a");
    EXPECT_EQ(input.xoffText, "");

    const PanelInput empty = ReadPanelInput(a);
    EXPECT_EQ(empty.dataBits, -1);
    EXPECT_EQ(empty.parity, -1);
    EXPECT_EQ(empty.flow, -1);
}

} // namespace
