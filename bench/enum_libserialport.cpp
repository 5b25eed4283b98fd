// bench-enum-libserialport CALLS: libserialport's list of the ports present.
#include "bench/enum_program.h"

#include <libserialport.h>

int main(int argc, char** argv) {
    return RunEnumerationProgram(argc, argv, [] {
        sp_port** ports = nullptr;
        if (sp_list_ports(&ports) != SP_OK) {
            return -1;
        }
        int count = 0;
        while (ports[count] != nullptr) {
            ++count;
        }
        sp_free_port_list(ports);
        return count;
    });
}
