#ifndef MODEMMANAGERQUERY_H
#define MODEMMANAGERQUERY_H

#include <QDBusConnection>
#include <QObject>

// Asks ModemManager on a bus (the system bus, in the program) whether one of its modems uses a serial
// port, without waiting for the answer: it comes through answered(), within
// the time limit, and at once as Unknown where there is no system bus or no
// ModemManager on it (ModemManager is not started for the question).
class ModemManagerQuery : public QObject
{
    Q_OBJECT
public:
    enum Answer { Holds, Free, Unknown };
    Q_ENUM(Answer)

    explicit ModemManagerQuery(const QDBusConnection &bus, QObject *parent = nullptr)
        : QObject(parent), bus(bus) { }
    // device: "/dev/ttyUSB0" or "ttyUSB0".
    void ask(const QString &device, int timeLimitMs = 1000);

signals:
    void answered(ModemManagerQuery::Answer answer);

private:
    QDBusConnection bus;
};

#endif
