#include "app/CTQ73setDlg.h"
#include "app/dialog_units.h"
#include "app/window_template.h"
#include "tests/app/fake_ports.h"
#include "tests/app/qt_print.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

struct ExpectedControl {
    int id;
    ControlKind kind;
    const char* text;
    QRect dialogUnits;
    friend void PrintTo(const ExpectedControl& c, std::ostream* os) {
        if (c.id == kNoControlId) {
            *os << (*c.text != '\0' ? c.text : "line") << " at y " << c.dialogUnits.y();
        } else {
            *os << c.id;
        }
    }
};

// The layout as designed, in template order.
const ExpectedControl kExpected[] = {
    {1000, ControlKind::DropDownList, "", {75, 10, 150, 315}},
    {1001, ControlKind::PushButton, "接続", {175, 25, 50, 14}},
    {1003, ControlKind::DropDown, "", {80, 92, 48, 242}},
    {1004, ControlKind::AutoRadioButton, "8bit", {80, 110, 27, 10}},
    {1005, ControlKind::AutoRadioButton, "7bit", {110, 110, 27, 10}},
    {1006, ControlKind::AutoRadioButton, "なし", {80, 125, 27, 10}},
    {1007, ControlKind::AutoRadioButton, "奇数", {110, 125, 30, 10}},
    {1008, ControlKind::AutoRadioButton, "偶数", {140, 125, 30, 10}},
    {1009, ControlKind::AutoRadioButton, "1bit", {80, 140, 27, 10}},
    {1010, ControlKind::AutoRadioButton, "2bit", {110, 140, 27, 10}},
    {1049, ControlKind::AutoRadioButton, "なし", {80, 155, 30, 10}},
    {1022, ControlKind::AutoRadioButton, "RTS-CTS", {110, 155, 45, 10}},
    {1036, ControlKind::AutoRadioButton, "Xon-Xoff", {155, 155, 45, 10}},
    {1038, ControlKind::Edit, "", {90, 170, 20, 14}},
    {1040, ControlKind::Edit, "", {170, 170, 20, 14}},
    {1012, ControlKind::DropDown, "", {80, 219, 48, 242}},
    {1013, ControlKind::AutoRadioButton, "8bit", {80, 235, 27, 10}},
    {1014, ControlKind::AutoRadioButton, "7bit", {110, 235, 27, 10}},
    {1015, ControlKind::AutoRadioButton, "なし", {80, 251, 27, 10}},
    {1016, ControlKind::AutoRadioButton, "奇数", {110, 251, 30, 10}},
    {1017, ControlKind::AutoRadioButton, "偶数", {140, 251, 30, 10}},
    {1018, ControlKind::AutoRadioButton, "1bit", {80, 265, 27, 10}},
    {1019, ControlKind::AutoRadioButton, "2bit", {110, 265, 27, 10}},
    {1050, ControlKind::AutoRadioButton, "なし", {80, 280, 30, 10}},
    {1043, ControlKind::AutoRadioButton, "RTS-CTS", {110, 280, 45, 10}},
    {1044, ControlKind::AutoRadioButton, "Xon-Xoff", {155, 280, 42, 10}},
    {1046, ControlKind::Edit, "", {90, 295, 20, 14}},
    {1048, ControlKind::Edit, "", {170, 295, 20, 14}},
    {1033, ControlKind::PushButton, "設定", {175, 330, 50, 14}},
    {1011, ControlKind::StaticText, "bps", {130, 95, 75, 8}},
    {kNoControlId, ControlKind::StaticText, "USB接続 COMポート:", {10, 12, 62, 8}},
    {1002, ControlKind::StaticText, "", {20, 50, 205, 8}},
    {kNoControlId, ControlKind::EtchedHorzLine, "", {15, 70, 210, 1}},
    {1027, ControlKind::StaticText, "ポートA", {25, 80, 22, 8}},
    {1023, ControlKind::StaticText, "通信速度:", {30, 95, 30, 8}},
    {1024, ControlKind::StaticText, "データビット:", {30, 110, 31, 8}},
    {1025, ControlKind::StaticText, "パリティ:", {30, 125, 21, 8}},
    {1026, ControlKind::StaticText, "ストップビット:", {30, 140, 34, 8}},
    {1035, ControlKind::StaticText, "フロー制御:", {30, 155, 31, 8}},
    {1037, ControlKind::StaticText, "Xon (HEX指定):", {40, 172, 46, 8}},
    {1039, ControlKind::StaticText, "Xoff (HEX指定):", {120, 172, 47, 8}},
    {kNoControlId, ControlKind::EtchedHorzLine, "", {15, 195, 210, 1}},
    {1028, ControlKind::StaticText, "ポートB", {25, 205, 22, 8}},
    {1029, ControlKind::StaticText, "通信速度:", {30, 221, 30, 8}},
    {1030, ControlKind::StaticText, "データビット:", {30, 235, 31, 8}},
    {1031, ControlKind::StaticText, "パリティ:", {30, 251, 21, 8}},
    {1032, ControlKind::StaticText, "ストップビット:", {30, 265, 34, 8}},
    {1020, ControlKind::StaticText, "bps", {130, 221, 75, 8}},
    {kNoControlId, ControlKind::EtchedHorzLine, "", {15, 320, 210, 1}},
    {1034, ControlKind::StaticText, "Version 1.00", {15, 335, 135, 8}}, // from the program's version
    {1041, ControlKind::StaticText, "フロー制御:", {30, 280, 31, 8}},
    {1045, ControlKind::StaticText, "Xon (HEX指定):", {40, 297, 46, 8}},
    {1047, ControlKind::StaticText, "Xoff (HEX指定):", {120, 297, 47, 8}},
};

