#include "app/CTQ73setApp.h"

#include <cstdlib>

int main(int argc, char* argv[]) {
    CTQ73setApp app(argc, argv);
    return app.InitInstance() ? app.exec() : EXIT_SUCCESS;
}
