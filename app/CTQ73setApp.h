#pragma once

#include <QApplication>

// The application: its look, and its start-up, which runs the main window until the user closes it.
class CTQ73setApp : public QApplication {
public:
    CTQ73setApp(int& argc, char** argv);

    // Shows the main window modally and returns once it is closed. Returns false: there is nothing left to run,
    // so the program ends.
    bool InitInstance();
};
