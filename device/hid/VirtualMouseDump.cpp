#include "VirtualMouseDump.h"

#include <QStringList>

namespace {

constexpr int ProfileCount = 5;
constexpr int DpiLevels = 8;
constexpr int ButtonSlots = 24;
constexpr int LedRecords = 10;
constexpr int LedRecordSize = 8;
constexpr int MacroEventSize = 3;

// Effect shown by each LED record slot, in the order the records are stored.
constexpr int LedSlotEffect[LedRecords] = { 0, 1, 2, 3, 4, 9, 11, 10, 12, 13 };

QString Hex(quint8 value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

template <size_t N>
QString HexRun(const std::array<quint8, N>& bytes, int from, int count)
{
    QStringList parts;
    for (int i = from; i < from + count && i < int(N); ++i)
        parts << Hex(bytes[size_t(i)]);
    return parts.join(QLatin1Char(' '));
}

template <size_t N>
QString NumberRun(const std::array<quint8, N>& bytes, int from, int count)
{
    QStringList parts;
    for (int i = from; i < from + count && i < int(N); ++i)
        parts << QString::number(bytes[size_t(i)]);
    return parts.join(QLatin1Char(' '));
}

void AppendSettings(QStringList& out, const VirtualMouse::Memory& m)
{
    const auto& s = m.settings;
    out << QStringLiteral("Settings");
    out << QStringLiteral("  scroll speed: %1").arg(NumberRun(s, 0, ProfileCount));
    out << QStringLiteral("  flags: 0x%1").arg(Hex(s[5]));
    out << QStringLiteral("  active profile: %1").arg(s[6]);
    out << QStringLiteral("  LedMoveOFF: %1").arg(s[7]);
    out << QStringLiteral("  sleep: %1").arg(s[8]);
    out << QStringLiteral("  debounce: %1").arg(s[9]);
    out << QStringLiteral("  byte 10: 0x%1").arg(Hex(s[10]));
    out << QStringLiteral("  poll rate: %1").arg(NumberRun(s, 11, ProfileCount));
    out << QStringLiteral("  byte 16: 0x%1").arg(Hex(s[16]));
    out << QStringLiteral("  active dpi: %1").arg(s[17]);
    out << QStringLiteral("  led slot: %1").arg(s[18]);
}

void AppendDpi(QStringList& out, const VirtualMouse::Memory& m, const DumpDecoders& decoders)
{
    const auto& d = m.dpi;
    out << QStringLiteral("DPI");
    out << QStringLiteral("  level count: %1").arg(d[0]);
    for (int level = 0; level < DpiLevels; ++level) {
        const int at = 1 + 5 * level;
        const quint8 xlo = d[size_t(at + 1)], xhi = d[size_t(at + 2)];
        const quint8 ylo = d[size_t(at + 3)], yhi = d[size_t(at + 4)];
        QString line = QStringLiteral("  level %1: enabled %2  x %3 %4 = %5  y %6 %7 = %8")
                           .arg(level)
                           .arg(d[size_t(at)])
                           .arg(Hex(xlo), Hex(xhi))
                           .arg(xlo | (xhi << 8))
                           .arg(Hex(ylo), Hex(yhi))
                           .arg(ylo | (yhi << 8));
        if (decoders.dpi) {
            const QString text = decoders.dpi(level, xlo, xhi, ylo, yhi);
            if (!text.isEmpty())
                line += QStringLiteral("  ") + text;
        }
        out << line;
    }
}

void AppendButtons(QStringList& out, const VirtualMouse::Memory& m, const DumpDecoders& decoders)
{
    const auto& b = m.buttons;
    out << QStringLiteral("Buttons");
    out << QStringLiteral("  header: %1").arg(HexRun(b, 0, 2));
    for (int slot = 0; slot < ButtonSlots; ++slot) {
        const int at = 2 + 4 * slot;
        QString line = QStringLiteral("  slot %1: %2").arg(slot, 2, 10, QLatin1Char('0')).arg(HexRun(b, at, 4));
        if (decoders.buttonSlot) {
            const std::array<quint8, 4> bytes{ b[size_t(at)], b[size_t(at + 1)], b[size_t(at + 2)], b[size_t(at + 3)] };
            const QString text = decoders.buttonSlot(bytes);
            if (!text.isEmpty())
                line += QStringLiteral("  ") + text;
        }
        out << line;
    }
    out << QStringLiteral("  tail: %1").arg(HexRun(b, 98, 4));
}

void AppendLed(QStringList& out, const VirtualMouse::Memory& m)
{
    const auto& l = m.led;
    out << QStringLiteral("LED");
    for (int record = 0; record < LedRecords; ++record) {
        const int at = record * LedRecordSize;
        out << QStringLiteral("  record %1 (effect %2): %3  flag %4 rgb %5 %6 %7 mode %8 speed %9 p6 %10 p7 %11")
                   .arg(record)
                   .arg(LedSlotEffect[record])
                   .arg(HexRun(l, at, LedRecordSize))
                   .arg(Hex(l[size_t(at)]), Hex(l[size_t(at + 1)]), Hex(l[size_t(at + 2)]), Hex(l[size_t(at + 3)]),
                        Hex(l[size_t(at + 4)]), Hex(l[size_t(at + 5)]), Hex(l[size_t(at + 6)]), Hex(l[size_t(at + 7)]));
    }
}

void AppendMacros(QStringList& out, const VirtualMouse::Memory& m)
{
    const auto& bytes = m.macros;
    out << QStringLiteral("Macros");
    QStringList empty;
    for (int slot = 0; slot < VirtualMouse::MacroSlotCount; ++slot) {
        const int base = slot * VirtualMouse::MacroSlotSize;
        int last = -1;
        for (int i = VirtualMouse::MacroSlotSize - 1; i >= 0; --i) {
            if (bytes[size_t(base + i)] != 0) {
                last = i;
                break;
            }
        }
        if (last < 0) {
            empty << QString::number(slot);
            continue;
        }
        // Events run up to the zero tail; a slot has no length field.
        const int events = last / MacroEventSize + 1;
        out << QStringLiteral("  slot %1: %2 events").arg(slot).arg(events);
        for (int e = 0; e < events; ++e) {
            const int at = base + e * MacroEventSize;
            const quint8 map = bytes[size_t(at)];
            const quint8 dataL = at + 1 < base + VirtualMouse::MacroSlotSize ? bytes[size_t(at + 1)] : 0;
            const quint8 dataH = at + 2 < base + VirtualMouse::MacroSlotSize ? bytes[size_t(at + 2)] : 0;
            QString line = QStringLiteral("    %1: %2 Map %3 DataL %4 DataH %5")
                               .arg(e, 2, 10, QLatin1Char('0'))
                               .arg(VirtualMouseDump::MacroEventName(map), -13)
                               .arg(Hex(map), Hex(dataL), Hex(dataH));
            if (map == 0x06)
                line += QStringLiteral("  count %1").arg(dataL | (dataH << 8));
            out << line;
        }
    }
    out << QStringLiteral("  empty slots: %1").arg(empty.isEmpty() ? QStringLiteral("none") : empty.join(QLatin1Char(' ')));
}

} // namespace

QString VirtualMouseDump::MacroEventName(quint8 map)
{
    switch (map) {
    case 0x84: return QStringLiteral("KeyPress");
    case 0x04: return QStringLiteral("KeyRelease");
    case 0x81: return QStringLiteral("ButtonPress");
    case 0x01: return QStringLiteral("ButtonRelease");
    case 0x02: return QStringLiteral("PointerMove");
    case 0x06: return QStringLiteral("DelayEvent");
    default: return QStringLiteral("Unknown");
    }
}

QString VirtualMouseDump::Format(const VirtualMouse::Memory& memory, const DumpDecoders& decoders)
{
    QStringList out;
    AppendSettings(out, memory);
    AppendDpi(out, memory, decoders);
    AppendButtons(out, memory, decoders);
    AppendLed(out, memory);
    AppendMacros(out, memory);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString VirtualMouseDump::Format(const VirtualMouse& mouse, const DumpDecoders& decoders)
{
    return Format(mouse.memory(), decoders);
}
