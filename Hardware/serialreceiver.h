#ifndef SERIALRECEIVER_H
#define SERIALRECEIVER_H

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;
class QSerialPort;

// The receiving side of a Bluetooth module's serial line, shared by both
// drivers. Received bytes are kept as bytes until a complete line can be cut
// (so a UTF-8 character split across reads stays whole); each line is taken
// out of the buffer before the caller acts on it, so a nested event loop that
// reads again never sees a line twice. A second, raw copy of everything
// received is kept for getData().
class SerialReceiver
{
public:
    enum class LineEnd {
        AfterCr,   // a line ends after each CR; an LF after it begins the next line
        AfterCrLf, // a line ends after each CR LF
    };
    static constexpr int kMaxPending = 4096;  // bytes without a line end before they are dropped
    static constexpr int kCopyLimit = 65536;  // newest bytes kept in the raw copy

    explicit SerialReceiver(LineEnd lineEnd) : m_lineEnd(lineEnd) {}

    // Reads everything the device holds. Returns the number of bytes read.
    qint64 readFrom(QIODevice& device);
    // Reads until the port is empty, calling analyse whenever a line is
    // complete. A receiver may run a nested event loop during the analysis,
    // in which the port collects bytes without a new readyRead.
    void readPort(QSerialPort& port, const std::function<void()>& analyse);
    // The raw copy loses NUL bytes; the pending bytes keep them until a
    // line is decoded.
    void append(const QByteArray& bytes);

    // Takes the oldest complete line out of the buffer, its line end
    // included, decoded as UTF-8 without NULs. False when no complete line is there.
    bool takeLine(QString* line);
    // The same line as received, NULs included.
    bool takeLineBytes(QByteArray* line);
    // Bytes of a line as takeLine() decodes them.
    static QString decode(const QByteArray& bytes);
    bool hasLine() const { return lineLength() > 0; }
    QByteArray pending() const { return m_pending; }
    void clearPending() { m_pending.clear(); }

    // The raw copy.
    bool copyContainsAny(const char* chars) const;
    // Hands out the copy (up to a UTF-8 character still incomplete) and empties it.
    QString takeCopy();
    // The same once the copy holds one of the line-end characters; else empty.
    QString takeCopyAfterLineEnd(const char* lineEnds);
    void clearCopy() { m_copy.clear(); }

    void setLogPrefix(const QString& prefix) { m_logPrefix = prefix; }

private:
    int lineLength() const;

    LineEnd m_lineEnd;
    QByteArray m_pending;
    QByteArray m_copy;
    QString m_logPrefix;
};

#endif
