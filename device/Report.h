#pragma once

#include <QVector>
#include <QtGlobal>
#include <array>

// One command report: 33 bytes, report id 5 first, byte 1 checksum, byte 2 0xFA marker,
// byte 3 command, bytes 4..7 offset/parameters/length/packet tag, bytes 8..32 data.
constexpr int kReportLength = 33;
constexpr quint8 kReportId = 0x05;
constexpr quint8 kReportMarker = 0xFA;
constexpr int kReportDataOffset = 8;
constexpr int kReportMaxData = 25;

constexpr quint8 kTagFirst = 0xD1;
constexpr quint8 kTagNext = 0xD2;
constexpr quint8 kTagClose = 0xD3;

namespace Command {
constexpr quint8 SettingsBlock = 0x01;
constexpr quint8 DpiBlock = 0x02;
constexpr quint8 ButtonBlock = 0x03;
constexpr quint8 LedBlock = 0x04;
constexpr quint8 MacroBlock = 0x05;
constexpr quint8 ApplySection = 0x40;
constexpr quint8 SelectProfile = 0x44;
constexpr quint8 WriteSession = 0x46;
constexpr quint8 QueryBattery = 0x48;
constexpr quint8 StatusReport = 0x49;
} // namespace Command

using Report = std::array<quint8, kReportLength>;
using ReportList = QVector<Report>;

// A report with id, marker, command and header bytes; everything else 0.
inline Report MakeReport(quint8 command, quint8 b4 = 0, quint8 b5 = 0, quint8 b6 = 0, quint8 b7 = 0)
{
    Report r{};
    r[0] = kReportId;
    r[2] = kReportMarker;
    r[3] = command;
    r[4] = b4;
    r[5] = b5;
    r[6] = b6;
    r[7] = b7;
    return r;
}

// (bytes 2..7) mod 256, exclusive-or 0x66.
inline quint8 ReportChecksum(const Report& r)
{
    return quint8(((r[2] + r[3] + r[4] + r[5] + r[6] + r[7]) & 0xFF) ^ 0x66);
}
