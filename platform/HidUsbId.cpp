#include "HidUsbId.h"

#include <QList>

namespace {

// One field of HID_ID: 1..8 hex digits, nothing else (no sign, no blanks, no "0x").
bool ParseHexField(const QByteArray& field, quint16* value)
{
    if (field.isEmpty() || field.size() > 8)
        return false;
    quint32 result = 0;
    for (const char c : field) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return false;
        result = (result << 4) | quint32(digit);
    }
    // USB and Bluetooth ids are 16 bits; the kernel only pads them to eight digits.
    if (result > 0xFFFF)
        return false;
    *value = quint16(result);
    return true;
}

} // namespace

HidUsbId HidUsbId::parse(const QByteArray& text)
{
    // Three fields of at most eight digits and two colons; anything longer is not HID_ID.
    constexpr int kMaxLength = 3 * 8 + 2;
    if (text.isEmpty() || text.size() > kMaxLength)
        return HidUsbId();
    const QList<QByteArray> fields = text.split(':');
    if (fields.size() != 3)
        return HidUsbId();
    HidUsbId id;
    if (!ParseHexField(fields.at(0), &id.bus) || !ParseHexField(fields.at(1), &id.vendorId)
        || !ParseHexField(fields.at(2), &id.productId))
        return HidUsbId();
    id.valid = true;
    return id;
}
