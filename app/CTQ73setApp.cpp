#include "app/CTQ73setApp.h"

#include "app/CTQ73setDlg.h"

CTQ73setApp::CTQ73setApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The classic look, which is what the window was designed with.
    setStyle(QStringLiteral("Windows"));
    // Lets the desktop match the window to res/TQ-73set.desktop, and so to its icon.
    setDesktopFileName(QStringLiteral("TQ-73set"));
}

bool CTQ73setApp::InitInstance() {
    CTQ73setDlg dialog;
    dialog.exec();
    return false;
}
