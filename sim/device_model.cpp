#include "sim/device_model.h"

#include "sim/device_error.h"
#include "sim/setting_fields.h"

#include <optional>
#include <vector>

namespace tq73sim {
namespace {

std::vector<std::string_view> CutAtCommas(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t comma; (comma = line.find(',')) != std::string_view::npos; line.remove_prefix(comma + 1)) {
        fields.push_back(line.substr(0, comma));
    }
    fields.push_back(line);
    return fields;
}

enum class Action { GetLine, GetCharacters, SetLine, SetCharacters };

struct PortCommand {
    Action action;
    std::size_t fieldCount;
    Port port;
    char letter;
};

// The command words that end in a port letter: GBRTA, GXCHB, SBRTA, ...
std::optional<PortCommand> FindPortCommand(std::string_view word) {
    struct Stem {
        std::string_view text;
        Action action;
        std::size_t fieldCount;
    };
    static constexpr Stem kStems[] = {
        {"GBRT", Action::GetLine, 1},
        {"GXCH", Action::GetCharacters, 1},
        {"SBRT", Action::SetLine, 6},
        {"SXCH", Action::SetCharacters, 3},
    };
    if (word.size() != 5 || (word[4] != 'A' && word[4] != 'B')) {
        return std::nullopt;
    }
    for (const Stem& stem : kStems) {
        if (word.substr(0, 4) == stem.text) {
            return PortCommand{stem.action, stem.fieldCount, word[4] == 'A' ? Port::A : Port::B, word[4]};
        }
    }
    return std::nullopt;
}

} // namespace

DeviceModel::DeviceModel(Identity identity) : m_identity(std::move(identity)) {}

std::string DeviceModel::Execute(std::string_view line) {
    const std::vector<std::string_view> fields = CutAtCommas(line);
    if (fields[0] == "GINF") {
        return fields.size() == 1 ? Identify() : ErrorReply(DeviceError::FieldCount);
    }
    const std::optional<PortCommand> command = FindPortCommand(fields[0]);
    if (!command) {
        return ErrorReply(DeviceError::UnknownCommand);
    }
    if (fields.size() != command->fieldCount) {
        return ErrorReply(DeviceError::FieldCount);
    }
    PortSettings& settings = m_ports[static_cast<int>(command->port)];
    const std::span<const std::string_view> values(fields.begin() + 1, fields.end());
    if (command->action == Action::SetLine) {
        if (const std::optional<DeviceError> error = ReadLineSettings(values.first<5>(), settings)) {
            return ErrorReply(*error);
        }
    }
    if (command->action == Action::SetCharacters) {
        if (const std::optional<DeviceError> error = ReadFlowCharacters(values.first<2>(), settings)) {
            return ErrorReply(*error);
        }
        return "OK";
    }
    if (command->action == Action::GetCharacters) {
        return "OK" + FlowCharactersPayload(command->letter, settings);
    }
    // SBRT answers as GBRT does, with the settings now in effect.
    return "OK" + LineSettingsPayload(command->letter, settings);
}

std::string DeviceModel::Identify() const {
    return "OK" + m_identity.model + "," + m_identity.hardwareId + "," + std::to_string(m_identity.firmwareVersion);
}

} // namespace tq73sim
