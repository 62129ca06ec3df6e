#include "MouseLink.h"

#include "CommandSet.h"
#include "HidTransport.h"

#include <QMutexLocker>
#include <algorithm>
#include <array>

bool OpenMouse(QTextStream& err)
{
    HidTransport& transport = HidTransport::instance();
    transport.BuildDeviceTable();
    if (transport.EnumerateDevices() != 0) {
        err << "Cannot use the HID library.\n";
        return false;
    }
    transport.OpenDevice(transport.table().entries[0].name);
    return transport.hasControlHandle();
}

BatteryReading QueryBattery()
{
    BatteryReading reading;
    HidTransport& transport = HidTransport::instance();
    const Report query = BuildQueryBattery();
    QMutexLocker locker(&transport.handleLock());
    HidHandle* handle = transport.activeControlHandleLocked();
    if (!handle || handle->write(query.data(), query.size()) < 0)
        return reading;
    std::array<quint8, 64> answer{};
    // The mouse answers the query within a few ms; allow for a slow radio link.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int read = ReadVendorReport(*handle, answer.data(), kReportLength, 150);
        if (read < 0)
            return reading;
        if (read > 0 && answer[3] == Command::QueryBattery) {
            reading.answered = true;
            std::copy(answer.begin(), answer.begin() + 11, reading.value);
            return reading;
        }
    }
    return reading;
}
