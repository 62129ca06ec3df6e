// The on-screen-display record from the socket: only whole records decode, and what they
// decode to stays within the window's limits and survives being sent on.
#include "FuzzSupport.h"
#include "OsdMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > fuzz::kMaxInput)
        return 0;
    fuzz::Environment::instance();
    // The first byte picks raw length or a record-sized frame, so both get searched.
    QByteArray record = fuzz::Bytes(data + 1, size - 1);
    if (data[0] & 1)
        record = record.leftJustified(kOsdRecordSize, '\0', true);
    OsdMessage message;
    const bool decoded = DecodeOsdRecord(record, message);
    FUZZ_CHECK(decoded == (record.size() == kOsdRecordSize), "exactly the whole records decode");
    if (!decoded)
        return 0;
    FUZZ_CHECK(message.displayMs >= kOsdMinDisplayMs && message.displayMs <= kOsdMaxDisplayMs, "display time in range");
    FUZZ_CHECK(message.fontSize >= kOsdMinFontSize && message.fontSize <= kOsdMaxFontSize, "font size in range");
    FUZZ_CHECK(message.text.size() <= kOsdMaxTextUnits && message.fontFace.size() <= kOsdMaxTextUnits, "texts in range");
    FUZZ_CHECK(message.colour <= 0xFFFFFF, "colour is three bytes");
    const QByteArray encoded = EncodeOsdRecord(message);
    FUZZ_CHECK(encoded.size() == kOsdRecordSize, "encoded record size");
    OsdMessage again;
    FUZZ_CHECK(DecodeOsdRecord(encoded, again), "an encoded record decodes");
    FUZZ_CHECK(again.text == message.text && again.fontFace == message.fontFace && again.displayMs == message.displayMs
                   && again.fontSize == message.fontSize && again.colour == message.colour,
               "a decoded message is sent on unchanged");
    return 0;
}
