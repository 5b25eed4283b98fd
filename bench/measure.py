"""Measures every figure side by side, prints the table and writes it to bench/RESULTS.md.

Started by bench/run once everything is built and installed. Contenders are run in turn within each repeat
(A, B, C, A, B, C, ...), so that the noise of a shared machine falls on all of them alike; the table shows
medians over the repeats, and every ratio is the median of the ratios taken within each repeat.
"""
import argparse
import datetime
import os
import platform
import re
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PYTHON = "/usr/bin/python3"  # Debian's, which has pyserial; not whatever python3 comes first on PATH
LOADS = 2000
STRACE_LOADS = 200
TESTBED_SIZES = (8, 64, 256)
SETTLE_MS = 500


def log(text):
    print(text, file=sys.stderr, flush=True)


def run(argv, env=None):
    done = subprocess.run(argv, capture_output=True, text=True, env=env, check=False)
    if done.returncode != 0:
        raise RuntimeError(f"{' '.join(argv)} failed ({done.returncode}):\n{done.stderr}")
    return done.stdout


def figure(output, name):
    match = re.search(rf"\b{name} ([0-9.]+)", output)
    if not match:
        raise RuntimeError(f"no {name} in {output!r}")
    return float(match.group(1))


def in_turn(contenders, repeat):
    """The contenders in the order of one repeat: forwards, then backwards, so that a drift of the machine's
    load between the first and the last of a repeat falls on each of them alike."""
    return contenders if repeat % 2 == 0 else contenders[::-1]


def median_ratio(numerators, denominators):
    return statistics.median(n / d for n, d in zip(numerators, denominators))


class Responder:
    """The fast responder on a pseudo-terminal, for as long as the with-block lasts."""

    def __init__(self, build):
        self.process = subprocess.Popen([f"{build}/bench/bench-responder"], stdout=subprocess.PIPE, text=True)
        self.slave = self.process.stdout.readline().strip()
        if not self.slave:
            raise RuntimeError("bench-responder gave no pseudo-terminal")

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()


class Testbed:
    """A umockdev testbed with fake USB serial adapters, for as long as the with-block lasts."""

    def __init__(self, build, ports):
        self.process = subprocess.Popen([f"{build}/bench/bench-testbed", str(ports)], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True)
        self.directory = self.process.stdout.readline().strip()
        if not self.directory:
            raise RuntimeError("bench-testbed made no testbed")

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.process.stdin.close()
        self.process.wait()


def console_node():
    """A tty node that /sys/class/tty lists, for libserialport to open the pseudo-terminal under its name."""
    names = [n for n in os.listdir("/sys/class/tty") if re.fullmatch(r"tty[0-9]+", n)]
    for name in sorted(names, key=lambda n: -int(n[3:])):
        if os.path.exists(f"/dev/{name}"):
            return f"/dev/{name}"
    raise RuntimeError("no /dev/ttyN that /sys/class/tty lists, for libserialport")


def load_contenders(build, slave, node):
    """Each contender: key, label, and a function giving its command for a number of loads, with an optional
    wrapper (strace) put directly around the measured program."""

    def plain(program):
        return lambda loads, wrap=(): [*wrap, *program, slave, str(loads)]

    def in_namespace(program):
        # libserialport opens the pseudo-terminal as `node`, mounted over it where only this program sees it.
        script = 'mount --bind "$1" "$2" && shift 2 && exec "$@"'
        unshare = ["unshare", "--mount"] if os.geteuid() == 0 else ["unshare", "--map-root-user", "--mount"]
        return lambda loads, wrap=(): [*unshare, "sh", "-c", script, "sh", slave, node, *wrap, *program, node,
                                       str(loads)]

    return [
        ("limit", "limit: one write, buffered reads", plain([f"{build}/bench/bench-load-limit"])),
        ("per_byte", "per-byte read-first loop", plain([f"{build}/bench/bench-load-per-byte"])),
        ("ours", "ours: DeviceLink", plain([f"{build}/bench/bench-load-link"])),
        ("libserialport", "libserialport", in_namespace([f"{build}/bench/bench-load-libserialport"])),
        ("pyserial", "pyserial", plain([PYTHON, f"{ROOT}/bench/load_pyserial.py"])),
    ]


def strace_calls(command):
    with tempfile.NamedTemporaryFile("r", suffix=".strace") as counts:
        run(command(STRACE_LOADS, ("strace", "-c", "-f", "-o", counts.name)))
        total = [line for line in counts.read().splitlines() if line.split()[-1:] == ["total"]]
    return int(total[0].split()[3])


