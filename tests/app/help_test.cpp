#include "app/help.h"
#include "protocol/messages.h"
#include "tests/app/message_box_catcher.h"
#include "tests/app/qt_print.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

// Stands in for the desktop's viewer: takes the files it is asked to open.
class HelpViewer : public QObject {
    Q_OBJECT

public:
    HelpViewer() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~HelpViewer() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    std::vector<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

namespace {

enum class HelpFile { Present, Missing, Directory };

struct OpenCase {
    const char* name;
    HelpFile file;
    friend void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }
};

class OpenHelpTest : public ::testing::TestWithParam<OpenCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        if (GetParam().file == HelpFile::Present) {
            QFile file(m_path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        } else if (GetParam().file == HelpFile::Directory) {
            ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("TQ-73set.HLP")));
        }
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(QStringLiteral("TQ-73set.HLP"));
    QWidget m_owner;
};

TEST_P(OpenHelpTest, OpensTheFileOrSaysItCannot) {
    HelpViewer viewer;
    MessageBoxCatcher user;
    OpenHelp(m_path, &m_owner);
    if (GetParam().file == HelpFile::Present) {
        EXPECT_EQ(viewer.opened, std::vector<QUrl>{QUrl::fromLocalFile(m_path)});
        EXPECT_TRUE(user.Boxes().empty());
        return;
    }
    EXPECT_TRUE(viewer.opened.empty());
    ASSERT_EQ(user.Boxes().size(), 1u);
    EXPECT_EQ(user.Boxes()[0].text, QString::fromUtf8(msg::kHelpFailed));
    EXPECT_EQ(user.Boxes()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(user.Boxes()[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(user.Boxes()[0].owner, &m_owner);
}

INSTANTIATE_TEST_SUITE_P(HelpFiles, OpenHelpTest,
                         ::testing::Values(OpenCase{"Present", HelpFile::Present},
                                           OpenCase{"Missing", HelpFile::Missing},
                                           OpenCase{"Directory", HelpFile::Directory}),
                         [](const ::testing::TestParamInfo<OpenCase>& info) { return info.param.name; });

} // namespace

#include "help_test.moc"
