#include "app/CTQ73setDlg.h"
#include "ports/refresh_port_list.h"
#include "protocol/port_settings.h"
#include "tests/app/fake_ports.h"
#include "tests/app/panel_widgets.h"
#include "tests/app/qt_print.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

namespace {

QStringList OfferedRates() {
    QStringList rates;
    for (int rate : kOfferedRates) {
        rates << QString::number(rate);
    }
    return rates;
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

template <typename Control = QWidget> Control* Find(const CTQ73setDlg& dialog, int id) {
    auto* control = dialog.findChild<Control*>(QString::number(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
}

// The caption of the port list, the one label that code never addresses.
const QWidget* PortListCaption(const CTQ73setDlg& dialog) {
    for (const QWidget* widget : dialog.Controls()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label != nullptr && label->text() == QStringLiteral("USB接続 COMポート:")) {
            return label;
        }
    }
    return nullptr;
}

struct OpeningCase {
    const char* name;
    PortEnumeration ports;
    QStringList portList;
    int selected;
    friend void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }
};

class WindowOpening : public ::testing::TestWithParam<OpeningCase> {
protected:
    CTQ73setDlg m_dialog{GetParam().ports};
};

TEST_P(WindowOpening, ShowsThePortsWithTheSettingsSwitchedOff) {
    auto* portList = Find<QComboBox>(m_dialog, 1000);
    EXPECT_EQ(Items(portList), GetParam().portList);
    EXPECT_EQ(portList->isEnabled(), !GetParam().portList.isEmpty());
    EXPECT_EQ(portList->currentIndex(), GetParam().selected);

    for (int index = 0; index < 2; ++index) {
        const PortPanel& panel = m_dialog.Panel(index);
        for (const QWidget* widget : PanelWidgets(panel)) {
            EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
            if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
                EXPECT_FALSE(radio->isChecked()) << widget->objectName().toStdString();
            }
        }
        EXPECT_EQ(Items(panel.rate), OfferedRates());
        EXPECT_EQ(panel.rate->currentIndex(), -1);
        EXPECT_EQ(panel.rate->currentText(), QString());
        EXPECT_EQ(panel.rateInfo->text(), QStringLiteral("bps"));
        EXPECT_EQ(panel.xon->text(), QString());
        EXPECT_EQ(panel.xoff->text(), QString());
    }
    EXPECT_FALSE(Find(m_dialog, 1033)->isEnabled());

    auto* connect = Find<QPushButton>(m_dialog, 1001);
    EXPECT_TRUE(connect->isEnabled());
    EXPECT_EQ(connect->text(), QStringLiteral("接続"));
    auto* firmware = Find<QLabel>(m_dialog, 1002);
    EXPECT_TRUE(firmware->isEnabled());
    EXPECT_EQ(firmware->text(), QString());
    auto* version = Find<QLabel>(m_dialog, 1034);
    EXPECT_TRUE(version->isEnabled());
    EXPECT_EQ(version->text(), QStringLiteral("Version 1.00"));
    ASSERT_NE(PortListCaption(m_dialog), nullptr);
    EXPECT_TRUE(PortListCaption(m_dialog)->isEnabled());
}

TEST_P(WindowOpening, CarriesItsIcon) {
    const QIcon icon = m_dialog.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(64, 64)));
}

INSTANTIATE_TEST_SUITE_P(
    Systems, WindowOpening,
    ::testing::Values(OpeningCase{"NoPorts", fake_ports::None, {}, -1},
                      OpeningCase{"Tq73", fake_ports::Tq73, {QStringLiteral("TQ-73 USB Serial Device (ttyACM0)")}, 0},
                      OpeningCase{
                          "UsbPortSecond",
                          [](PortTable& table) {
                              table.Clear();
                              table.Add({"通信ポート (ttyS0)", "ttyS0"});
                              table.Add({"USB シリアル デバイス (ttyUSB0)", "ttyUSB0"});
                              return true;
                          },
                          {QStringLiteral("通信ポート (ttyS0)"), QStringLiteral("USB シリアル デバイス (ttyUSB0)")},
                          1},
                      OpeningCase{"EnumerationFails", [](PortTable&) { return false; }, {}, -1}),
    [](const ::testing::TestParamInfo<OpeningCase>& info) { return info.param.name; });

// What a connected window shows, as a load leaves it.
class EnableControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dialog.EnableControls(true);
        Find<QLabel>(m_dialog, 1002)->setText(QStringLiteral("Firmware Version 1.23"));
        for (int index = 0; index < 2; ++index) {
            const PortPanel& panel = m_dialog.Panel(index);
            panel.rate->setEditText(QStringLiteral("115200"));
            panel.rateInfo->setText(QStringLiteral("bps (0.16 %)"));
            panel.parity[2]->setChecked(true);
            panel.xon->setText(QStringLiteral("11"));
            panel.xoff->setText(QStringLiteral("13"));
        }
    }

    // Every control outside the panels and the Set button, which stay as they are either way.
    std::vector<const QWidget*> OtherControls() const {
        std::vector<const QWidget*> others;
        for (const QWidget* widget : m_dialog.Controls()) {
            bool inPanel = widget->objectName() == QStringLiteral("1033");
            for (int index = 0; index < 2; ++index) {
                for (const QWidget* member : PanelWidgets(m_dialog.Panel(index))) {
                    inPanel = inPanel || member == widget;
                }
            }
            if (!inPanel) {
                others.push_back(widget);
            }
        }
        return others;
    }

    CTQ73setDlg m_dialog{fake_ports::Tq73};
};

TEST_F(EnableControlsTest, SwitchesThePanelsAndSetOnly) {
    for (bool enable : {true, false, true}) {
        m_dialog.EnableControls(enable);
        for (int index = 0; index < 2; ++index) {
            for (const QWidget* widget : PanelWidgets(m_dialog.Panel(index))) {
                EXPECT_EQ(widget->isEnabled(), enable) << widget->objectName().toStdString();
            }
        }
        EXPECT_EQ(Find(m_dialog, 1033)->isEnabled(), enable);
        const std::vector<const QWidget*> others = OtherControls();
        // The port list and its caption, Connect, the firmware and version lines, three separators.
        EXPECT_EQ(others.size(), 8u);
        for (const QWidget* widget : others) {
            EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
        }
    }
}

TEST_F(EnableControlsTest, SwitchingOffClearsTheDevicesFiguresAndKeepsTheValues) {
    m_dialog.EnableControls(false);
    EXPECT_EQ(Find<QLabel>(m_dialog, 1002)->text(), QString());
    for (int index = 0; index < 2; ++index) {
        const PortPanel& panel = m_dialog.Panel(index);
        EXPECT_EQ(panel.rateInfo->text(), QStringLiteral("bps"));
        EXPECT_EQ(panel.rate->currentText(), QStringLiteral("115200"));
        EXPECT_TRUE(panel.parity[2]->isChecked());
        EXPECT_EQ(panel.xon->text(), QStringLiteral("11"));
        EXPECT_EQ(panel.xoff->text(), QStringLiteral("13"));
    }
}

TEST_F(EnableControlsTest, SwitchingOnKeepsWhatIsShown) {
    m_dialog.EnableControls(true);
    EXPECT_EQ(Find<QLabel>(m_dialog, 1002)->text(), QStringLiteral("Firmware Version 1.23"));
    EXPECT_EQ(m_dialog.Panel(0).rateInfo->text(), QStringLiteral("bps (0.16 %)"));
    EXPECT_EQ(m_dialog.Panel(1).rateInfo->text(), QStringLiteral("bps (0.16 %)"));
}

} // namespace
