#include "app/CTQ73setDlg.h"
#include "tests/app/active_window.h"
#include "tests/app/fake_ports.h"
#include "tests/app/qt_print.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

class WindowTyping : public ActiveWindow {
protected:
    WindowTyping() : ActiveWindow(fake_ports::None) {}
};

class FlowCharacterField : public WindowTyping, public ::testing::WithParamInterface<int> {
protected:
    QLineEdit* Field() { return Find<QLineEdit>(GetParam()); }
    void Type(const QString& keys) { QTest::keyClicks(Field(), keys); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Field(), key, modifiers);
    }
};

TEST_P(FlowCharacterField, RefusesAThirdTypedCharacter) {
    Field()->setFocus();
    Type(QStringLiteral("1"));
    EXPECT_EQ(Field()->text(), QStringLiteral("1"));
    Type(QStringLiteral("3F"));
    EXPECT_EQ(Field()->text(), QStringLiteral("13"));

    // Replacing a selection that leaves two characters is typing within the limit.
    Press(Qt::Key_Left, Qt::ShiftModifier);
    Type(QStringLiteral("1"));
    EXPECT_EQ(Field()->text(), QStringLiteral("11"));
}

TEST_P(FlowCharacterField, RefusesAPasteBeyondTwoCharacters) {
    Field()->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("7F0"));
    Field()->paste();
    EXPECT_EQ(Field()->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("7F"));
    Field()->paste();
    EXPECT_EQ(Field()->text(), QStringLiteral("7F"));
}

// A device may send more than two characters; they are shown whole, and the user can shorten them but not
// lengthen them.
TEST_P(FlowCharacterField, KeepsALongerLoadedTextWholeAndStillLimitsTyping) {
    Field()->setText(QStringLiteral("0x11"));
    EXPECT_EQ(Field()->text(), QStringLiteral("0x11"));

    Field()->setFocus();
    Press(Qt::Key_End);
    Type(QStringLiteral("2"));
    EXPECT_EQ(Field()->text(), QStringLiteral("0x11"));
    Press(Qt::Key_Home);
    Type(QStringLiteral("2"));
    EXPECT_EQ(Field()->text(), QStringLiteral("0x11"));

    Press(Qt::Key_Delete);
    EXPECT_EQ(Field()->text(), QStringLiteral("x11"));
    Press(Qt::Key_End);
    Type(QStringLiteral("2"));
    EXPECT_EQ(Field()->text(), QStringLiteral("x11"));
    // Typing over a selection is typing too: the text would still be too long.
    Press(Qt::Key_Left, Qt::ShiftModifier);
    Type(QStringLiteral("2"));
    EXPECT_EQ(Field()->text(), QStringLiteral("x11"));
    Press(Qt::Key_End);
    Press(Qt::Key_Backspace);
    EXPECT_EQ(Field()->text(), QStringLiteral("x1"));
    Type(QStringLiteral("2"));
    EXPECT_EQ(Field()->text(), QStringLiteral("x1"));

    Press(Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("13"));
    EXPECT_EQ(Field()->text(), QStringLiteral("13"));

    // A second load is again set whole, after the user's typing.
    Field()->setText(QStringLiteral("ABCDEF"));
    EXPECT_EQ(Field()->text(), QStringLiteral("ABCDEF"));
    Type(QStringLiteral("0"));
    EXPECT_EQ(Field()->text(), QStringLiteral("ABCDEF"));
}

INSTANTIATE_TEST_SUITE_P(XonAndXoffOfBothPorts, FlowCharacterField, ::testing::Values(1038, 1040, 1046, 1048));

struct RateEditCase {
    const char* name;
    int panel;
    std::function<void(QComboBox*)> edit;
    bool resetsInfo; // only what the user does counts as a change of rate
    friend void PrintTo(const RateEditCase& c, std::ostream* os) { *os << c.name; }
};

class RateEdit : public WindowTyping, public ::testing::WithParamInterface<RateEditCase> {};

TEST_P(RateEdit, ResetsOnlyItsOwnPanelsInfoLabel) {
    const QString figures = QStringLiteral("bps (0.16 %)");
    for (int index = 0; index < 2; ++index) {
        m_dialog.Panel(index).rate->setEditText(QStringLiteral("115200"));
        m_dialog.Panel(index).rateInfo->setText(figures);
    }
    const int panel = GetParam().panel;
    QComboBox* rate = m_dialog.Panel(panel).rate;
    rate->setFocus();
    GetParam().edit(rate);

    EXPECT_EQ(m_dialog.Panel(panel).rateInfo->text(), GetParam().resetsInfo ? QStringLiteral("bps") : figures);
    EXPECT_EQ(m_dialog.Panel(1 - panel).rateInfo->text(), figures);
}

void TypeADigit(QComboBox* rate) {
    QTest::keyClick(rate->lineEdit(), Qt::Key_0);
}

void DeleteADigit(QComboBox* rate) {
    QTest::keyClick(rate->lineEdit(), Qt::Key_Backspace);
}

void PickWithTheArrowKey(QComboBox* rate) {
    QTest::keyClick(rate->lineEdit(), Qt::Key_Down);
}

void PickFromTheList(QComboBox* rate) {
    rate->showPopup();
    QAbstractItemView* list = rate->view();
    const QRect item = list->visualRect(rate->model()->index(6, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    EXPECT_EQ(rate->currentText(), QStringLiteral("9600"));
}

void SetByTheProgram(QComboBox* rate) {
    rate->setEditText(QStringLiteral("9600"));
    rate->setCurrentIndex(3);
}

INSTANTIATE_TEST_SUITE_P(Edits, RateEdit,
                         ::testing::Values(RateEditCase{"TypingInA", 0, TypeADigit, true},
                                           RateEditCase{"TypingInB", 1, TypeADigit, true},
                                           RateEditCase{"DeletingInA", 0, DeleteADigit, true},
                                           RateEditCase{"ArrowKeyInB", 1, PickWithTheArrowKey, true},
                                           RateEditCase{"ListInA", 0, PickFromTheList, true},
                                           RateEditCase{"ListInB", 1, PickFromTheList, true},
                                           RateEditCase{"ProgramInA", 0, SetByTheProgram, false},
                                           RateEditCase{"ProgramInB", 1, SetByTheProgram, false}),
                         [](const ::testing::TestParamInfo<RateEditCase>& info) { return info.param.name; });

} // namespace
