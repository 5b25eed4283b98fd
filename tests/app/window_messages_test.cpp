#include "app/CTQ73setDlg.h"
#include "protocol/messages.h"
#include "tests/app/fake_ports.h"
#include "tests/app/message_box_catcher.h"
#include "tests/app/qt_print.h"
#include "tests/support/recording_reporter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class WindowMessages : public ::testing::Test {
protected:
    CTQ73setDlg m_dialog{fake_ports::None};
};

// The test program stands for the window's program renamed: the boxes follow the file's name, the window keeps
// its own caption.
TEST_F(WindowMessages, ShowsEachFailureInAPlainModalBoxNamedAfterTheProgram) {
    const std::string failure = msg::Format(msg::kExchangeFailed, 5);
    MessageBoxCatcher user;
    m_dialog.Show(failure);
    ASSERT_EQ(user.Boxes().size(), 1u);
    const CaughtBox& box = user.Boxes()[0];
    EXPECT_EQ(box.text, QString::fromStdString(failure));
    EXPECT_EQ(box.title, QStringLiteral("app_tests"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_EQ(box.owner, &m_dialog);
    EXPECT_TRUE(box.modal);
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("TQ-73set"));
}

TEST_F(WindowMessages, NeverReadsATextAsMarkup) {
    MessageBoxCatcher user;
    m_dialog.Show("<b>TQ-73</b>&amp;");
    ASSERT_EQ(user.Boxes().size(), 1u);
    EXPECT_EQ(user.Boxes()[0].textFormat, Qt::PlainText);
    EXPECT_EQ(user.Boxes()[0].text, QStringLiteral("<b>TQ-73</b>&amp;"));
}

TEST_F(WindowMessages, GoToAnotherReporterOnceOneIsSet) {
    RecordingReporter recorder;
    m_dialog.SetReporter(recorder);
    MessageBoxCatcher user;
    m_dialog.Show(msg::kNothingReceived);
    m_dialog.Show(msg::kUnsupportedDevice);
    EXPECT_EQ(recorder.messages, (std::vector<std::string>{msg::kNothingReceived, msg::kUnsupportedDevice}));
    EXPECT_TRUE(user.Boxes().empty());
}

} // namespace
