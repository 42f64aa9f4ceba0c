#pragma once
// Faults a simulated boot loader can be told to show at a chosen firmware packet. A list of faults
// plays in order: each is armed once those before it are used up, so that a later one can hit a
// later run (a packet of the run after a re-dial).

struct FlashFault
{
    enum Kind {
        None,
        Drop,        // the packet never arrives: the boot loader reports a timeout for it
        Corrupt,     // a byte of the packet is flipped: its checksum fails
        Abort,       // the boot loader gives up ("ERROR:..." or FlashingAbort)
        Disconnect,  // the connection drops as the packet arrives
        Silence,     // the boot loader stops answering until the next connection
        WrongDevice, // the boot loader refuses the firmware's header (packet 0 only)
        DeviceError, // the PDM boot loader sends ErrorMessage with `code`
        Mute,        // the boot loader takes the FLASH line or PrepareToFlash, then says nothing
                     // more until the next connection (`packet` is not used)
    };
    Kind kind = None;
    int packet = 0;
    int times = 1; // how many deliveries of that packet it hits
    int code = 0;  // ErrorMessage code
};
