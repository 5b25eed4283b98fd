#include "sim/device.h"

#include "sim/device_error.h"
#include "sim/reply_faults.h"

#include <utility>

namespace tq73sim {

Device::Device(Identity identity) : m_model(std::move(identity)) {}

std::string Device::Receive(std::string_view bytes) {
    std::lock_guard lock(m_mutex);
    std::string out;
    for (const char byte : bytes) {
        const std::optional<CommandLine> line = m_assembler.Push(byte);
        if (!line) {
            continue;
        }
        Record(Received(line->text));
        if (m_faults.silent) {
            continue;
        }
        std::string reply = Answer(*line) + (m_faults.trailingLf ? "\r\n" : "\r");
        Record(Sent(reply));
        out += reply;
    }
    return out;
}

std::string Device::Answer(const CommandLine& line) {
    if (line.tooLong) {
        return ErrorReply(DeviceError::LineTooLong);
    }
    const std::string word = line.text.substr(0, line.text.find(','));
    std::string reply;
    if (const auto error = m_faults.errors.find(word); error != m_faults.errors.end()) {
        reply = ErrorReply(error->second);
    } else if (const auto canned = m_faults.replies.find(word); canned != m_faults.replies.end()) {
        reply = canned->second;
    } else {
        reply = m_model.Execute(line.text);
    }
    if (m_faults.shortReplies.contains(word)) {
        reply = WithoutLastField(reply);
    }
    return m_faults.longReply ? Lengthened(reply) : reply;
}

void Device::Record(WireLine line) {
    if (m_listener) {
        m_listener(line);
    }
    m_transcript.push_back(std::move(line));
}

Faults Device::faults() const {
    std::lock_guard lock(m_mutex);
    return m_faults;
}

void Device::SetFaults(Faults faults) {
    std::lock_guard lock(m_mutex);
    m_faults = std::move(faults);
}

Identity Device::identity() const {
    std::lock_guard lock(m_mutex);
    return m_model.identity();
}

void Device::SetIdentity(Identity identity) {
    std::lock_guard lock(m_mutex);
    m_model.SetIdentity(std::move(identity));
}

PortSettings Device::settings(Port port) const {
    std::lock_guard lock(m_mutex);
    return m_model.settings(port);
}

Transcript Device::transcript() const {
    std::lock_guard lock(m_mutex);
    return m_transcript;
}

void Device::ClearTranscript() {
    std::lock_guard lock(m_mutex);
    m_transcript.clear();
}

void Device::SetListener(std::function<void(const WireLine&)> listener) {
    std::lock_guard lock(m_mutex);
    m_listener = std::move(listener);
}

} // namespace tq73sim
