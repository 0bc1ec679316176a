#include "gpsrig.h"
#include "Hardware/gps.h"

#include <QtTest>

GpsRig::GpsRig(const QString& root)
{
    peer.start(root, root + "/dev/ttyO1");
}

void GpsRig::attach(Gps* g)
{
    gps = g;
    gps->setClock([this] { return nowMs; });
}

bool GpsRig::send(const QByteArray& bytes)
{
    // Qt hands over at most 1023 bytes of a line at a time.
    quint64 calls = 0;
    for (int start = 0, end; (end = bytes.indexOf('\n', start)) >= 0; start = end + 1)
        calls += quint64(end - start + 1 + 1022) / 1023;
    const quint64 expected = gps->getSentencesRead() + calls;
    QElapsedTimer waited;
    waited.start();
    for (int done = 0; done < bytes.size() && waited.elapsed() < 5000;) {
        done += int(peer.write(bytes.mid(done, 4096)));
        QCoreApplication::processEvents();
    }
    return QTest::qWaitFor([&] { return gps->getSentencesRead() >= expected; }, 5000);
}

bool GpsRig::sendSentences(const QByteArrayList& bodies)
{
    QByteArray bytes;
    for (const QByteArray& body : bodies)
        bytes += GnssReceiver::sentence(body);
    return send(bytes);
}

void GpsRig::advance(qint64 ms)
{
    nowMs += ms;
    gps->checkState();
}

bool GpsRig::waitForFrames(int n)
{
    return QTest::qWaitFor([&] { return peer.receiver().frames().size() >= n; }, 5000);
}
