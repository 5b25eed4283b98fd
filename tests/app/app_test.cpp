#include "app/CTQ73setApp.h"
#include "tests/app/qt_print.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct CloseCase {
    const char* name;
    bool byEscape; // otherwise by the window's close box
    friend void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }
};

class StartUp : public ::testing::TestWithParam<CloseCase> {};

TEST_P(StartUp, RunsTheWindowUntilItIsClosedThenEnds) {
    auto* app = dynamic_cast<CTQ73setApp*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    QString caption;
    QTimer user;
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || !window->isVisible()) {
            return;
        }
        user.stop();
        caption = window->windowTitle();
        if (GetParam().byEscape) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : window, Qt::Key_Escape);
        } else {
            window->close();
        }
    });
    user.start();
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(caption, QStringLiteral("TQ-73set"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Closing, StartUp, ::testing::Values(CloseCase{"Escape", true}, CloseCase{"CloseBox", false}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

} // namespace
