#ifndef PRESSUREFILES_H
#define PRESSUREFILES_H

#include "pressuredata.h"
#include "Tools/measuremententry.h"

#include <QString>
#include <QVector>

// The pressure screen's files on the data partition: two live files that
// grow while samples arrive, and a saved measurement directory
// "PS_<yyyyMMdd>_<hhmmss>_<name>" beside the stored measurements, with
// info.ini and copies of the live files. Plain Latin-1 text, CR LF, numbers
// with "." in every language.
namespace PressureFiles {

extern const char* const kTempDir;  // "/media/vq4100/temp/"
extern const char* const kHighRes;  // every sample: "\r\n<hh:mm:ss>;" per record, "<bar>;" per sample
extern const char* const kLowRes;   // a line per record: time, max, min, average, deviation

// Makes kTempDir (not its parent); false, logged, when it cannot.
bool makeTempDir();
// What the live files keep of a block the screen accepted: its samples,
// and for a block that begins a record the record's time (the clock now)
// before them and the record's line of statistics over the whole store,
// the block included. Each file is opened, appended to and closed; a file
// that cannot be written is logged ("Could not open file:" and its name)
// and tried again with the next block. False when a write failed.
bool appendBlock(const PressureData::Block& block, const PressureData& data);
// Removes both live files; a missing one is no error.
void removeLive();

// The measurement directory for a name entered, made as the stored
// measurements are (whole or not at all, a name taken moving on a second):
// date and time from one clock reading, the name trimmed and made safe,
// info.ini, copies of the live files that exist. The result holds the
// directory's unit path, or the text the screen shows for a failure.
StoreResult save(const QString& name, const PressureData::Calibration& c, double latitude, double longitude);

}

#endif
