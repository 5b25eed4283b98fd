// bench-enum-ours CALLS: the window's enumeration of the ports present.
#include "bench/enum_program.h"
#include "ports/enumerate_ports.h"

int main(int argc, char** argv) {
    PortTable table;
    return RunEnumerationProgram(argc, argv, [&table] {
        EnumeratePorts(table);
        return static_cast<int>(table.Count());
    });
}
