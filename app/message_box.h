#pragma once

#include <QMessageBox>
#include <QString>

// Shows a message the way every message of this program is shown: a modal box owned by `owner`, captioned
// with the program's name, with an OK button. Returns once the user closed it; the window keeps receiving
// events meanwhile.
void ShowMessageBox(QWidget* owner, QMessageBox::Icon icon, const QString& text);
