#pragma once

#include <QString>

class QWidget;

// The help file that belongs to a program: its path with the extension replaced by ".HLP", or with ".HLP"
// added when it has none ("/opt/TQ-73set" gives "/opt/TQ-73set.HLP").
QString HelpFilePath(const QString& programPath);

// Opens a help file with the desktop's viewer. When it is missing or cannot be opened, says so in a message box
// with an exclamation icon, owned by `owner`.
void OpenHelp(const QString& helpFile, QWidget* owner);