// Named controls by their id; the unnamed ones, which no code addresses, by their row.
QWidget* FindControl(const CTQ73setDlg& dialog, const ExpectedControl& expected) {
    const int top = DialogUnits::FromFont(dialog.font()).ToPixelsY(expected.dialogUnits.y());
    for (QWidget* widget : dialog.Controls()) {
        const bool found = expected.id != kNoControlId ? widget->objectName() == QString::number(expected.id)
                                                       : widget->objectName().isEmpty() && widget->y() == top;
        if (found) {
            return widget;
        }
    }
    return nullptr;
}

QString TextOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    return QString();
}

void ExpectKind(const QWidget* widget, ControlKind kind) {
    switch (kind) {
    case ControlKind::DropDownList: {
        const auto* combo = qobject_cast<const QComboBox*>(widget);
        ASSERT_NE(combo, nullptr);
        EXPECT_FALSE(combo->isEditable());
        EXPECT_EQ(combo->count(), 0);
        break;
    }
    case ControlKind::DropDown: {
        const auto* combo = qobject_cast<const QComboBox*>(widget);
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->isEditable());
        EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
        EXPECT_EQ(combo->completer(), nullptr);
        break;
    }
    case ControlKind::PushButton: {
        const auto* button = qobject_cast<const QPushButton*>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
        break;
    }
    case ControlKind::AutoRadioButton: {
        const auto* radio = qobject_cast<const QRadioButton*>(widget);
        ASSERT_NE(radio, nullptr);
        EXPECT_FALSE(radio->isChecked());
        break;
    }
    case ControlKind::Edit: {
        const auto* edit = qobject_cast<const QLineEdit*>(widget);
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->hasFrame());
        break;
    }
    case ControlKind::StaticText: {
        const auto* label = qobject_cast<const QLabel*>(widget);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        break;
    }
    case ControlKind::EtchedHorzLine: {
        const auto* line = qobject_cast<const QFrame*>(widget);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(qobject_cast<const QLabel*>(widget), nullptr);
        EXPECT_EQ(line->frameShape(), QFrame::HLine);
        EXPECT_EQ(line->frameShadow(), QFrame::Sunken);
        break;
    }
    }
}

class WindowControl : public ::testing::TestWithParam<ExpectedControl> {
protected:
    CTQ73setDlg m_dialog{fake_ports::None};
};