def measure_load(build, runs):
    with Responder(build) as responder:
        contenders = load_contenders(build, responder.slave, console_node())
        for _, _, command in contenders:  # warm-up: caches, and a failure shows before the long part
            run(command(10))
        times = {key: [] for key, _, _ in contenders}
        for repeat in range(runs):
            log(f"load: repeat {repeat + 1}/{runs}")
            for key, _, command in in_turn(contenders, repeat):
                times[key].append(figure(run(command(LOADS)), "us_per_load"))
        calls = {}
        for key, _, command in contenders:
            whole = strace_calls(command)
            start = strace_calls(lambda loads, wrap=(), c=command: c(0, wrap))
            calls[key] = (whole - start) / STRACE_LOADS
    return contenders, times, calls


def enum_contenders(build):
    return [
        ("ours", "ours: EnumeratePorts()", [f"{build}/bench/bench-enum-ours"]),
        ("libserialport", "libserialport: sp_list_ports()", [f"{build}/bench/bench-enum-libserialport"]),
        ("pyserial", "pyserial: comports()", [PYTHON, f"{ROOT}/bench/enum_pyserial.py"]),
    ]


def measure_enum_on(build, runs, prefix=(), env=None):
    contenders = enum_contenders(build)
    # About 0.2 s for the slowest contender per run, from one call of each (which also warms up).
    slowest = max(figure(run([*prefix, *program, "1"], env), "us_per_call") for _, _, program in contenders)
    calls = str(max(3, min(1000, int(200_000 / slowest))))
    times = {key: [] for key, _, _ in contenders}
    ports = {}
    for repeat in range(runs):
        for key, _, program in in_turn(contenders, repeat):
            output = run([*prefix, *program, calls], env)
            times[key].append(figure(output, "us_per_call"))
            ports[key] = int(figure(output, "ports"))
    return times, ports


def measure_enum(build, runs):
    results = {}
    log("enumeration: this machine")
    results["this machine"] = measure_enum_on(build, runs)
    for size in TESTBED_SIZES:
        log(f"enumeration: testbed with {size} ports")
        with Testbed(build, size) as testbed:
            env = dict(os.environ, UMOCKDEV_DIR=testbed.directory)
            results[size] = measure_enum_on(build, runs, (f"{ROOT}/testbed/umockdev-run",), env)
    return results


