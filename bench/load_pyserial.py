"""load_pyserial.py PATH LOADS: the load through pyserial, each reply read with read_until(b"\r")."""
import sys
import time

import serial

LOAD = (b"GINF", b"GBRTA", b"GXCHA", b"GBRTB", b"GXCHB")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: load_pyserial.py PATH LOADS")
    path, loads = sys.argv[1], int(sys.argv[2])
    port = serial.Serial(path, timeout=0.5)
    start = time.perf_counter()
    for i in range(loads):
        for command in LOAD:
            port.write(command + b"\r")
            reply = port.read_until(b"\r")
            if not reply.startswith(b"OK") or not reply.endswith(b"\r"):
                sys.exit(f"load_pyserial.py: {command.decode()} failed in load {i}: {reply!r}")
    elapsed = time.perf_counter() - start
    print(f"us_per_load {elapsed * 1e6 / loads if loads else 0.0:.3f}")


main()
