#pragma once

#include <QByteArray>
#include <QtGlobal>

// The bus and USB identity of a HID device, as the kernel's HID_ID property spells it
// ("0003:0000248A:0000FA02": bus, vendor, product in hexadecimal).
struct HidUsbId
{
    quint16 bus = 0;
    quint16 vendorId = 0;
    quint16 productId = 0;
    bool valid = false;

    // An invalid id (all zero) for anything that is not three hex fields of at most
    // eight digits each whose values fit in 16 bits.
    static HidUsbId parse(const QByteArray& text);
};
