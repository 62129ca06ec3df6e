#pragma once

#include "VirtualMouse.h"

#include <QString>
#include <array>
#include <functional>

// Hooks for knowledge the transport lacks: the DPI a level's raw bytes mean for the
// configured sensor, and the function a button slot's four bytes encode. An empty
// hook, or an empty returned text, adds nothing to the line.
struct DumpDecoders
{
    std::function<QString(int level, quint8 xlo, quint8 xhi, quint8 ylo, quint8 yhi)> dpi;
    std::function<QString(const std::array<quint8, 4>&)> buttonSlot;
};

// The virtual mouse's memory as readable text, block by block.
class VirtualMouseDump
{
public:
    static QString Format(const VirtualMouse::Memory& memory, const DumpDecoders& decoders = DumpDecoders());
    static QString Format(const VirtualMouse& mouse, const DumpDecoders& decoders = DumpDecoders());
    // "KeyPress", "KeyRelease", "ButtonPress", "ButtonRelease", "PointerMove", "DelayEvent",
    // or "Unknown" for any other Map byte.
    static QString MacroEventName(quint8 map);
};
