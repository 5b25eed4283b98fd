#pragma once

#include <QString>

// The name a program goes by: its file's name without the extension ("TQ-73set" for TQ-73set.exe).
QString ProgramName(const QString& programPath);

// This program's name as its file is called now, so a renamed copy goes by its new name.
QString ApplicationName();
