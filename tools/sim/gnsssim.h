#ifndef GNSSSIM_H
#define GNSSSIM_H

#include "Hardware/gpiolines.h"
#include "devicetree.h"
#include "gnssreceiver.h"
#include "ptypair.h"
#include "simservice.h"

#include <QObject>
#include <QTimer>

class QTextStream;

// What a person sets on the simulated receiver: the sky (fix), where the
// unit stands, and noise on the line. Kept in <root>/var/lib/sim/gps.
struct GnssSimState {
    bool fix = true;
    double latitude = GnssReceiver::kDefaultLatitude;
    double longitude = GnssReceiver::kDefaultLongitude;
    bool noise = false;

    static constexpr const char* kUnitPath = "/var/lib/sim/gps";

    QByteArray toText() const;
    // Unknown keys and bad values keep their defaults.
    static GnssSimState fromText(const QByteArray& text);
    static GnssSimState load(const QString& root);
    bool save(const QString& root) const;
    // Applies "--fix on|off", "--pos LAT,LON", "--noise on|off".
    bool applyOptions(const QStringList& options, QString* error);
    QString describe() const;
};

// `devsim gps <root> [options]`: changes the state, prints the result.
int runGpsCommand(const QString& root, const QStringList& options, QTextStream& out, QTextStream& err);

// A receiver on a pseudo-terminal (the program opens the slave, linked at
// e.g. <root>/dev/ttyO1) with its power line <root>/.../gpio16/value: a rise
// counts before the bytes that follow it, a fall at the next poll().
class GnssPeer : public QObject
{
    Q_OBJECT
public:
    inline static const QString kPowerLine = DeviceTree::gpioValuePath(GpioLine::GnssPower);

    explicit GnssPeer(QObject* parent = nullptr);

    // Without a root the power stays as setPowered() leaves it.
    bool start(const QString& root, const QString& linkPath);
    void stop() { m_pty.close(); }
    GnssReceiver& receiver() { return m_receiver; }
    void poll();
    // One second of sentences; what the line cannot take now is lost, as
    // on a serial line that no one reads.
    void sendEpoch(const QDateTime& utc);
    // Writes what the line takes now; returns how much.
    qint64 write(const QByteArray& bytes);

private:
    PtyPair m_pty;
    GnssReceiver m_receiver;
    QString m_root;
};

// The simulated unit's GNSS receiver on <root>/dev/ttyO1: an epoch at every
// full second of the PC's UTC, its power on GPIO 16, the state file followed
// within a poll, every UBX frame and change in <root>/var/log/gps-sim.log.
class GnssSim : public SimService
{
    Q_OBJECT
public:
    static constexpr int kPollMs = 50;
    static constexpr const char* kLog = "/var/log/gps-sim.log";

    explicit GnssSim(QObject* parent = nullptr);
    QString name() const override { return "gps"; }
    bool start(const QString& root) override;
    void stop() override;

private:
    void poll();
    void nextEpoch();
    void log(const QString& text) const;

    QString m_root;
    GnssPeer m_peer;
    QByteArray m_stateText;
    QTimer m_pollTimer;
    QTimer m_epochTimer;
};

#endif
