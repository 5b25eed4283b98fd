#include "sim/transcript_log.h"

namespace tq73sim {

TranscriptLog::TranscriptLog(const std::string& path) : m_file(path, std::ios::out | std::ios::trunc) {}

void TranscriptLog::Write(const WireLine& line) {
    // Flushed line by line, so the log is whole whenever the simulator is stopped.
    m_file << line << std::endl;
}

} // namespace tq73sim
