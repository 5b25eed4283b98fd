#include "sim/help_text.h"

#include "sim/device_error.h"
#include "sim/launch_command.h"

namespace tq73sim {

std::string HelpText() {
    std::string text = R"(Usage: tq73-sim --pty [OPTION]...
       tq73-sim --port PATH [OPTION]...
       tq73-sim --launch [OPTION]... [--] PROGRAM [ARG]...
Simulates a TQ-73 serial interface device on a serial line.

The device answers each command line (ASCII text ended by CR; LFs are ignored) with one line ended by CR:
OK and a payload, or a two-digit error number. Commands (X is the port letter, A or B):
  GINF            OKTQ-73,<hardware id>,<firmware version in hundredths>
  GBRTX           OKX,<rate>,<data bits 7|8>,<parity N|O|E>,<stop bits 1|2>,<flow N|H|S>,<rate error %>
  GXCHX           OKX,<XON hex>,<XOFF hex>
  SBRTX,RATE,DATA,PARITY,STOP,FLOW
                  sets the line settings (rate 200 to 1000000) and answers as GBRTX
  SXCHX,XON,XOFF  sets XON and XOFF (two upper-case hexadecimal digits each) and answers OK
Both ports start at 9600,8,N,1,N with XON 11 and XOFF 13. The rate error comes from a 14.7456 MHz UART clock
with 16 times oversampling.

Where the device is:
  --pty               open a pseudo-terminal, print the path of its terminal as the first line of standard
                      output, and serve it until standard input closes or SIGTERM, SIGINT or SIGHUP
                      arrives
  --port PATH         serve the existing tty PATH with its line discipline switched off, until SIGTERM,
                      SIGINT or SIGHUP arrives
  --launch            plug a USB device "TQ-73" at /dev/ttyACM0 into a new umockdev testbed (a private /sys,
                      /dev and udev), serve it there, and start PROGRAM with ARGs inside the testbed, where
                      it sees the TQ-73 and its plug events and no real device. The first argument that is
                      no option, or the one after --, is PROGRAM. Standard input takes the commands below;
                      SIGTERM, SIGINT and SIGHUP are passed on to PROGRAM. Ends when PROGRAM ends, removing
                      the testbed, with PROGRAM's exit status (128 + N when signal N ended it), or 127 when
                      it cannot be started
  --log FILE          write one line per command received ("> GINF") and per reply sent ("< OK...\r"), with
                      CR, LF, backslash and other unprintable bytes as \r, \n, \\ and \xNN
  -h, --help          show this help

Faults:
  --silent            answer nothing; commands have no effect
  --byte-delay MS     wait MS milliseconds (0 to 60000) before each byte of a reply
  --model NAME        report NAME instead of TQ-73 as the model in GINF
  --error CMD=NN      answer the command word CMD (the text before the first comma) with error NN (two
                      digits) instead of its normal reply; the command has no effect. May be repeated
  --trailing-lf       send an LF after every CR
  --long-reply        append a filler field that makes every reply line longer than 31 bytes
  --short-reply CMD   leave out the last field of the replies to the command word CMD. May be repeated

Error numbers:
)";
    for (const DeviceErrorInfo& info : DeviceErrors()) {
        text += "  " + ErrorReply(info.error) + "  " + info.meaning + "\n";
    }
    text += "\n" + LaunchCommandHelp();
    text += "\nExit status: 0 when stopped as described, 1 when the line cannot be served, 2 for a wrong command "
            "line; with --launch, as said there.\n";
    return text;
}

} // namespace tq73sim
