#include "accessoryupdate.h"
#include "Hardware/accessoryprotocol.h"
#include "Hardware/bluetooth.h"
#include "Management/firmwarefiles.h"

#include <QDebug>
#include <QTimer>

AccessoryUpdate::AccessoryUpdate(Bluetooth* sink, QObject* parent)
    : QObject(parent), m_sink(sink), m_timer(new QTimer(this))
{
    m_timer->setObjectName("answerTimer");
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &AccessoryUpdate::answerMissing);
    connect(sink, &Bluetooth::terminationStringDetected, this, &AccessoryUpdate::configurationEnded,
            Qt::UniqueConnection);
    connect(sink, &Bluetooth::btFwHeaderReceived, this, &AccessoryUpdate::headerAnswered,
            Qt::UniqueConnection);
    connect(sink, &Bluetooth::btFwDataReceived, this, &AccessoryUpdate::packetAnswered,
            Qt::UniqueConnection);
    connect(sink, &Bluetooth::btFwStartUpdateReceived, this, &AccessoryUpdate::startAnswered,
            Qt::UniqueConnection);
    connect(sink, &Bluetooth::btRdyReceived, this, &AccessoryUpdate::restarted, Qt::UniqueConnection);
    connect(sink, &Bluetooth::btFirmwareVersion, this, &AccessoryUpdate::versionReported,
            Qt::UniqueConnection);
}

bool AccessoryUpdate::start(const QByteArray& image, const QString& version)
{
    if (isRunning() || image.isEmpty() || image.size() > FirmwareFiles::kMaxAccessoryBytes)
        return false;
    m_image = image;
    m_version = version;
    m_packet = 0;
    qDebug() << "TB-9 update: version" << version << image.size() << "bytes," << packetCount() << "packets";
    // The WT32 carries accessory lines only in data mode.
    m_sink->switchBtMode(1);
    send(Step::Asking, AccessoryProtocol::kConfigurationRequest, kAnswerMs);
    return true;
}

void AccessoryUpdate::cancel()
{
    if (isRunning())
        finish(Outcome::Cancelled);
}

int AccessoryUpdate::packetCount() const
{
    return int((m_image.size() + AccessoryProtocol::kFirmwarePacketBytes - 1)
               / AccessoryProtocol::kFirmwarePacketBytes);
}

int AccessoryUpdate::progress() const
{
    switch (m_step) {
    case Step::Idle:
    case Step::Asking:
    case Step::Header:
        return 0;
    case Step::Data:
        return m_packet * 100 / packetCount();
    default:
        return 100;
    }
}

void AccessoryUpdate::send(Step step, const QString& line, int waitMs)
{
    m_step = step;
    m_sink->sendData(line);
    m_timer->start(waitMs);
}

void AccessoryUpdate::sendPacket()
{
    const int size = AccessoryProtocol::kFirmwarePacketBytes;
    send(Step::Data, AccessoryProtocol::firmwarePacketLine(m_packet, m_image.mid(m_packet * size, size)),
         kAnswerMs);
}

void AccessoryUpdate::configurationEnded()
{
    if (m_step == Step::Asking)
        send(Step::Header, AccessoryProtocol::firmwareHeaderLine(m_image.size(), m_version), kAnswerMs);
}

void AccessoryUpdate::headerAnswered(bool ok)
{
    if (m_step != Step::Header)
        return;
    if (!ok)
        return finish(Outcome::Refused);
    sendPacket();
}

void AccessoryUpdate::packetAnswered(int number, bool ok)
{
    // A late answer to an earlier packet, or a stray one, moves nothing.
    if (m_step != Step::Data || number != m_packet) {
        qDebug() << "TB-9 update: answer for packet" << number << "ignored, waiting for" << m_packet;
        return;
    }
    if (!ok)
        return finish(Outcome::Refused);
    if (++m_packet < packetCount())
        sendPacket();
    else
        send(Step::Starting, AccessoryProtocol::kFirmwareStartLine, kRestartMs);
}

void AccessoryUpdate::startAnswered(bool ok)
{
    // OK: the wait for RDY goes on, counted from FS.
    if (m_step == Step::Starting && !ok)
        finish(Outcome::Refused);
}

void AccessoryUpdate::restarted()
{
    switch (m_step) {
    case Step::Starting:
        send(Step::Confirming, AccessoryProtocol::kConfigurationRequest, kAnswerMs);
        break;
    case Step::Asking:
    case Step::Header:
    case Step::Data:
        finish(Outcome::Restarted);
        break;
    default:
        break;
    }
}

void AccessoryUpdate::versionReported(QString version)
{
    if (m_step != Step::Confirming)
        return;
    const QString reported = version.trimmed();
    finish(reported == m_version ? Outcome::Updated : Outcome::OtherVersion, reported);
}

void AccessoryUpdate::answerMissing()
{
    switch (m_step) {
    case Step::Idle:
        return;
    case Step::Starting:
        return finish(Outcome::NoRestart);
    case Step::Confirming:
        return finish(Outcome::Unconfirmed);
    default:
        return finish(Outcome::NoAnswer);
    }
}

void AccessoryUpdate::finish(Outcome outcome, const QString& reported)
{
    qDebug() << "TB-9 update:" << outcome << "at packet" << m_packet << reported;
    m_timer->stop();
    m_step = Step::Idle;
    m_image.clear();
    emit finished(outcome, reported);
}
