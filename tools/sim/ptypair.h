#ifndef PTYPAIR_H
#define PTYPAIR_H

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A pseudo-terminal pair that stands in for a serial line: the program opens
// the slave (usually through a symlink such as <root>/dev/ttyO2), and a fake
// peer reads and writes the master. Both sides are raw: no byte is translated.
class PtyPair : public QObject
{
    Q_OBJECT
public:
    explicit PtyPair(QObject* parent = nullptr);
    ~PtyPair() override;

    bool open();
    void close();
    bool isOpen() const { return m_master >= 0; }

    QString slavePath() const { return m_slavePath; }
    int masterFd() const { return m_master; }

    // Points linkPath (e.g. "<root>/dev/ttyO2") at the slave; replaces what
    // is there. close() removes the link: the pty's number may soon be another's.
    bool linkSlaveAt(const QString& linkPath);

    // While enabled (the default), bytes from the program arrive as
    // dataReceived(); a peer that polls with waitForData() disables it.
    void setNotifierEnabled(bool enabled);

    // Writes to the master side, i.e. towards the program. Returns bytes written.
    qint64 write(const QByteArray& data);
    // Whatever the program has written so far and the peer has not read.
    QByteArray readAvailable();
    // Waits up to timeoutMs for bytes from the program (runs no event loop).
    QByteArray waitForData(int timeoutMs);

signals:
    // Emitted from the event loop when the program wrote something.
    void dataReceived(const QByteArray& data);

private:
    void onReadable();

    int m_master = -1;
    int m_slaveKeepAlive = -1;  // keeps the master readable while no one has the slave open
    QString m_slavePath;
    QString m_linkPath;
    QSocketNotifier* m_notifier = nullptr;
};

#endif
