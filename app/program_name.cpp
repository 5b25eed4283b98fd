#include "app/program_name.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ProgramName(const QString& programPath) {
    return QFileInfo(programPath).completeBaseName();
}

QString ApplicationName() {
    return ProgramName(QCoreApplication::applicationFilePath());
}
