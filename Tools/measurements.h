#ifndef MEASUREMENTS_H
#define MEASUREMENTS_H

#include "measuremententry.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

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
    // The recordings known not to be this measurement's, indexed as the
    // levels (their store failed, or they did not move with their point):
    // never copied, even where an older file of the name is left.
    bool soundMissing[20] = {};
};

// The stored measurements: one directory per measurement under dirMeas,
// "<TT>_<yyyyMMdd>_<hhmmss>_<name>", holding info.ini and copies of the
// sound recordings. This class is the one definition of that format, for
// writing and for reading it back; every entry is made through
// MeasurementEntry, whole or not at all.
class Measurements : public QObject
{
    Q_OBJECT
    class InfoWriter;

public:
    // The stored types, by the numbers the store takes (from 0).
    enum Type : int { Levelmeasurement, Pinpointing, Pipelocating, H2Sensor, Longtermmeasurement };
    // All that differs by type but its recordings: a new type is a row (in
    // measurements.cpp) and its writer.
    struct TypeRow {
        Type type;
        const char* prefix;    // of its directory names, "LE_"
        const char* infoName;  // "Measurementtype" in its info.ini
        int widget;            // the screen of its stored view (Screen::Widget)
        const char* word;      // the main page's word for it, context "MainMenu"
        void (Measurements::*writer)(InfoWriter& info, const MeasInfoStructure& d);
    };
    // Null for none; a directory name's by its prefix, letter case ignored.
    static const TypeRow* typeRow(int type);
    static const TypeRow* typeOf(const QString& dirName);
    // The main page's word for a type, translated; "" for none.
    static QString typeWord(int type);

    static const char* const dirMeas;          // "/media/vq4100/meas/"
    static constexpr int maxNumMeasurements = 100;
    static constexpr int warnNumMeasurements = 85;
    static constexpr int kMaxNameBytes = 255;  // a directory name, in UTF-8
    static constexpr int kFftCapacity = 1024;
    static constexpr int kArrayCapacity = 2048;
    // The readers' limit, for every type: far above any info.ini the unit
    // writes; a larger one is not read.
    static constexpr qint64 kMaxInfoBytes = 256 * 1024;

    Measurements() = default;
    ~Measurements() override = default;

    // a_meastype: a Type. Returns 0 when stored (or for another number,
    // when nothing is written), -1 when the limit refused it, -2 when it
    // could not be stored (the operator has been told).
    int storeMeasurement(int a_meastype, QString a_name, MeasInfoStructure a_additionalData);
    // The same, with the limit's dialogs, but a failure only returned: its
    // code and the text for the operator, for a screen that shows it itself.
    StoreResult store(int a_meastype, QString a_name, const MeasInfoStructure& a_additionalData);
    // What the operator is told when a save failed.
    static QString failedText();
    // ... when a level measurement was stored without its recording.
    static QString storedWithoutSoundText();
    // ... when a stored recording is there but cannot be played.
    static QString cannotPlayText();
    // Shows a failed save's error text and waits until it is closed;
    // nothing for a save that did not fail.
    static void reportFailure(const StoreResult& result);

    // One listed entry. A PC may write a name that is not valid in the
    // file-name encoding: it is listed by what it decodes to, which is the
    // name of another entry (the replacement character written out) or of
    // none. Neither of two entries listed alike is changed by that name; the
    // one whose own name it is can still be opened by it, which only reads.
    enum class Ambiguity {
        None,        // the name leads to this entry alone
        NotEncoded,  // its name is not valid in the file-name encoding
        ReadsAlike,  // its name is valid, another entry's reads alike
    };
    struct Listed {
        QString name;
        Ambiguity ambiguity = Ambiguity::None;
    };
    // Why an entry listed so is not reached by its name alone (for the log),
    // and what may still be done by it.
    struct AmbiguityRule {
        Ambiguity kind;
        const char* why;
        bool opens;    // the name leads to this entry
        bool changes;  // a rename or delete by the name acts on this entry alone
    };
    static const AmbiguityRule& ruleOf(Ambiguity kind);

    // All make dirMeas the current directory. Entries of the types' prefixes
    // (files, directories, links to either); a directory among them without
    // info.ini is a save that never finished, neither counted nor listed. One
    // whose info.ini cannot be read (empty, too large, not a file, a typed
    // value) is listed and counted.
    int getNumMeasurements();
    // Newest first; equal times by name.
    QList<Listed> listMeasurements();
    // Their names.
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

    // Reading info.ini. openInfo() takes a directory name from the list and
    // refuses (null, `error` says why) an info.ini that is missing, empty,
    // larger than kMaxInfoBytes, unreadable, not a regular file inside the
    // device root or holding a typed value (IniFile::problem()), so
    // reading one never blocks nor takes more memory than a few times that.
    // Keys may carry their group ("Levels/Level_1").
    static std::unique_ptr<QSettings> openInfo(const QString& directoryName, QString* error = nullptr);
    // Why openInfo() would refuse it; "" when it would open.
    static QString infoProblem(const QString& directoryName);
    // A missing, non-numeric or non-finite value reads 0.
    static double readNumber(const QSettings& info, const QString& key);
    // A text; one with unquoted commas (hand-edited) reads whole, not as a list.
    static QString readText(const QSettings& info, const QString& key);
    // Group "Filter": "Bandpass" 1, "Bandstop" 2, else no filter (0, 0 Hz, 4000 Hz).
    static void readFilter(const QSettings& info, quint32* low, quint32* high, int* type);
    // A "; "-separated list into `out`; returns how many were read: the
    // count stored under countKey, within 0..capacity and the values present.
    // Empty and non-numeric entries read 0 in their places.
    static int readValueList(const QSettings& info, const QString& countKey,
                             const QString& listKey, float* out, int capacity);

private:
    static const TypeRow kTypes[];

    // The writers: each fills the groups after "Measurementinfo".
    void writeLevelmeasurement(InfoWriter& w, const MeasInfoStructure& d);
    void writePoints(InfoWriter& w, const MeasInfoStructure& d);
    void writeH2Sensor(InfoWriter& w, const MeasInfoStructure& d);
    void writeLongtermmeasurement(InfoWriter& w, const MeasInfoStructure& d);
    QString convertFilterTypeToText(int a_filterType);

    // The recordings a type's entry takes; those marked missing in `d`
    // only by name into `missing`.
    QList<MeasurementEntry::Copy> recordings(int type, const MeasInfoStructure& d, QStringList* missing);
    static void showMessage(int icon, const QString& headline, const QString& text);

    Gps* m_gpsModul = nullptr;
};

// The one store of the process, created on the first call.
Measurements* MeasurementData();

#endif
