#include "scratchdata.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        std::fprintf(stderr, "dialup_bench: error: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QByteArray accountSettings(const QString &name, const QString &password)
{
    // Keys in the order the settings store writes them.
    return "[Info]\nname = " + name.toUtf8() + "\n"
           "[Properties]\n"
           "BTDUN = \nBluetooth = 0\nIrDA = 0\nSerial = 1\n"
           "atdial = ATZ\nconnectdelay = 1000\ncrtscts = 1\n"
           "defaultroute = 1\ndevice = /dev/ttyS0\ndialmode = 1\n"
           "dns1 = \ndns2 = \ngateway = \nidletime = 300\n"
           "password = " + password.toUtf8() + "\nphone = 5551234\n"
           "speed = 115200\nusepeerdns = 1\nusername = guest\n";
}

void writeAccounts(const QString &home, int count)
{
    const QString folder = home + QStringLiteral("/Choices/common");
    QDir().mkpath(folder);
    for (int i = 1; i <= count; ++i) {
        const QString name = QStringLiteral("Account %1").arg(i, 4, 10, QLatin1Char('0'));
        writeFile(folder + QStringLiteral("/Network-PPP-") + name + QStringLiteral(".conf"),
                  accountSettings(name, QStringLiteral("secret")));
    }
}

QByteArray secretsFileText(int lineCount, const QByteArray &line)
{
    QByteArray text;
    text.reserve(lineCount * 32);
    for (int i = 0; i < lineCount; ++i) {
        if (i == lineCount / 2)
            text += line + '\n';
        else
            text += "user" + QByteArray::number(i) + " isp" + QByteArray::number(i % 97)
                    + " \"pw" + QByteArray::number(i * 7919 % 100003) + "\"\n";
    }
    return text;
}

QByteArray searchOutput(int phoneCount)
{
    QByteArray text("Inquiring ...\n");
    for (int phone = 0; phone < phoneCount; ++phone) {
        char address[18];
        std::snprintf(address, sizeof address, "00:1E:%02X:%02X:%02X:%02X", (phone >> 16) & 0xff,
                      (phone >> 8) & 0xff, phone & 0xff, (phone * 37) & 0xff);
        const QByteArray dunChannel = QByteArray::number(1 + phone % 30);
        text += "Browsing " + QByteArray(address) + " ...\n"
                "Service Name: Hands-Free Audio Gateway\n"
                "Service RecHandle: 0x10001\n"
                "Service Class ID List:\n"
                "  \"Handsfree Audio Gateway\" (0x111f)\n"
                "  \"Generic Audio\" (0x1203)\n"
                "Protocol Descriptor List:\n"
                "  \"L2CAP\" (0x0100)\n"
                "  \"RFCOMM\" (0x0003)\n"
                "    Channel: 13\n"
                "Profile Descriptor List:\n"
                "  \"Handsfree\" (0x111e)\n"
                "    Version: 0x0105\n"
                "\n"
                "Service Name: Dial-up Networking\n"
                "Service RecHandle: 0x10002\n"
                "Service Class ID List:\n"
                "  \"Dialup Networking\" (0x1103)\n"
                "  \"Generic Networking\" (0x1201)\n"
                "Protocol Descriptor List:\n"
                "  \"L2CAP\" (0x0100)\n"
                "  \"RFCOMM\" (0x0003)\n"
                "    Channel: " + dunChannel + "\n"
                "Language Base Attr List:\n"
                "  code_ISO639: 0x656e\n"
                "  encoding:    0x6a\n"
                "  base_offset: 0x100\n"
                "Profile Descriptor List:\n"
                "  \"Dialup Networking\" (0x1103)\n"
                "    Version: 0x0100\n"
                "\n"
                "Service RecHandle: 0x10003\n"
                "Service Class ID List:\n"
                "  \"Serial Port\" (0x1101)\n"
                "Protocol Descriptor List:\n"
                "  \"L2CAP\" (0x0100)\n"
                "  \"RFCOMM\" (0x0003)\n"
                "    Channel: 3\n"
                "\n"
                "Service Name: SIM Access\n"
                "Service RecHandle: 0x10004\n"
                "Service Class ID List:\n"
                "  \"SIM Access\" (0x112d)\n"
                "  \"Generic Telephony\" (0x1204)\n"
                "Protocol Descriptor List:\n"
                "  \"L2CAP\" (0x0100)\n"
                "  \"RFCOMM\" (0x0003)\n"
                "    Channel: 4\n"
                "\n"
                "Service Name: OBEX Object Push\n"
                "Service RecHandle: 0x10005\n"
                "Service Class ID List:\n"
                "  \"OBEX Object Push\" (0x1105)\n"
                "Protocol Descriptor List:\n"
                "  \"L2CAP\" (0x0100)\n"
                "  \"RFCOMM\" (0x0003)\n"
                "    Channel: 9\n"
                "  \"OBEX\" (0x0008)\n"
                "Profile Descriptor List:\n"
                "  \"OBEX Object Push\" (0x1105)\n"
                "    Version: 0x0100\n"
                "\n";
    }
    return text;
}
