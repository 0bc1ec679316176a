#ifndef SIMPRESSURESENSOR_H
#define SIMPRESSURESENSOR_H

#include <QString>
#include <QtGlobal>

#include <random>

// The pressure transducer on the simulated TB-9. Its pressure swings slowly
// around a mean and falls when told to; a 12-bit converter reads it 100
// times a second, a few counts of seeded noise included. The accessory
// announces it with its calibration and sends its readings in blocks of ten,
// each reading three upper-case hex digits and a blank.
class SimPressureSensor
{
public:
    static constexpr int kAdcAtZero = 409;
    static constexpr int kAdcAtFullScale = 3685;
    static constexpr int kBlockMs = 100;
    static constexpr int kBlockSamples = 10;
    static constexpr int kDropMs = 3000;        // a drop takes this long
    static constexpr int kSwingPeriodMs = 8000;

    // "BT_RX PRESSURE_ON <full scale> 409 3685"; later blocks are converted
    // with that full scale.
    QString announce();
    // "BT_RX PRESSURE_DATA 10 <readings>": the readings of the 100 ms up to
    // t. After garbage() one block is malformed.
    QString block(qint64 t);
    // The pressure in bar at t (ms).
    double pressureAt(qint64 t) const;

    void setScale(int bar) { m_scale = bar; }
    // A new mean also ends the drops so far.
    void setMean(double bar);
    void setSwing(double bar) { m_swing = bar; }
    // The pressure falls by `bar` over kDropMs from now on, and stays there.
    void drop(double bar, qint64 now);
    void garbage() { m_garbage = true; }

private:
    double droppedAt(qint64 t) const;

    int m_scale = 25;
    int m_announcedScale = 25;
    double m_mean = 6.0;
    double m_swing = 0.2;
    double m_droppedBefore = 0;
    double m_dropBy = 0;
    qint64 m_dropStart = 0;
    bool m_garbage = false;
    std::minstd_rand m_noise{4100};
};

#endif
