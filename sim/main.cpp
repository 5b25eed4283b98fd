#include "sim/device.h"
#include "sim/help_text.h"
#include "sim/launch_front_end.h"
#include "sim/options.h"
#include "sim/port_front_end.h"
#include "sim/pty_front_end.h"
#include "sim/stop_signals.h"
#include "sim/transcript_log.h"
#include "sim/umockdev_preload.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>

using namespace tq73sim;

namespace {

void Configure(Device& device, const Options& options) {
    device.SetFaults(options.faults);
    if (options.model) {
        Identity identity = device.identity();
        identity.model = *options.model;
        device.SetIdentity(identity);
    }
}

// Each front end serves the device until it is told to stop and returns the exit status.
int Serve(const Options& options, Device& device, const StopSignals& stop) {
    switch (options.mode) {
    case Options::Mode::Pty:
        return ServePty(device, stop);
    case Options::Mode::Port:
        return ServePort(device, options.portPath, stop);
    case Options::Mode::Launch:
        return ServeLaunch(device, options.program, stop);
    case Options::Mode::Help:
        break;
    }
    std::fputs(HelpText().c_str(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const ParsedOptions parsed = ParseOptions({argv + 1, static_cast<std::size_t>(argc - 1)});
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "tq73-sim: %s\nTry 'tq73-sim --help'.\n", parsed.error.c_str());
        return 2;
    }
    const Options& options = parsed.options;
    if (options.mode == Options::Mode::Launch) {
        if (const int error = RestartUnderUmockdevPreload(argv); error != 0) {
            std::fprintf(stderr, "tq73-sim: cannot start again under umockdev's preload library: %s\n",
                         std::strerror(error));
            return 1;
        }
    }
    // Before any thread starts, so that no thread takes a stop signal as its own.
    const StopSignals stop;
    if (stop.error() != 0) {
        std::fprintf(stderr, "tq73-sim: cannot watch for stop signals: %s\n", std::strerror(stop.error()));
        return 1;
    }
    std::optional<TranscriptLog> log;
    if (!options.logPath.empty() && !log.emplace(options.logPath).isOpen()) {
        std::fprintf(stderr, "tq73-sim: cannot write %s\n", options.logPath.c_str());
        return 1;
    }
    Device device;
    Configure(device, options);
    if (log) {
        device.SetListener([&log](const WireLine& line) { log->Write(line); });
    }
    try {
        return Serve(options, device, stop);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tq73-sim: %s\n", e.what());
        return 1;
    }
}
