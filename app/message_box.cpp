#include "app/message_box.h"

#include "app/program_name.h"

void ShowMessageBox(QWidget* owner, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, ApplicationName(), text, QMessageBox::Ok, owner);
    // Messages can carry what a device sent; it must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
