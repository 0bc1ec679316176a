#ifndef ACCESSORYUPDATE_H
#define ACCESSORYUPDATE_H

#include <QByteArray>
#include <QObject>
#include <QString>

class Bluetooth;
class QTimer;

// Sends a firmware image to the TB-9 over the sink's text link, one step at a
// time: P (the accessory answers at all), FH, the packets one in flight, FS,
// the accessory's restart (RDY), then P again: only the version it then
// reports, equal to the image's, counts as updated. Any other answer, a
// restart before FS, or a wait that runs out ends the transfer.
class AccessoryUpdate : public QObject
{
    Q_OBJECT
public:
    static constexpr int kAnswerMs = 3000;   // P, FH and each FD
    static constexpr int kRestartMs = 15000; // from FS to RDY

    enum class Outcome {
        Updated,
        NoAnswer,     // a wait before FS ran out
        Refused,      // an answer other than OK
        Restarted,    // RDY before FS: what was sent is lost
        NoRestart,    // no RDY within kRestartMs of FS
        Unconfirmed,  // restarted, but no version reported
        OtherVersion, // restarted with another version
        Cancelled,
    };
    Q_ENUM(Outcome)

    explicit AccessoryUpdate(Bluetooth* sink, QObject* parent = nullptr);

    // False (nothing sent) while one runs, or for an image that three-digit
    // packet numbers cannot carry (empty, or more than 64000 bytes).
    bool start(const QByteArray& image, const QString& version);
    // Ends a running transfer with Cancelled; nothing more is sent.
    void cancel();
    bool isRunning() const { return m_step != Step::Idle; }
    // Packets acknowledged, 0..100.
    int progress() const;

signals:
    // reported: the version the accessory gave after its restart, if any.
    void finished(AccessoryUpdate::Outcome outcome, QString reported);

public slots:
    // The wait of the step in progress ran out (the timer's slot).
    void answerMissing();

private slots:
    void configurationEnded();
    void headerAnswered(bool ok);
    void packetAnswered(int number, bool ok);
    void startAnswered(bool ok);
    void restarted();
    void versionReported(QString version);

private:
    enum class Step { Idle, Asking, Header, Data, Starting, Confirming };

    void send(Step step, const QString& line, int waitMs);
    void sendPacket();
    void finish(Outcome outcome, const QString& reported = QString());
    int packetCount() const;

    Bluetooth* m_sink;
    QTimer* m_timer;
    Step m_step = Step::Idle;
    QByteArray m_image;
    QString m_version;
    int m_packet = 0; // the packet in flight
};

#endif
