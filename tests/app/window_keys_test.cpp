#include "app/CTQ73setDlg.h"
#include "protocol/messages.h"
#include "tests/app/fake_ports.h"
#include "tests/app/message_box_catcher.h"
#include "tests/app/qt_print.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The window shown and active, connected as far as its controls tell, with values in its fields.
class WindowKeys : public ::testing::Test {
protected:
    void SetUp() override {
        m_dialog.EnableControls(true);
        m_dialog.show();
        m_dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dialog));
        Find<QComboBox>(1003)->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9600"));
        Find<QComboBox>(1012)->setCurrentIndex(3);
        Find<QLineEdit>(1038)->setText(QStringLiteral("11"));
        QTest::mouseClick(Find<QRadioButton>(1005), Qt::LeftButton);
    }

    template <typename Control = QWidget> Control* Find(int id) {
        auto* control = m_dialog.findChild<Control*>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    // Everything a user could see change in the window.
    std::vector<std::string> State() const {
        std::vector<std::string> state{m_dialog.isVisible() ? "shown" : "hidden",
                                       "result " + std::to_string(m_dialog.result())};
        for (const QWidget* widget : m_dialog.Controls()) {
            QString text;
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                text = label->text();
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                text = button->text() + (button->isChecked() ? QStringLiteral(" checked") : QString());
            } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
                text = QStringLiteral("%1 [%2 of %3]")
                           .arg(combo->currentText())
                           .arg(combo->currentIndex())
                           .arg(combo->count());
            } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
                text = edit->text();
            }
            state.push_back(widget->objectName().toStdString() + ": " + text.toStdString() +
                            (widget->isEnabled() ? "" : " (disabled)"));
        }
        return state;
    }

    CTQ73setDlg m_dialog{fake_ports::Tq73};
};

TEST_F(WindowKeys, EnterInAnyControlChangesNothing) {
    QSignalSpy connectClicks(Find<QPushButton>(1001), &QPushButton::clicked);
    QSignalSpy setClicks(Find<QPushButton>(1033), &QPushButton::clicked);
    // No field may even see the key.
    std::vector<std::unique_ptr<QSignalSpy>> returnsPressed;
    for (QLineEdit* edit : m_dialog.findChildren<QLineEdit*>()) {
        returnsPressed.push_back(std::make_unique<QSignalSpy>(edit, &QLineEdit::returnPressed));
    }
    ASSERT_EQ(returnsPressed.size(), 6u);
    const std::vector<std::string> before = State();
    int focusable = 0;
    for (QWidget* widget : m_dialog.Controls()) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        ++focusable;
        widget->setFocus();
        ASSERT_TRUE(widget->hasFocus()) << widget->objectName().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(State(), before) << "Enter in " << widget->objectName().toStdString();
    }
    EXPECT_GE(focusable, 17); // at least the tab stops
    EXPECT_EQ(connectClicks.count(), 0);
    EXPECT_EQ(setClicks.count(), 0);
    for (const auto& spy : returnsPressed) {
        EXPECT_EQ(spy->count(), 0);
    }
}

struct HelpKeyCase {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    bool opensHelp;
    friend void PrintTo(const HelpKeyCase& c, std::ostream* os) { *os << c.name; }
};

class HelpKey : public WindowKeys, public ::testing::WithParamInterface<HelpKeyCase> {};

// No help file lies next to the test program, so help shows its failure.
TEST_P(HelpKey, OpensHelpOnlyWithoutShiftCtrlOrAlt) {
    const std::vector<std::string> before = State();
    MessageBoxCatcher user;
    for (int id : {1000, 1003, 1038, 1033}) {
        // A box takes the focus away from the window; keys go to the control the user would have in it.
        QWidget* control = Find(id);
        if (auto* combo = qobject_cast<QComboBox*>(control); combo != nullptr && combo->isEditable()) {
            control = combo->lineEdit();
        }
        QTest::keyClick(control, Qt::Key_F1, GetParam().modifiers);
    }
    if (!GetParam().opensHelp) {
        EXPECT_TRUE(user.Boxes().empty());
        return;
    }
    ASSERT_EQ(user.Boxes().size(), 4u);
    for (const CaughtBox& box : user.Boxes()) {
        EXPECT_EQ(box.text, QString::fromUtf8(msg::kHelpFailed));
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(box.title, QStringLiteral("app_tests"));
        EXPECT_EQ(box.buttons, QMessageBox::Ok);
        EXPECT_EQ(box.owner, &m_dialog);
        EXPECT_TRUE(box.modal);
    }
    EXPECT_EQ(State(), before);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, HelpKey,
                         ::testing::Values(HelpKeyCase{"None", Qt::NoModifier, true},
                                           HelpKeyCase{"Shift", Qt::ShiftModifier, false},
                                           HelpKeyCase{"Ctrl", Qt::ControlModifier, false},
                                           HelpKeyCase{"Alt", Qt::AltModifier, false},
                                           HelpKeyCase{"CtrlShift", Qt::ControlModifier | Qt::ShiftModifier, false}),
                         [](const ::testing::TestParamInfo<HelpKeyCase>& info) { return info.param.name; });

TEST_F(WindowKeys, HelpClosesADroppedList) {
    auto* rate = Find<QComboBox>(1012);
    rate->setFocus();
    rate->showPopup();
    ASSERT_TRUE(rate->view()->isVisible());
    MessageBoxCatcher user;
    // The dropped list is a window of its own and has the keyboard.
    QTest::keyClick(rate->view(), Qt::Key_F1);
    EXPECT_FALSE(rate->view()->isVisible());
    ASSERT_EQ(user.Boxes().size(), 1u);
    EXPECT_EQ(user.Boxes()[0].text, QString::fromUtf8(msg::kHelpFailed));
}

// The message box is not part of the window: Enter there presses its OK button.
TEST_F(WindowKeys, EnterStillAnswersAMessageBox) {
    bool answered = false;
    QTimer user;
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible()) {
            user.stop();
            QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, Qt::Key_Return);
            answered = !box->isVisible();
        }
    });
    user.start();
    m_dialog.Show("受信できませんでした。");
    EXPECT_TRUE(answered);
}

} // namespace