class Xvfb:
    """A private X server with no window manager, for as long as the with-block lasts."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                                         "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as displays:
            number = displays.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()


def start_once(build, program, env):
    with tempfile.NamedTemporaryFile("r", suffix=".time") as usage:
        output = run(["/usr/bin/time", "-v", "-o", usage.name, f"{build}/bench/bench-map-wait", str(SETTLE_MS),
                      program], env)
        peak_kb = figure(usage.read().replace("Maximum resident set size (kbytes):", "peak_kb"), "peak_kb")
    return figure(output, "map_ms"), peak_kb / 1024


def measure_startup(build, runs):
    contenders = [("ours", "ours: TQ-73set", f"{build}/TQ-73set"), ("cutecom", "cutecom", "/usr/bin/cutecom")]
    with Xvfb() as xvfb, tempfile.TemporaryDirectory() as home:
        runtime = os.path.join(home, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, DISPLAY=xvfb.display, QT_QPA_PLATFORM="xcb", HOME=home, XDG_RUNTIME_DIR=runtime)
        for key in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "WAYLAND_DISPLAY"):
            env.pop(key, None)
        for _, _, program in contenders:  # warm-up: font caches and first-run settings files
            start_once(build, program, env)
        times = {key: [] for key, _, _ in contenders}
        memory = {key: [] for key, _, _ in contenders}
        for repeat in range(runs):
            log(f"start-up: repeat {repeat + 1}/{runs}")
            for key, _, program in in_turn(contenders, repeat):
                map_ms, peak_mb = start_once(build, program, env)
                times[key].append(map_ms)
                memory[key].append(peak_mb)
    return contenders, times, memory


def verdict(met):
    return "met" if met else "**missed**"


def load_section(contenders, times, calls, runs):
    limit = times["limit"]
    ours = times["ours"]
    lines = [f"### 1. Device load: the five commands x {LOADS}, {runs} runs",
             "",
             "| contender | median µs per load | x limit (pair median) | x ours (pair median) | system calls per load |",
             "|---|---:|---:|---:|---:|"]
    for key, label, _ in contenders:
        lines.append(f"| {label} | {statistics.median(times[key]):.1f} | {median_ratio(times[key], limit):.2f} | "
                     f"{median_ratio(times[key], ours):.2f} | {calls[key]:.1f} |")
    ours_limit = median_ratio(ours, limit)
    sp_ours = median_ratio(times["libserialport"], ours)
    py_ours = median_ratio(times["pyserial"], ours)
    lines += ["",
              f"- ours within 1.7 x the limit: {ours_limit:.2f} x, {verdict(ours_limit <= 1.7)}",
              f"- ours at least 1.4 x faster than libserialport: {sp_ours:.2f} x, {verdict(sp_ours >= 1.4)}",
              f"- ours at least 2.3 x faster than pyserial: {py_ours:.2f} x, {verdict(py_ours >= 2.3)}"]
    return lines


def enum_section(results, runs):
    lines = [f"### 2. Enumeration: µs per call, medians of {runs} runs",
             "",
             "| ports | ours | libserialport | pyserial | ports found (ours / libserialport / pyserial) | "
             "libserialport / ours | pyserial / ours | ours µs per port |",
             "|---|---:|---:|---:|---|---:|---:|---:|"]
    faster = True
    for where, (times, ports) in results.items():
        sp_ours = median_ratio(times["libserialport"], times["ours"])
        py_ours = median_ratio(times["pyserial"], times["ours"])
        faster = faster and sp_ours > 1 and py_ours > 1
        per_port = f"{statistics.median(times['ours']) / where:.1f}" if isinstance(where, int) else "-"
        lines.append(f"| {where} | {statistics.median(times['ours']):.0f} | "
                     f"{statistics.median(times['libserialport']):.0f} | {statistics.median(times['pyserial']):.0f} | "
                     f"{ports['ours']} / {ports['libserialport']} / {ports['pyserial']} | {sp_ours:.2f} | "
                     f"{py_ours:.2f} | {per_port} |")
    small, large = min(TESTBED_SIZES), max(TESTBED_SIZES)
    growth = (statistics.median(results[large][0]["ours"]) / large) / (
        statistics.median(results[small][0]["ours"]) / small)
    lines += ["",
              f"- ours faster than both at every size: {verdict(faster)}",
              f"- ours' time per port at {large} against {small} ports: {growth:.2f} x, {verdict(growth <= 1.5)} "
              f"(at most 1.5 x)"]
    return lines


def startup_section(contenders, times, memory, runs):
    lines = [f"### 3. Start-up to the first window mapped, and peak resident memory, {runs} runs",
             "",
             "| program | median ms to MapNotify | median peak RSS MiB | time / cutecom (pair median) | "
             "memory / cutecom (pair median) |",
             "|---|---:|---:|---:|---:|"]
    for key, label, _ in contenders:
        lines.append(f"| {label} | {statistics.median(times[key]):.1f} | {statistics.median(memory[key]):.1f} | "
                     f"{median_ratio(times[key], times['cutecom']):.2f} | "
                     f"{median_ratio(memory[key], memory['cutecom']):.2f} |")
    time_ratio = median_ratio(times["ours"], times["cutecom"])
    memory_ratio = median_ratio(memory["ours"], memory["cutecom"])
    lines += ["",
              f"- ours at most half of cutecom's time: {time_ratio:.2f} x, {verdict(time_ratio <= 0.5)}",
              f"- ours at most half of cutecom's memory: {memory_ratio:.2f} x, {verdict(memory_ratio <= 0.5)}"]
    return lines


def cpu_model():
    with open("/proc/cpuinfo", encoding="utf-8") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return platform.processor() or "unknown"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True, help="the build folder with the benchmark programs")
    parser.add_argument("--runs", type=int, default=7, help="repeats of the enumeration and start-up measurements")
    parser.add_argument("--load-runs", type=int, default=15,
                        help="repeats of the load measurement, whose runs are short and noisiest")
    parser.add_argument("--command", required=True, help="the command line to write into the results")
    parser.add_argument("--output", default=f"{ROOT}/bench/RESULTS.md")
    args = parser.parse_args()

    load_before = os.getloadavg()[0]
    sections = [load_section(*measure_load(args.build, args.load_runs), args.load_runs),
                enum_section(measure_enum(args.build, args.runs), args.runs),
                startup_section(*measure_startup(args.build, args.runs), args.runs)]
    table = "\n\n".join("\n".join(section) for section in sections)
    print(table)

    with open(f"{ROOT}/bench/reading.md", encoding="utf-8") as reading_file:
        reading = reading_file.read()
    header = ["# Benchmark results", "",
              f"- date: {datetime.datetime.now().astimezone().strftime('%Y-%m-%d %H:%M %Z')}",
              f"- machine (`uname -a`): `{run(['uname', '-a']).strip()}`",
              f"- CPU: {cpu_model()}, {os.cpu_count()} logical CPUs",
              f"- load average (1 min) when the run began and ended: {load_before:.1f}, {os.getloadavg()[0]:.1f}",
              f"- command: `{args.command}`", "", "## Figures", ""]
    with open(args.output, "w", encoding="utf-8") as results:
        results.write("\n".join(header) + "\n" + table + "\n\n" + reading)
    log(f"written to {args.output}")


main()
