#ifndef MEASUREMENTS_H
#define MEASUREMENTS_H

#include <QObject>
#include <QString>
#include <QStringList>

class Gps;
class QDateTime;
class QSettings;

// What a measurement screen hands to the store when the operator saves.
// Point measurements use indices 1..10 of the point arrays, the single-point
// level measurement index 0. Zeroed, so that unfilled fields store as 0.
struct MeasInfoStructure
{
    int val = 0;
    float level[20] = {};
    int frequency[20] = {};
    double posLat[20] = {};
    double posLong[20] = {};
    float array[2048] = {};
    int arrayCnt = 0;
    int arrayInfoParameter_1 = 0;
    int arrayInfoParameter_2 = 0;
    int filterType = 0;
    quint32 filterHighCutOff = 0;
    quint32 filterLowCutOff = 0;
    int sampleRate = 0;
    int fftSize = 0;
    float fft[1024] = {};
};

// The stored measurements: one directory per measurement under dirMeas,
// "<TT>_<yyyyMMdd>_<hhmmss>_<name>", holding info.ini and copies of the
// sound recordings. This class is the one definition of that format, for
// writing and for reading it back.
class Measurements : public QObject
{
    Q_OBJECT
public:
    static const char* const dirMeas;          // "/media/vq4100/meas/"
    static constexpr int maxNumMeasurements = 100;
    static constexpr int warnNumMeasurements = 85;
    static constexpr int kMaxNameBytes = 255;  // a directory name, in UTF-8
    static constexpr int kFftCapacity = 1024;
    static constexpr int kArrayCapacity = 2048;

    Measurements() = default;
    ~Measurements() override = default;

    // a_meastype: 0 level measurement, 1 pinpointing, 2 pipe locating,
    // 3 H2 sensor, 4 long-term measurement. Returns 0 when stored (or for
    // another type, when nothing is written), -1 when the limit refused it,
    // -2 when it could not be stored (the operator has been told).
    int storeMeasurement(int a_meastype, QString a_name, MeasInfoStructure a_additionalData);
    // Both make dirMeas the current directory.
    int getNumMeasurements();
    // Directory names, newest first; equal times by name.
    QStringList getMeasurementList();

    // The name part of a directory name as typed by the operator: trimmed,
    // characters a PC or a path cannot take made "_", cut to fit a directory
    // name after the 19 characters of prefix, date and time.
    static QString cleanName(const QString& name);
    // The unit path "<dirMeas><prefix><yyyyMMdd>_<hhmmss>_<name>" for a
    // cleaned name; "" when that would not be one directory inside dirMeas.
    static QString directoryFor(const QString& prefix, const QDateTime& when, const QString& name);
    // Group "Measurementinfo": type, name, date and time of `when`, firmware.
    static void writeHeader(QSettings& info, const QString& type, const QString& name, const QDateTime& when);
    // "<latitude>, <longitude>", each with 6 decimals.
    static QString positionText(double latitude, double longitude);

    // Reading info.ini. Keys may carry their group ("Levels/Level_1").
    // A missing, non-numeric or non-finite value reads 0.
    static double readNumber(const QSettings& info, const QString& key);
    // Group "Filter": "Bandpass" 1, "Bandstop" 2, else no filter (0, 0 Hz, 4000 Hz).
    static void readFilter(const QSettings& info, quint32* low, quint32* high, int* type);
    // A "; "-separated list into `out`; returns how many were read: the
    // count stored under countKey, within 0..capacity and the values present.
    static int readValueList(const QSettings& info, const QString& countKey,
                             const QString& listKey, float* out, int capacity);

private:
    int storeInfoFileLevelmeasurement(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    int storeInfoFilePinpointing(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    int storeInfoFilePipelocating(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    int storeInfoFileH2Sensor(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    int storeInfoFileLongtermmeasurement(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    QString convertFilterTypeToText(int a_filterType);

    int storePointsInfo(const QString& file, const char* type, const QString& name,
                        const MeasInfoStructure& d);
    bool copyRecordings(int type, const QString& unitDir, const MeasInfoStructure& d);
    void showMessage(int icon, const QString& headline, const QString& text);
    int failed(const QString& why);

    Gps* m_gpsModul = nullptr;
};

// The one store of the process, created on the first call.
Measurements* MeasurementData();

#endif
