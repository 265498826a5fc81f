#include "core/connection/connection.h"
#include "core/connection/modemmanagerquery.h"

#include "support/testsupport.h"

#include <QtDBus>
#include <QtTest>

#include <csignal>

using State = PppdOutput::State;
using Code = ConnectionReason::Code;
Q_DECLARE_METATYPE(ConnectionReason::Code)

namespace {

bool put(const QString &path, const QByteArray &content)
{
    return QDir().mkpath(QFileInfo(path).path()) && putFile(path, content);
}

// What chat -s -v and pppd print for a call that comes up with PAP.
const QByteArray dialled = "abort on (BUSY)\nsend (ATZ^M)\nexpect (OK)\nOK\n -- got it\nsend (ATDT555^M)\n"
                           "expect (CONNECT)\nCONNECT\n -- got it\nSerial connection established.\n"
                           "Using interface ppp7\nConnect: ppp7 <--> /dev/ttyS0\nPAP authentication succeeded\n";
const QByteArray addresses = "local  IP address 10.0.0.2\nremote IP address 10.0.0.1\n"
                             "primary   DNS address 10.0.0.53\nsecondary DNS address 10.0.0.54\n";

struct ModemPort { QString name; uint kind; };
QDBusArgument &operator<<(QDBusArgument &argument, const ModemPort &port)
{
    argument.beginStructure();
    argument << port.name << port.kind;
    argument.endStructure();
    return argument;
}
const QDBusArgument &operator>>(const QDBusArgument &argument, ModemPort &) { return argument; }
using Interfaces = QMap<QString, QVariantMap>;

// GetManagedObjects with one modem: primary port cdc-wdm0, ports cdc-wdm0 (QMI) and ttyUSB2 (AT).
class FakeModemManager : public QDBusVirtualObject
{
public:
    QString introspect(const QString &) const override { return QString(); }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &bus) override
    {
        const QVariantMap modem = { { "PrimaryPort", "cdc-wdm0" },
                                    { "Ports", QVariant::fromValue(QList<ModemPort>{ { "cdc-wdm0", 6 }, { "ttyUSB2", 3 } }) } };
        const QMap<QDBusObjectPath, Interfaces> objects = {
            { QDBusObjectPath("/org/freedesktop/ModemManager1/Modem/0"),
              { { "org.freedesktop.ModemManager1.Modem", modem }, { "org.freedesktop.DBus.Properties", {} } } } };
        return bus.send(message.createReply(QVariant::fromValue(objects)));
    }
};

} // namespace

Q_DECLARE_METATYPE(ModemPort)

