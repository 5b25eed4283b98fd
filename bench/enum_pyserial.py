"""enum_pyserial.py CALLS: pyserial's list of the ports present, comports()."""
import sys
import time

from serial.tools import list_ports


def main():
    if len(sys.argv) != 2 or int(sys.argv[1]) < 1:
        sys.exit("usage: enum_pyserial.py CALLS")
    calls = int(sys.argv[1])
    start = time.perf_counter()
    for _ in range(calls):
        ports = list_ports.comports()
    elapsed = time.perf_counter() - start
    print(f"us_per_call {elapsed * 1e6 / calls:.3f} ports {len(ports)}")


main()
