// Every way the device, the system or the user's machine can fail the window, against the load (Connect) and
// the apply (Set), each checked for its message, the state it leaves and what went over the wire. The run
// prints the whole matrix as a Markdown table and writes it to fault-matrix.md in the working directory.

#include "tests/e2e/end_to_end.h"

#include "protocol/messages.h"
#include "sim/escaped.h"
#include "tests/support/port_holder.h"
#include "tests/support/unprivileged_user.h"

#include <grp.h>
#include <pwd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

enum class Action { Load, Apply };

const Strings kLoad = {"GINF", "GBRTA", "GXCHA", "GBRTB", "GXCHB"};
const Strings kApply = {"SBRTA,9600,8,N,1,N", "SBRTB,9600,8,N,1,N", "SXCHA,11,13", "SXCHB,11,13"};

Strings First(const Strings& commands, std::size_t count) {
    return {commands.begin(), commands.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::string ExchangeFailed(int code) {
    return msg::Format(msg::kExchangeFailed, code);
}

std::string OpenFailed(int code) {
    return msg::Format(msg::kOpenFailed, code);
}

class FaultMatrix;

// Makes the fault just before the action; what it returns lives until the action is over.
using Arrange = std::function<std::shared_ptr<void>(FaultMatrix&)>;

struct FaultCase {
    const char* name;
    // How the fault is made, as the table shows it: the simulator's options where they make it.
    const char* fault;
    Action action;
    Arrange arrange;
    Strings messages;
    // Afterwards: connected (caption 切断, panels enabled, firmware shown, port open) or not.
    bool connected;
    Strings commands;
    // Entries of the port list afterwards.
    int listed = 1;
    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

// The table, a row a case, in the order the cases ran.
std::vector<std::string>& TableRows() {
    static std::vector<std::string> rows;
    return rows;
}

std::string Cell(std::string text) {
    std::string cell;
    for (const char c : text) {
        if (c == '\n') {
            cell += "\\n";
        } else if (c == '|') {
            cell += "\\|";
        } else {
            cell += c;
        }
    }
    return cell.empty() ? "-" : cell;
}

std::string Joined(const Strings& parts, const char* separator) {
    std::string joined;
    for (const std::string& part : parts) {
        joined += (joined.empty() ? "" : separator) + part;
    }
    return joined;
}

class FaultMatrix : public EndToEnd, public testing::WithParamInterface<FaultCase> {
public:
    // For the faults, which make themselves.
    using EndToEnd::Commands;
    using EndToEnd::device;
    using EndToEnd::PullThePlug;
    using EndToEnd::testbed;

protected:
    void Act(const FaultCase& c) {
        OpenWindow();
        if (c.action == Action::Apply) {
            ConnectButton()->click();
            ASSERT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
            device.ClearTranscript();
        }
        {
            const std::shared_ptr<void> fault = c.arrange(*this);
            (c.action == Action::Load ? ConnectButton() : SetButton())->click();
        }
        // A removal reaches the window through its event loop once the action is over.
        WaitFor([&] { return PortList()->count() == c.listed; });
    }

    // With the fault gone (the device reset and well again, plugged in, the port free), Connect works at once:
    // nothing the fault left behind gets in the way. The table's last column shows how it went.
    std::string ConnectAgain(const FaultCase& c) {
        device.SetFaults({});
        device.SetIdentity({});
        if (c.listed == 0) {
            Plug();
            if (HasFatalFailure()) {
                return "plugged in again, not listed";
            }
        } else {
            ResetDevice();
        }
        if (ConnectButton()->text() == msg::kCaptionDisconnect) {
            ConnectButton()->click();
        }
        messages.messages.clear();
        device.ClearTranscript();
        ConnectButton()->click();
        return ConnectButton()->text() == msg::kCaptionDisconnect ? "connects" : Joined(messages.messages, " / ");
    }

    // The table's row for the case, up to the last column.
    std::string Row(const FaultCase& c) {
        Strings wire;
        for (const tq73sim::WireLine& line : device.transcript()) {
            const bool received = line.direction == tq73sim::WireLine::Direction::Received;
            wire.push_back((received ? "> " : "< ") + tq73sim::Escaped(line.bytes));
        }
        std::ostringstream row;
        row << "| " << Cell(c.fault) << " | " << (c.action == Action::Load ? "load" : "apply") << " | "
            << Cell(Joined(messages.messages, " / ")) << " | " << Cell(ConnectButton()->text().toStdString()) << " | "
            << (PanelsEnabled() ? "enabled" : "disabled") << " | " << Cell(FirmwareText()->text().toStdString())
            << " | " << (PortOpen() ? "open" : "closed") << " | " << PortList()->count() << " | "
            << Cell(Joined(wire, " ")) << " |";
        return row.str();
    }
};

TEST_P(FaultMatrix, LeavesItsMessageStateAndWire) {
    const FaultCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Act(c));
    const std::string row = Row(c);

    EXPECT_EQ(messages.messages, c.messages);
    EXPECT_EQ(ConnectButton()->text(), c.connected ? msg::kCaptionDisconnect : msg::kCaptionConnect);
    EXPECT_EQ(PanelsEnabled(), c.connected);
    EXPECT_EQ(FirmwareText()->text(), c.connected ? "Firmware Version 1.23" : "");
    EXPECT_EQ(PortOpen(), c.connected);
    EXPECT_EQ(Commands(), c.commands);
    EXPECT_EQ(PortList()->count(), c.listed);

    const std::string again = ConnectAgain(c);
    TableRows().push_back(row + " " + Cell(again) + " |");
    EXPECT_EQ(again, "connects");
    EXPECT_EQ(Commands(), kLoad);
}

Arrange Faults(tq73sim::Faults faults) {
    return [faults](FaultMatrix& t) {
        t.device.SetFaults(faults);
        return nullptr;
    };
}

Arrange Model(std::string model) {
    return [model](FaultMatrix& t) {
        t.device.SetIdentity({.model = model});
        return nullptr;
    };
}

// Unplugs the TQ-73 while its reply to the command `word` is on the wire: the reply is slowed to 100 ms a byte,
// and the plug is pulled a quarter of a second into it.
Arrange UnplugDuring(std::string word) {
    return [word](FaultMatrix& t) {
        t.device.SetFaults({.byteDelay = 100ms});
        auto puller = std::make_shared<std::jthread>([&t, word] {
            const auto deadline = std::chrono::steady_clock::now() + 10s;
            const auto received = [&] {
                const Strings commands = t.Commands();
                return std::ranges::any_of(commands, [&](const std::string& line) { return line.starts_with(word); });
            };
            while (!received() && std::chrono::steady_clock::now() < deadline) {
                std::this_thread::sleep_for(5ms);
            }
            std::this_thread::sleep_for(250ms);
            t.PullThePlug();
        });
        return std::static_pointer_cast<void>(puller);
    };
}

gid_t Group(const char* name) {
    const group* entry = getgrnam(name);
    return entry != nullptr ? entry->gr_gid : 65534;
}

uid_t User(const char* name) {
    const passwd* entry = getpwnam(name);
    return entry != nullptr ? entry->pw_uid : 65534;
}

// The window acts as an ordinary user, in the "dialout" group that the node belongs to or not.
std::shared_ptr<void> AsUser(FaultMatrix& t, bool inGroup) {
    EXPECT_TRUE(t.testbed.GiveNodeToGroup(FakeDevice::Tq73, Group("dialout")));
    auto user = std::make_shared<UnprivilegedUser>(User("nobody"), inGroup ? Group("dialout") : Group("nogroup"));
    EXPECT_TRUE(user->active()) << "dropping privileges needs root";
    return user;
}

Arrange UserOutsideTheGroup() {
    return [](FaultMatrix& t) { return AsUser(t, false); };
}

// Another program holds the port; with Exclusive, the window acts as a user of the port's group, whom a
// terminal's exclusive mode keeps out (root passes it).
Arrange HeldByAnotherProgram(PortHolder::How how) {
    return [how](FaultMatrix& t) -> std::shared_ptr<void> {
        auto holder = std::make_shared<PortHolder>("/dev/ttyACM0", how);
        EXPECT_TRUE(holder->holds());
        if (how == PortHolder::How::Lock) {
            return holder;
        }
        auto user = AsUser(t, true);
        return std::make_shared<std::pair<std::shared_ptr<void>, std::shared_ptr<void>>>(holder, user);
    };
}

const std::string kNothing = msg::kNothingReceived;
const std::string kUnsupported = msg::kUnsupportedDevice;
const std::string kApplied = msg::kSettingsApplied;
// A reply after the LF that ended the one before it: 10 * '\n' + 'O' - 528.
const int kLeftoverLf = -349;

INSTANTIATE_TEST_SUITE_P(
    Load, FaultMatrix,
    testing::Values(
        FaultCase{"None", "none", Action::Load, Faults({}), {}, true, kLoad},
        FaultCase{"Silent", "--silent", Action::Load, Faults({.silent = true}), {kNothing}, false, {"GINF"}},
        FaultCase{"SlowBytes", "--byte-delay 20", Action::Load, Faults({.byteDelay = 20ms}), {}, true, kLoad},
        FaultCase{"TooSlowBytes",
                  "--byte-delay 600",
                  Action::Load,
                  Faults({.byteDelay = 600ms}),
                  {kNothing},
                  false,
                  {"GINF"}},
        FaultCase{"OtherModel", "--model TQ-74", Action::Load, Model("TQ-74"), {kUnsupported}, false, {"GINF"}},
        FaultCase{"ErrorOnGinf",
                  "--error GINF=01",
                  Action::Load,
                  Faults({.errors = {{"GINF", 1}}}),
                  {ExchangeFailed(1)},
                  false,
                  First(kLoad, 1)},
        FaultCase{"ErrorOnGbrta",
                  "--error GBRTA=02",
                  Action::Load,
                  Faults({.errors = {{"GBRTA", 2}}}),
                  {ExchangeFailed(2)},
                  false,
                  First(kLoad, 2)},
        FaultCase{"ErrorOnGxcha",
                  "--error GXCHA=08",
                  Action::Load,
                  Faults({.errors = {{"GXCHA", 8}}}),
                  {ExchangeFailed(8)},
                  false,
                  First(kLoad, 3)},
        FaultCase{"ErrorOnGbrtb",
                  "--error GBRTB=10",
                  Action::Load,
                  Faults({.errors = {{"GBRTB", 10}}}),
                  {ExchangeFailed(10)},
                  false,
                  First(kLoad, 4)},
        FaultCase{"ErrorOnGxchb",
                  "--error GXCHB=99",
                  Action::Load,
                  Faults({.errors = {{"GXCHB", 99}}}),
                  {ExchangeFailed(99)},
                  false,
                  kLoad},
        FaultCase{"TrailingLf",
                  "--trailing-lf",
                  Action::Load,
                  Faults({.trailingLf = true}),
                  {ExchangeFailed(kLeftoverLf)},
                  false,
                  First(kLoad, 2)},
        FaultCase{"LongReply",
                  "--long-reply",
                  Action::Load,
                  Faults({.longReply = true}),
                  {ExchangeFailed(1002)},
                  false,
                  First(kLoad, 1)},
        FaultCase{"ShortGinf",
                  "--short-reply GINF",
                  Action::Load,
                  Faults({.shortReplies = {"GINF"}}),
                  {kUnsupported},
                  false,
                  First(kLoad, 1)},
        FaultCase{"ShortGbrta",
                  "--short-reply GBRTA",
                  Action::Load,
                  Faults({.shortReplies = {"GBRTA"}}),
                  {kUnsupported},
                  false,
                  First(kLoad, 2)},
        FaultCase{"ShortGxcha",
                  "--short-reply GXCHA",
                  Action::Load,
                  Faults({.shortReplies = {"GXCHA"}}),
                  {kUnsupported},
                  false,
                  First(kLoad, 3)},
        FaultCase{"ShortGbrtb",
                  "--short-reply GBRTB",
                  Action::Load,
                  Faults({.shortReplies = {"GBRTB"}}),
                  {kUnsupported},
                  false,
                  First(kLoad, 4)},
        FaultCase{"ShortGxchb",
                  "--short-reply GXCHB",
                  Action::Load,
                  Faults({.shortReplies = {"GXCHB"}}),
                  {kUnsupported},
                  false,
                  kLoad},
        FaultCase{"LowerCaseOk",
                  "GINF answered \"Ok\" (library only)",
                  Action::Load,
                  Faults({.replies = {{"GINF", "Ok"}}}),
                  {ExchangeFailed(369)},
                  false,
                  First(kLoad, 1)},
        FaultCase{"UnpluggedMidReply",
                  "unplugged during the reply to GBRTA",
                  Action::Load,
                  UnplugDuring("GBRTA"),
                  {ExchangeFailed(EIO)},
                  false,
                  First(kLoad, 2),
                  0},
        FaultCase{"LockedByAnotherProgram",
                  "another program holds the port (flock)",
                  Action::Load,
                  HeldByAnotherProgram(PortHolder::How::Lock),
                  {OpenFailed(EWOULDBLOCK)},
                  false,
                  {}},
        FaultCase{"ExclusiveInAnotherProgram",
                  "another program holds the port (TIOCEXCL); user in dialout",
                  Action::Load,
                  HeldByAnotherProgram(PortHolder::How::Exclusive),
                  {OpenFailed(EBUSY)},
                  false,
                  {}},
        FaultCase{"NoPermission",
                  "node root:dialout 0660; user not in dialout",
                  Action::Load,
                  UserOutsideTheGroup(),
                  {OpenFailed(EACCES)},
                  false,
                  {}}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Apply, FaultMatrix,
    testing::Values(
        FaultCase{"None", "none", Action::Apply, Faults({}), {kApplied}, true, kApply},
        FaultCase{"Silent", "--silent", Action::Apply, Faults({.silent = true}), {kNothing}, true, First(kApply, 1)},
        FaultCase{"SlowBytes", "--byte-delay 20", Action::Apply, Faults({.byteDelay = 20ms}), {kApplied}, true, kApply},
        FaultCase{"TooSlowBytes",
                  "--byte-delay 600",
                  Action::Apply,
                  Faults({.byteDelay = 600ms}),
                  {kNothing},
                  true,
                  First(kApply, 1)},
        FaultCase{"OtherModel", "--model TQ-74", Action::Apply, Model("TQ-74"), {kApplied}, true, kApply},
        FaultCase{"ErrorOnSbrta",
                  "--error SBRTA=03",
                  Action::Apply,
                  Faults({.errors = {{"SBRTA", 3}}}),
                  {ExchangeFailed(3)},
                  true,
                  First(kApply, 1)},
        FaultCase{"ErrorOnSbrtb",
                  "--error SBRTB=09",
                  Action::Apply,
                  Faults({.errors = {{"SBRTB", 9}}}),
                  {ExchangeFailed(9)},
                  true,
                  First(kApply, 2)},
        FaultCase{"ErrorOnSxcha",
                  "--error SXCHA=08",
                  Action::Apply,
                  Faults({.errors = {{"SXCHA", 8}}}),
                  {ExchangeFailed(8)},
                  true,
                  First(kApply, 3)},
        FaultCase{"ErrorOnSxchb",
                  "--error SXCHB=02",
                  Action::Apply,
                  Faults({.errors = {{"SXCHB", 2}}}),
                  {ExchangeFailed(2)},
                  true,
                  kApply},
        FaultCase{"TrailingLf",
                  "--trailing-lf",
                  Action::Apply,
                  Faults({.trailingLf = true}),
                  {ExchangeFailed(kLeftoverLf)},
                  true,
                  First(kApply, 2)},
        FaultCase{"LongReply",
                  "--long-reply",
                  Action::Apply,
                  Faults({.longReply = true}),
                  {ExchangeFailed(1002)},
                  true,
                  First(kApply, 1)},
        FaultCase{"ShortSbrta",
                  "--short-reply SBRTA",
                  Action::Apply,
                  Faults({.shortReplies = {"SBRTA"}}),
                  {kUnsupported},
                  true,
                  kApply},
        FaultCase{"ShortSbrtb",
                  "--short-reply SBRTB",
                  Action::Apply,
                  Faults({.shortReplies = {"SBRTB"}}),
                  {kUnsupported},
                  true,
                  kApply},
        FaultCase{"ShortSxcha",
                  "--short-reply SXCHA",
                  Action::Apply,
                  Faults({.shortReplies = {"SXCHA"}}),
                  {kApplied},
                  true,
                  kApply},
        FaultCase{"OneByteLine",
                  "SXCHB answered \"5\" (library only)",
                  Action::Apply,
                  Faults({.replies = {{"SXCHB", "5"}}}),
                  {ExchangeFailed(2)},
                  true,
                  kApply},
        FaultCase{"UnpluggedMidReply",
                  "unplugged during the reply to SBRTB",
                  Action::Apply,
                  UnplugDuring("SBRTB"),
                  {ExchangeFailed(EIO)},
                  false,
                  First(kApply, 2),
                  0}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

// Prints the table once every case has run.
class PrintTable : public testing::Environment {
public:
    void TearDown() override {
        std::ostringstream table;
        table << "| Fault | Action | Message | Caption | Panels | Firmware line | Port | Listed | Wire (device's side) "
                 "| Connect again |\n"
              << "|---|---|---|---|---|---|---|---|---|---|\n";
        for (const std::string& row : TableRows()) {
            table << row << '\n';
        }
        std::cout << table.str();
        std::ofstream("fault-matrix.md") << table.str();
    }
};

const testing::Environment* const kPrintTable = testing::AddGlobalTestEnvironment(new PrintTable);

} // namespace