class TestConnection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // No system bus: ModemManager's answer is "unknown".
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/dialup-test-bus");
        qDBusRegisterMetaType<ModemPort>();
        qDBusRegisterMetaType<QList<ModemPort>>();
        qDBusRegisterMetaType<Interfaces>();
        qDBusRegisterMetaType<QMap<QDBusObjectPath, Interfaces>>();
    }

    void states_data()
    {
        QTest::addColumn<QByteArray>("transcript");
        QTest::addColumn<QList<int>>("states");
        QTest::newRow("dialled, authenticated, up, stopped")
            << dialled + addresses + "Terminating on signal 15\n"
            << QList<int>{ State::Dialling, State::ModemConnected, State::Authenticating,
                           State::Connected, State::Disconnecting };
        QTest::newRow("demand link waits, dials on traffic, waits again")
            << "Using interface ppp0\nStarting link\n" + dialled + addresses + "Connection terminated.\n"
            << QList<int>{ State::WaitingForTraffic, State::Dialling, State::ModemConnected,
                           State::Authenticating, State::Connected, State::WaitingForTraffic };
    }
    void states()
    {
        QFETCH(QByteArray, transcript);
        QFETCH(QList<int>, states);
        PppdOutput output;
        QList<int> seen;
        for (const QByteArray &line : transcript.split('\n')) {
            output.feed(line + '\n');
            if (seen.isEmpty() || seen.last() != output.state)
                seen << output.state;
        }
        QCOMPARE(seen, states);
    }

    // The link's facts; lines split anywhere, a line of 1 MB, binary bytes and the password change nothing else.
    void robustAndMasked()
    {
        const QByteArray junk = QByteArray(1 << 20, '\x01') + "\n\x01\x7f\x1b[2J\x80\xff pw=s3cret\n";
        const QByteArray stream = dialled + junk + "send (s3cret^M)\r\n" + addresses + "Sent 123 bytes, received 456 bytes.";
        PppdOutput output("s3cret");
        QStringList lines;
        for (qsizetype at = 0; at < stream.size(); at += 7777)
            lines += output.feed(stream.mid(at, 7777));
        lines += output.finish();
        QVERIFY2(!lines.join('\n').contains("s3cret") && lines.contains("send (********^M)"), qPrintable(lines.join('\n').right(500)));
        QVERIFY(std::all_of(lines.cbegin(), lines.cend(), [](const QString &line) {
            return line.size() <= PppdOutput::maxLineBytes
                && std::none_of(line.cbegin(), line.cend(), [](QChar c) { return c < QChar(0x20) || c == QChar(0x7f); });
        }));
        const PppdOutput::Link expected{ "ppp7", "/dev/ttyS0", "10.0.0.2", "10.0.0.1", "10.0.0.53", "10.0.0.54" };
        QVERIFY(output.link == expected);
        QCOMPARE(QList<qint64>({ output.facts.sentBytes, output.facts.receivedBytes }), QList<qint64>({ 123, 456 }));
        QCOMPARE(lines.size(), dialled.count('\n') + 3 + addresses.count('\n') + 1);
    }

    void reasons_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("stopRequested");
        QTest::addColumn<Code>("code");
        QTest::addColumn<QStringList>("arguments");
        const QList<QPair<int, Code>> plain = { { 0, Code::EndedByPeer }, { 1, Code::Fatal }, { 2, Code::OptionError },
            { 3, Code::NotAllowed }, { 4, Code::NoKernelSupport }, { 8, Code::ConnectScriptFailed },
            { 10, Code::NegotiationFailed }, { 11, Code::PeerRefusedAuth }, { 12, Code::Idle },
            { 13, Code::ConnectTimeLimit }, { 15, Code::NoEchoReplies }, { 16, Code::ModemHangup },
            { 17, Code::LoopedBack }, { 18, Code::InitScriptFailed }, { 9, Code::OtherExit } };
        for (const auto &[status, code] : plain)
            QTest::addRow("status %d", status) << QByteArray() << status << false << code
                                               << (code == Code::OtherExit ? QStringList("9") : QStringList());
        const auto chat = [](const char *failed) { return QByteArray("send (ATDT555^M)\n") + failed + "\nConnect script failed\n"; };
        QTest::newRow("busy") << chat("Failed (BUSY)") << 8 << false << Code::Busy << QStringList();
        QTest::newRow("no carrier") << chat("Failed (NO CARRIER)") << 8 << false << Code::NoCarrier << QStringList();
        QTest::newRow("no dialtone") << chat("Failed (NO DIALTONE)") << 8 << false << Code::NoDialtone << QStringList();
        QTest::newRow("modem error") << chat("Failed (ERROR)") << 8 << false << Code::ModemError << QStringList();
        QTest::newRow("no answer in time") << chat("alarm\nFailed") << 8 << false << Code::NoAnswer << QStringList();
        QTest::newRow("other abort") << chat("Failed (VOICE)") << 8 << false << Code::ModemAbort << QStringList("VOICE");
        QTest::newRow("CHAP refused") << QByteArray("CHAP authentication failed\n") << 19 << false << Code::AuthenticationFailed << QStringList("CHAP");
        QTest::newRow("PAP refused, hung up") << QByteArray("PAP authentication failed\nModem hangup\n") << 16 << false << Code::AuthenticationFailed << QStringList("PAP");
        QTest::newRow("PAP refused, line hung up") << QByteArray("PAP authentication failed\nHangup (SIGHUP)\n") << 5 << false << Code::AuthenticationFailed << QStringList("PAP");
        QTest::newRow("line hung up") << QByteArray("Hangup (SIGHUP)\n") << 5 << false << Code::ModemHangup << QStringList();
        QTest::newRow("stopped here") << QByteArray("Terminating on signal 15\n") << 5 << true << Code::Disconnected << QStringList();
        QTest::newRow("stopped elsewhere") << QByteArray("Terminating on signal 2\n") << 5 << false << Code::StoppedBySignal << QStringList("2");
        QTest::newRow("followed: PAP refused") << QByteArray("PAP authentication failed\nModem hangup\n") << -1 << false
                                               << Code::AuthenticationFailed << QStringList("PAP");
        QTest::newRow("followed: busy") << chat("Failed (BUSY)") << -1 << false << Code::Busy << QStringList();
        QTest::newRow("followed: stopped here") << QByteArray("Terminating on signal 15\n") << -1 << true << Code::Disconnected << QStringList();
        QTest::newRow("followed: no log") << QByteArray() << -1 << false << Code::EndedUnknown << QStringList();
    }
    void reasons()
    {
        QFETCH(QByteArray, log);
        QFETCH(int, status);
        QFETCH(bool, stopRequested);
        QFETCH(Code, code);
        QFETCH(QStringList, arguments);
        PppdOutput output;
        output.feed(log);
        const ConnectionReason reason = ConnectionReason::fromEnd(status, stopRequested, output, "Office");
        QCOMPARE(reason.code, code);
        QCOMPARE(reason.arguments, arguments);
    }

    // A scratch process table, interfaces and lock folder: pon's own shell and another account's pppd are not it.
    // Such a pppd (here a sleep) keeps no log here: Connected while its interface is there, counted each second;
    // Disconnect ends it.
    void findingPppdAndWhoHoldsThePort()
    {
        Scratch scratch;
        const SystemLayout &layout = scratch.layout;
        QProcess pppd;
        pppd.start("sleep", { "30" });
        QVERIFY(pppd.waitForStarted());
        const QByteArray pid = QByteArray::number(pppd.processId());
        QVERIFY(put(layout.procDir + "/90/cmdline", QByteArray("/bin/sh\0/usr/bin/pon\0Office\0", 26)));
        QVERIFY(put(layout.procDir + "/95/cmdline", QByteArray("/usr/sbin/pppd\0call\0Office2\0", 28)));
        QVERIFY(put(layout.procDir + "/" + pid + "/cmdline", QByteArray("/usr/sbin/pppd\0call\0Office\0", 27)));
        QVERIFY(put(layout.procDir + "/300/comm", "minicom\n") && put(layout.serialLockDir + "/LCK..ttyS0", "       300\n"));
        QVERIFY(put(layout.pppdPidDir + "/ppp2.pid", "95\n") && put(layout.pppdPidDir + "/ppp3.pid", pid + "\n"));
        QVERIFY(put(layout.netClassDir + "/ppp3/statistics/rx_bytes", "4567\n")
                && put(layout.netClassDir + "/ppp3/statistics/tx_bytes", "123\n"));
        QCOMPARE(QList<qint64>({ PppdProcess::find(layout, "Office"), PppdProcess::find(layout, "Home") }),
                 QList<qint64>({ pid.toLongLong(), 0 }));
        QCOMPARE(PppdProcess::interfaceOf(layout, pid.toLongLong()), QString("ppp3"));
        const ConnectionReason holder = ConnectionReason{ Code::PortLocked, { "ttyS0" } }.withPortHolder(layout);
        QCOMPARE(holder.arguments, QStringList({ "ttyS0", "minicom", "300" }));
        QCOMPARE(holder.code, Code::PortInUse);

        Connection connection(layout, "Office");
        QSignalSpy finished(&connection, &Connection::finished);
        QVERIFY(connection.attach() && connection.state() == State::Connected);
        QCOMPARE(QList<qint64>({ connection.counters().received, connection.counters().sent }), QList<qint64>({ 4567, 123 }));
        QSignalSpy ticked(&connection, &Connection::linkChanged);
        QVERIFY(put(layout.netClassDir + "/ppp3/statistics/rx_bytes", "5000\n") && ticked.wait(1500));
        QCOMPARE(connection.counters().received, 5000);
        if (::geteuid() == 0) {   // as another user: the signal is refused, said so, and pppd is still followed
            Code refusal = Code::NoReason;
            QObject::connect(&connection, &Connection::stopRefused, [&](const ConnectionReason &why) { refusal = why.code; });
            QVERIFY(::setresuid(65534, 65534, 0) == 0);
            connection.disconnectAccount();
            QVERIFY(::setresuid(0, 0, 0) == 0);
            QVERIFY(refusal == Code::NotPermitted && connection.state() == State::Connected);
        }
        connection.disconnectAccount();
        QVERIFY(finished.wait(5000));
        QCOMPARE(connection.reason().code, Code::Disconnected);
        pppd.waitForFinished();
        QVERIFY2(!connection.attach(), "a pppd that has ended is not followed");
    }

    // pppd runs for root and its group (dip on Debian) only.
    void groupNeededToDial()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("pppd");
        QVERIFY(putFile(program, "", 0750) && ::chown(QFile::encodeName(program).constData(), 0, 0) == 0);
        QCOMPARE(QStringList({ ConnectionReason::missingGroup(program, 1000, { 1000, 24 }),
                               ConnectionReason::missingGroup(program, 1000, { 1000, 0 }), ConnectionReason::missingGroup(program, 0, {}) }),
                 QStringList({ "root", "", "" }));
    }

    // The stand-in pppd prints a call's lines and ends as the row says; hangUpAt: the state Disconnect is pressed in.
    void dialling_data()
    {
        QTest::addColumn<QByteArray>("scenario");
        QTest::addColumn<int>("hangUpAt");
        QTest::addColumn<QList<int>>("states");
        QTest::addColumn<ConnectionReason>("reason");
        const QList<int> failed = { State::Dialling, State::Disconnected };
        QTest::newRow("up, counted, stopped") << dialled + addresses + "send (s3cret^M)\n@hold" << int(State::Connected)
            << QList<int>{ State::Dialling, State::ModemConnected, State::Authenticating, State::Connected,
                           State::Disconnecting, State::Disconnected } << ConnectionReason{ Code::Disconnected, {} };
        QTest::newRow("deaf to SIGTERM") << "@deaf\n" + dialled + "@hold" << int(State::Authenticating)
            << QList<int>{ State::Dialling, State::ModemConnected, State::Authenticating, State::Disconnecting,
                           State::Disconnected } << ConnectionReason{ Code::KilledAfterTimeout, { "0" } };
        QTest::newRow("busy") << QByteArray("send (ATDT555^M)\nFailed (BUSY)\nConnect script failed\n@exit 8")
                              << int(State::Idle) << failed << ConnectionReason{ Code::Busy, {} };
        QTest::newRow("peer file gone, said on standard error")
            << QByteArray("2>pppd: Can't open options file /etc/ppp/peers/Standin: No such file or directory\n@exit 2")
            << int(State::Idle) << failed << ConnectionReason{ Code::NoPeerFile, { "Standin" } };
        QTest::newRow("port held") << QByteArray("Device ttyS0 is locked by pid 300\n@exit 6") << int(State::Idle) << failed
                                   << ConnectionReason{ Code::PortInUse, { "ttyS0", "minicom", "300" } };
        QTest::newRow("port not opened, no ModemManager") << QByteArray("Failed to open /dev/ttyUSB0: Device or resource busy\n@exit 7")
                                                           << int(State::Idle) << failed
                                                           << ConnectionReason{ Code::PortOpenFailed, { "/dev/ttyUSB0" } };
        QTest::newRow("pppd missing") << QByteArray("@no pppd") << int(State::Idle) << QList<int>{ State::Disconnected }
                                      << ConnectionReason{ Code::PppdMissing, { "<root>/usr/sbin/pppd" } };
        QTest::newRow("log folder unwritable") << QByteArray("@no log") << int(State::Idle)
                                               << QList<int>{ State::Disconnected }
                                               << ConnectionReason{ Code::LogUnwritable, { "<root>/etc/ppp/options/dialup/Standin.log" } };
    }
    void dialling()
    {
        QFETCH(QByteArray, scenario);
        QFETCH(int, hangUpAt);
        QFETCH(QList<int>, states);
        QFETCH(ConnectionReason, reason);
        Scratch scratch;
        SystemLayout layout = scratch.layout;
        layout.pppd = scenario == "@no pppd" ? scratch.root + "/usr/sbin/pppd" : QString(TESTDATA_DIR "/pppd-standin/pppd");
        if (scenario == "@no log")
            layout.connectionLogDir = scratch.root + "/etc/ppp/options/dialup";
        QVERIFY(put(scratch.root + "/etc/ppp/options", "") && put(scratch.root + "/scenario", scenario));
        QVERIFY(put(layout.procDir + "/300/comm", "minicom\n") && put(layout.serialLockDir + "/LCK..ttyS0", "       300\n")
                && put(layout.netClassDir + "/ppp7/statistics/rx_bytes", "4567\n"));
        qputenv("PPPD_SCENARIO", QFile::encodeName(scratch.root + "/scenario"));
        Connection connection(layout, "Standin");
        connection.setSecret("s3cret");
        connection.stopGraceMs = 300;
        QList<int> seen;
        connect(&connection, &Connection::stateChanged, [&](State state) {
            seen << state;
            if (state == hangUpAt)
                connection.disconnectAccount();
        });
        QSignalSpy finished(&connection, &Connection::finished), linked(&connection, &Connection::linkChanged);
        connection.connectAccount();
        QVERIFY(finished.size() || finished.wait(5000));
        QCOMPARE(seen, states);
        QCOMPARE(connection.reason().code, reason.code);
        QCOMPARE(connection.reason().arguments, reason.arguments.replaceInStrings("<root>", scratch.root));
        QVERIFY(!connection.log().join('\n').contains("s3cret"));
        if (hangUpAt == State::Connected)
            QVERIFY(connection.counters().received == 4567 && linked.size() && connection.link().localAddress == "10.0.0.2");
    }

    // A second window finds the first one's pppd and reads its log; closing a window leaves pppd running.
    void secondWindowFollows()
    {
        Scratch scratch;
        SystemLayout layout = scratch.layout;
        layout.pppd = TESTDATA_DIR "/pppd-standin/pppd";
        QVERIFY(put(scratch.root + "/scenario", dialled + addresses + "@hold"));
        qputenv("PPPD_SCENARIO", QFile::encodeName(scratch.root + "/scenario"));
        // Another test run's pppd is not this one's.
        const QString account = "Standin" + QString::number(QCoreApplication::applicationPid());
        auto *first = new Connection(layout, account);
        first->connectAccount();
        const qint64 pid = first->pid();
        first->connectAccount();   // pressed twice: still the one pppd
        QCOMPARE(first->pid(), pid);
        QTRY_COMPARE(first->state(), State::Connected);
        const QStringList log = first->log();
        delete first;
        layout.procDir = "/proc";
        const auto stop = qScopeGuard([pid] { ::kill(pid_t(pid), SIGKILL); });
        Connection second(layout, account);
        second.connectAccount();
        QCOMPARE(QList<qint64>({ second.pid(), qint64(::kill(pid_t(pid), 0)) }), QList<qint64>({ pid, 0 }));
        QCOMPARE(second.state(), State::Connected);
        QCOMPARE(second.log(), log);
        QSignalSpy finished(&second, &Connection::finished);
        second.disconnectAccount();
        QVERIFY(finished.wait(5000));
        QCOMPARE(second.reason().code, Code::Disconnected);
    }

    // ModemManager on a private bus answers as the real one: its modems' ports as a(su) among other properties.
    void modemManagerHoldsThePort_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("service");
        QTest::addColumn<ModemManagerQuery::Answer>("answer");
        QTest::newRow("one of the ports") << "/dev/ttyUSB2" << "org.freedesktop.ModemManager1" << ModemManagerQuery::Holds;
        QTest::newRow("another port") << "/dev/ttyUSB0" << "org.freedesktop.ModemManager1" << ModemManagerQuery::Free;
        QTest::newRow("no ModemManager") << "/dev/ttyUSB2" << "org.example.Other" << ModemManagerQuery::Unknown;
        QTest::newRow("no bus") << "/dev/ttyUSB2" << QString() << ModemManagerQuery::Unknown;
    }
    void modemManagerHoldsThePort()
    {
        QFETCH(QString, device);
        QFETCH(QString, service);
        QFETCH(ModemManagerQuery::Answer, answer);
        QProcess daemon;
        daemon.start("dbus-daemon", { "--session", "--nofork", "--print-address" });
        QVERIFY(daemon.waitForReadyRead(5000));
        const auto stop = qScopeGuard([&daemon] { daemon.kill(); daemon.waitForFinished(); });
        const QString address = service.isEmpty() ? "unix:path=/nonexistent/bus" : daemon.readLine().trimmed();
        QDBusConnection bus = QDBusConnection::connectToBus(address, QTest::currentDataTag() + QString("-mm"));
        FakeModemManager fake;
        QVERIFY(service.isEmpty() || (bus.registerVirtualObject("/org/freedesktop/ModemManager1", &fake)
                                      && bus.registerService(service)));
        ModemManagerQuery query(QDBusConnection::connectToBus(address, QTest::currentDataTag()));
        QSignalSpy answered(&query, &ModemManagerQuery::answered);
        const QDeadlineTimer soon(500);
        query.ask(device);
        QVERIFY(answered.wait(2000) && !soon.hasExpired());
        QCOMPARE(answered.first().first().value<ModemManagerQuery::Answer>(), answer);
    }
};

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
