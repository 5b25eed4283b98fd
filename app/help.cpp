#include "app/help.h"

#include "app/message_box.h"
#include "protocol/messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString HelpFilePath(const QString& programPath) {
    const QFileInfo program(programPath);
    return QDir(program.path()).filePath(program.completeBaseName() + QStringLiteral(".HLP"));
}

void ShowHelp(QWidget* owner) {
    const QString path = HelpFilePath(QCoreApplication::applicationFilePath());
    if (QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        return;
    }
    ShowMessageBox(owner, QMessageBox::Warning, QString::fromUtf8(msg::kHelpFailed));
}
