#ifndef GPSRIG_H
#define GPSRIG_H

#include "gnsssim.h"
#include "Hardware/gps.h"

#include <QByteArrayList>
#include <QtTest>

// The simulated receiver on <root>/dev/ttyO1 (powered by the root's GPIO
// 16) for a Gps on that root, and the clock the Gps ages its data by.
class GpsRig
{
public:
    explicit GpsRig(const QString& root) { peer.start(root, root + "/dev/ttyO1"); }
    void attach(Gps* g)
    {
        gps = g;
        gps->setClock([this] { return nowMs; });
    }

    // Writes towards the Gps and waits until it has read every complete
    // line (Qt hands them over 1023 bytes at most at a time).
    bool send(const QByteArray& bytes)
    {
        quint64 calls = 0;
        for (int start = 0, end; (end = bytes.indexOf('\n', start)) >= 0; start = end + 1)
            calls += quint64(end - start + 1 + 1022) / 1023;
        const quint64 expected = gps->getSentencesRead() + calls;
        QElapsedTimer waited;
        waited.start();
        for (int done = 0; done < bytes.size() && waited.elapsed() < 5000; QCoreApplication::processEvents())
            done += int(peer.write(bytes.mid(done, 4096)));
        return QTest::qWaitFor([&] { return gps->getSentencesRead() >= expected; }, 5000);
    }
    bool sendSentences(const QByteArrayList& bodies)
    {
        QByteArray bytes;
        for (const QByteArray& body : bodies)
            bytes += GnssReceiver::sentence(body);
        return send(bytes);
    }
    // A GPS sky of n satellites (PRN 1..n, SNR 20 + PRN), the first `used`
    // of them (at most 12) in use: its GSV cycle and GSA.
    static QByteArrayList sky(int n, int used)
    {
        QByteArrayList out;
        const int count = (n + 3) / 4;
        for (int i = 0; i < count; ++i) {
            QByteArray s = "GPGSV," + QByteArray::number(count) + ',' + QByteArray::number(i + 1) + ','
                           + QByteArray::number(n);
            for (int prn = 4 * i + 1; prn <= qMin(n, 4 * i + 4); ++prn)
                s += ',' + QByteArray::number(prn) + ",45,100," + QByteArray::number(20 + prn);
            out << s;
        }
        QByteArray gsa = "GPGSA,A,3";
        for (int slot = 1; slot <= 12; ++slot)
            gsa += slot <= used ? ',' + QByteArray::number(slot) : QByteArray(",");
        return out << gsa + ",1.6,0.9,1.3";
    }
    void advance(qint64 ms)
    {
        nowMs += ms;
        gps->checkState();
    }
    bool waitForFrames(int n)
    {
        return QTest::qWaitFor([&] { return peer.receiver().frames().size() >= n; }, 5000);
    }

    GnssPeer peer;
    Gps* gps = nullptr;
    qint64 nowMs = 1000;
};

#endif
