#pragma once
// Builds one outgoing frame (header + block) without touching the socket; the link performs the
// side effects the result asks for.

#include "link/FrameHeader.h"

#include <QByteArray>

class LinkImageProvider;

struct FrameContext
{
    uint8_t status = LinkConst::ardixOffline;
    uint8_t deviceId = LinkConst::Device_Ardix7;
    const LinkImageProvider *images = nullptr;
};

struct BuiltFrame
{
    bool dropped = false;        // a command while not online: nothing is written
    FrameHeader header;
    QByteArray headerBytes;      // 88 bytes with headerCrc
    QByteArray data;             // written after the header for data frames only
    bool isData = false;
    bool showBusy = false;       // GetSettings: showBusyWithTimeout(3000)
    bool startsLogDownload = false; // GetLogFile: progress 1, clear the log buffer, log timer 15 s
};

// The block a data frame of this type carries, already encoded.
QByteArray dataBlockFor(uint8_t type, const LinkImageProvider &images);

BuiltFrame buildFrame(unsigned action, unsigned dataOrCommand, unsigned parameter,
                      const FrameContext &ctx);