TEST_P(WindowControl, ExistsWithItsKindTextAndPlace) {
    const ExpectedControl& expected = GetParam();
    const QWidget* widget = FindControl(m_dialog, expected);
    ASSERT_NE(widget, nullptr);
    ExpectKind(widget, expected.kind);
    EXPECT_EQ(TextOf(widget), QString::fromUtf8(expected.text));

    const QRect designed = DialogUnits::FromFont(m_dialog.font()).ToPixels(expected.dialogUnits);
    const QRect actual = widget->geometry();
    switch (expected.kind) {
    case ControlKind::DropDownList:
    case ControlKind::DropDown:
        // The template's height is the dropped list's; the field itself keeps its natural height.
        EXPECT_EQ(actual, QRect(designed.topLeft(), QSize(designed.width(), widget->sizeHint().height())));
        break;
    case ControlKind::StaticText:
    case ControlKind::AutoRadioButton:
        // A text may take more room than designed, never less.
        EXPECT_EQ(actual.top(), designed.top());
        EXPECT_EQ(actual.height(), designed.height());
        EXPECT_LE(actual.left(), designed.left());
        EXPECT_GE(actual.right(), designed.right());
        break;
    default:
        EXPECT_EQ(actual, designed);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Template, WindowControl, ::testing::ValuesIn(kExpected));

class WindowLayout : public ::testing::Test {
protected:
    CTQ73setDlg m_dialog{fake_ports::None};
};

TEST_F(WindowLayout, ControlsComeInTemplateOrder) {
    ASSERT_EQ(m_dialog.Controls().size(), std::size(kExpected));
    for (std::size_t i = 0; i < std::size(kExpected); ++i) {
        const QString id = kExpected[i].id == kNoControlId ? QString() : QString::number(kExpected[i].id);
        EXPECT_EQ(m_dialog.Controls()[i]->objectName(), id) << "at " << i;
    }
}

TEST_F(WindowLayout, IsAFixedDialogOfTheTemplateSize) {
    const DialogUnits units = DialogUnits::FromFont(m_dialog.font());
    const QSize designed(units.ToPixelsX(239), units.ToPixelsY(358));
    EXPECT_EQ(m_dialog.size(), designed);
    EXPECT_EQ(m_dialog.minimumSize(), designed);
    EXPECT_EQ(m_dialog.maximumSize(), designed);
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("TQ-73set"));

    EXPECT_EQ(m_dialog.windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = m_dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
}

// A family list that resolves to none of its families would silently give a Latin font without the kana.
TEST_F(WindowLayout, UsesAJapaneseGothicAtNinePointInTheClassicStyle) {
    const QFontInfo info(m_dialog.font());
    const QStringList families = {QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
                                  QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")};
    EXPECT_TRUE(families.contains(info.family())) << info.family().toStdString();
    EXPECT_EQ(m_dialog.font().pointSize(), 9);
    if (info.family() == QStringLiteral("IPAPGothic")) {
        const DialogUnits units = DialogUnits::FromFont(m_dialog.font());
        EXPECT_EQ(units.BaseX(), 7);
        EXPECT_EQ(units.BaseY(), 13);
    }
    EXPECT_EQ(m_dialog.style()->name(), QStringLiteral("windows"));
}

TEST_F(WindowLayout, NoTwoControlsOverlapAndAllAreInside) {
    const std::vector<QWidget*>& controls = m_dialog.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(m_dialog.rect().contains(controls[i]->geometry())) << controls[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << i << " (" << controls[i]->objectName().toStdString() << ") and " << j << " ("
                << controls[j]->objectName().toStdString() << ")";
        }
    }
}

TEST_F(WindowLayout, EveryTextIsShownWhole) {
    for (const QWidget* widget : m_dialog.Controls()) {
        const QString text = TextOf(widget);
        const int textWidth = widget->fontMetrics().horizontalAdvance(text);
        const std::string name = text.toStdString();
        if (qobject_cast<const QLabel*>(widget) != nullptr || qobject_cast<const QRadioButton*>(widget) != nullptr) {
            // The size hint is the text plus, for a radio button, its indicator and the gap after it.
            EXPECT_LE(widget->sizeHint().width(), widget->width()) << name;
            EXPECT_LE(textWidth, widget->width()) << name;
        } else if (qobject_cast<const QPushButton*>(widget) != nullptr) {
            const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
            EXPECT_LE(textWidth + 2 * margin, widget->width()) << name;
            EXPECT_LE(widget->fontMetrics().height(), widget->height()) << name;
        }
    }
}

TEST_F(WindowLayout, OpensCentredOnTheScreen) {
    m_dialog.show();
    const QRect screen = m_dialog.screen()->availableGeometry();
    const QPoint offset = m_dialog.frameGeometry().center() - screen.center();
    // Qt allows for a window frame that it can only guess before the window is first shown (40 pixels too
    // high or low without a window manager); a window left at the screen's corner is hundreds of pixels off.
    EXPECT_LE(std::abs(offset.x()), 50);
    EXPECT_LE(std::abs(offset.y()), 50);
}

std::vector<QString> NamesOf(const PortPanel& panel) {
    std::vector<const QWidget*> members(std::begin(panel.labels), std::end(panel.labels));
    members.insert(members.end(), {panel.rate, panel.rateInfo});
    members.insert(members.end(), std::begin(panel.dataBits), std::end(panel.dataBits));
    members.insert(members.end(), std::begin(panel.parity), std::end(panel.parity));
    members.insert(members.end(), std::begin(panel.stopBits), std::end(panel.stopBits));
    members.insert(members.end(), std::begin(panel.flow), std::end(panel.flow));
    members.insert(members.end(), {panel.xon, panel.xoff});
    std::vector<QString> names;
    for (const QWidget* member : members) {
        names.push_back(member != nullptr ? member->objectName() : QStringLiteral("(unbound)"));
    }
    return names;
}

std::vector<QString> Names(std::initializer_list<int> ids) {
    std::vector<QString> names;
    for (int id : ids) {
        names.push_back(QString::number(id));
    }
    return names;
}

TEST_F(WindowLayout, PanelsHoldTheirPortsControls) {
    EXPECT_EQ(NamesOf(m_dialog.Panel(0)), Names({1023, 1024, 1025, 1026, 1027, 1035, 1037, 1039, 1003, 1011, 1004,
                                                 1005, 1006, 1007, 1008, 1009, 1010, 1049, 1022, 1036, 1038, 1040}));
    EXPECT_EQ(NamesOf(m_dialog.Panel(1)), Names({1029, 1030, 1031, 1032, 1028, 1041, 1045, 1047, 1012, 1020, 1013,
                                                 1014, 1015, 1016, 1017, 1018, 1019, 1050, 1043, 1044, 1046, 1048}));
}

} // namespace
