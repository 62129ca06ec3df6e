// osd_send TEXT [R G B] [SIZE] [MS]: one message to the OSD program, started if need be.
#include "OsdMessage.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 2;
    OsdMessage message;
    message.text = args.at(1);
    if (args.size() >= 5)
        message.colour = OsdColour(quint8(args.at(2).toUInt()), quint8(args.at(3).toUInt()), quint8(args.at(4).toUInt()));
    if (args.size() >= 6)
        message.fontSize = args.at(5).toUInt();
    if (args.size() >= 7)
        message.displayMs = args.at(6).toUInt();
    OsdSender sender;
    int result = 1;
    QObject::connect(&sender, &OsdSender::finished, &app, [&](bool delivered) {
        result = delivered ? 0 : 1;
        app.quit();
    });
    sender.send(message);
    app.exec();
    return result;
}
