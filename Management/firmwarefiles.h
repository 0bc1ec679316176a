#ifndef FIRMWAREFILES_H
#define FIRMWAREFILES_H

#include <QByteArray>
#include <QList>
#include <QString>

// The firmware files the operator puts on the data partition, and the staging
// of the unit's own update for the board's start-up scripts: they flash what
// lies in the staging folder when the run mode file asks for it at a reboot.
// So nothing short of a complete copy is ever left there with the request.
//
// Failures come back as translation keys of the context "Firmwareupdate"
// (nullptr: none), for the screen to show.
namespace FirmwareFiles {

enum class Kind { Unit, Accessory };

struct File {
    Kind kind = Kind::Unit;
    QString name;     // in kFolder
    QString version;  // from the name; "" when the name holds none fit to send
    qint64 size = 0;
};

extern const char* const kFolder;         // "/media/vq4100"
extern const char* const kStagingFolder;  // "/home/root/firmware"
extern const char* const kRunmodeFile;    // "/media/ramdisk/runmode"
extern const char* const kRunmodeReboot;  // "reboot"

// Three-digit packet numbers of 64 bytes each.
constexpr qint64 kMaxAccessoryBytes = 64000;

// The regular files "FW_VQA4100_<version>.vq4" and "FW_TB9_<version>.tb9",
// the unit's first, each kind by name.
QList<File> list();

// The version a file name carries: a short word of letters, digits, dots,
// "-" and "_" (it goes into the accessory's header line); "" otherwise.
QString versionIn(const QString& fileName, Kind kind);

// Unit paths.
QString sourcePath(const File& file);
QString stagedPath(const File& file);

// Why the file cannot be used as it lies now (the partition may have changed
// since it was listed).
const char* problem(const File& file);

// The whole accessory file, checked again as read.
const char* readAccessoryImage(const File& file, QByteArray* image);

// Before a copy: the staging folder exists and holds nothing, and no reboot
// is requested.
const char* prepareStaging();
// After the copy: the staged file is as long as its source, then the reboot
// is requested.
const char* requestReboot(const File& file);
// The staged file and the request are removed.
void discardStaging(const File& file);

}

#endif
