#pragma once

// The port's time-outs in milliseconds, named after the fields of the Windows time-out record. With one byte
// per read call, a read returns within ReadTotalTimeoutConstant + ReadTotalTimeoutMultiplier ms.
struct CommTimeouts {
    int ReadIntervalTimeout = 50;
    int ReadTotalTimeoutMultiplier = 1;
    int ReadTotalTimeoutConstant = 500;
    int WriteTotalTimeoutMultiplier = 1;
    int WriteTotalTimeoutConstant = 500;
};
