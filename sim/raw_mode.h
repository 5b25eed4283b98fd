#pragma once

namespace tq73sim {

// Switches off the line discipline of the tty `fd` (canonical mode, echo, signals, CR/NL translation, XON/XOFF,
// output processing) so bytes pass unchanged both ways; speed and framing are left as they are. On a pty master
// this sets the terminal of the other side. Returns 0 or the errno of the failure.
int MakeRaw(int fd);

} // namespace tq73sim
