#include "app/help.h"

#include "app/message_box.h"
#include "protocol/messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString HelpFilePath(const QString& programPath) {
    const QFileInfo program(programPath);
    return QDir(program.path()).filePath(program.completeBaseName() + QStringLiteral(".HLP"));
}

void OpenHelp(const QString& helpFile, QWidget* owner) {
    if (QFileInfo(helpFile).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile))) {
        return;
    }
    ShowMessageBox(owner, QMessageBox::Warning, QString::fromUtf8(msg::kHelpFailed));
}
