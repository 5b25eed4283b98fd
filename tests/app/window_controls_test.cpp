#include "app/CTQ73setDlg.h"
#include "tests/app/active_window.h"
#include "tests/app/fake_ports.h"
#include "tests/app/qt_print.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

class WindowControls : public ActiveWindow {
protected:
    WindowControls() : ActiveWindow(fake_ports::Tq73) {}

    // The template control that holds the keyboard focus (an editable combo box's inner field counts as the box).
    int FocusedId() {
        QWidget* widget = QApplication::focusWidget();
        while (widget != nullptr && widget->parentWidget() != &m_dialog) {
            widget = widget->parentWidget();
        }
        return widget != nullptr ? widget->objectName().toInt() : 0;
    }

    std::vector<int> PressTab(std::size_t times, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        std::vector<int> visited;
        for (std::size_t i = 0; i < times; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            visited.push_back(FocusedId());
        }
        return visited;
    }
};

const std::vector<std::vector<int>> kRadioGroups = {
    {1004, 1005}, {1006, 1007, 1008}, {1009, 1010}, {1049, 1022, 1036}, // port A
    {1013, 1014}, {1015, 1016, 1017}, {1018, 1019}, {1050, 1043, 1044}, // port B
};

TEST_F(WindowControls, RadioButtonsExcludeEachOtherWithinTheirGroupOnly) {
    std::map<int, bool> expected;
    for (const std::vector<int>& group : kRadioGroups) {
        for (int id : group) {
            expected[id] = false;
        }
    }
    ASSERT_EQ(m_dialog.findChildren<QRadioButton*>().size(), expected.size());

    for (const std::vector<int>& group : kRadioGroups) {
        std::vector<int> clicks = group;
        clicks.push_back(group.front()); // back to the first, and once more on a checked one
        clicks.push_back(group.front());
        for (int clicked : clicks) {
            QTest::mouseClick(Find<QRadioButton>(clicked), Qt::LeftButton);
            for (int id : group) {
                expected[id] = id == clicked;
            }
            for (const auto& [id, checked] : expected) {
                EXPECT_EQ(Find<QRadioButton>(id)->isChecked(), checked) << "button " << id << " after " << clicked;
            }
        }
    }
}

const std::vector<int> kTabStops = {1000, 1001, 1003, 1004, 1006, 1009, 1049, 1038, 1040,
                                    1012, 1013, 1015, 1018, 1050, 1046, 1048, 1033};

TEST_F(WindowControls, TabVisitsTheTabStopsInTemplateOrderAndWrapsAround) {
    Find(kTabStops.front())->setFocus();
    std::vector<int> expected(kTabStops.begin() + 1, kTabStops.end());
    expected.push_back(kTabStops.front());
    EXPECT_EQ(PressTab(kTabStops.size()), expected);
}

TEST_F(WindowControls, ShiftTabVisitsThemBackwards) {
    Find(kTabStops.front())->setFocus();
    std::vector<int> expected(kTabStops.rbegin(), kTabStops.rend());
    EXPECT_EQ(PressTab(kTabStops.size(), Qt::ShiftModifier), expected);
}

// As in a Windows dialog, Tab enters a group of radio buttons at its checked button.
TEST_F(WindowControls, TabEntersARadioGroupAtItsCheckedButton) {
    QTest::mouseClick(Find<QRadioButton>(1005), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>(1036), Qt::LeftButton);
    Find(1003)->setFocus();
    EXPECT_EQ(PressTab(5), (std::vector<int>{1005, 1006, 1009, 1036, 1038}));
}

class RateField : public WindowControls, public ::testing::WithParamInterface<int> {};

// The leftmost column of the field where text is drawn.
int InkLeft(QLineEdit* edit) {
    const QImage image = edit->grab().toImage();
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                return x;
            }
        }
    }
    return -1;
}

TEST_P(RateField, TypingStopsBeforeTheTextWouldScroll) {
    auto* rate = Find<QComboBox>(GetParam());
    QLineEdit* edit = rate->lineEdit();
    rate->setFocus();
    QTest::keyClick(edit, Qt::Key_1);
    const int unscrolled = InkLeft(edit);
    ASSERT_GE(unscrolled, 0);

    const QString digits = QStringLiteral("12345678901234567890");
    QTest::keyClicks(edit, digits.mid(1));
    const QString typed = rate->currentText();
    EXPECT_TRUE(digits.startsWith(typed)) << typed.toStdString();
    EXPECT_LT(typed.size(), digits.size());
    EXPECT_GE(typed.size(), 7); // the highest rate, 1000000, can be typed
    EXPECT_EQ(InkLeft(edit), unscrolled);

    // Deleting makes room again.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_0);
    EXPECT_EQ(rate->currentText(), typed.chopped(1) + QLatin1Char('0'));
    EXPECT_EQ(InkLeft(edit), unscrolled);
}

TEST_P(RateField, TextSetByTheProgramStaysWhole) {
    auto* rate = Find<QComboBox>(GetParam());
    const QString text = QStringLiteral("1234567890123456789012345");
    rate->setEditText(text);
    EXPECT_EQ(rate->currentText(), text);
    rate->addItem(text);
    rate->setCurrentIndex(rate->count() - 1);
    EXPECT_EQ(rate->currentText(), text);
}

// A reply can carry a rate too wide for the field: it is shown whole, and typing can shorten it but not widen it.
TEST_P(RateField, TypingAfterAWideTextSetByTheProgramIsStillLimited) {
    auto* rate = Find<QComboBox>(GetParam());
    QLineEdit* edit = rate->lineEdit();
    const QString text = QStringLiteral("1234567890123456789012345");
    rate->setEditText(text);
    rate->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_9);
    EXPECT_EQ(rate->currentText(), text);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(rate->currentText(), text.chopped(1));
    QTest::keyClick(edit, Qt::Key_9);
    EXPECT_EQ(rate->currentText(), text.chopped(1));
}

TEST_P(RateField, ListShowsSixteenRatesWithoutScrolling) {
    auto* rate = Find<QComboBox>(GetParam());
    ASSERT_EQ(rate->count(), 16);
    rate->showPopup();
    EXPECT_TRUE(rate->view()->isVisible());
    EXPECT_FALSE(rate->view()->verticalScrollBar()->isVisible());
    rate->hidePopup();
}

INSTANTIATE_TEST_SUITE_P(PortsAAndB, RateField, ::testing::Values(1003, 1012));

TEST_F(WindowControls, PortListScrollsALongList) {
    auto* ports = Find<QComboBox>(1000);
    for (int i = 0; i < 100; ++i) {
        ports->addItem(QStringLiteral("USB Serial Device (ttyACM%1)").arg(i));
    }
    ports->showPopup();
    EXPECT_TRUE(ports->view()->verticalScrollBar()->isVisible());
    ports->hidePopup();
}

} // namespace
