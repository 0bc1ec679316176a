#ifndef DEVICETREE_H
#define DEVICETREE_H

#include <QString>

// The simulated unit: a directory tree that stands in for the board's sysfs,
// device nodes, data partitions and shell commands. Used by tools/devsim and
// by every test that needs a device root.
namespace DeviceTree {

enum class Hardware { V1, V2 };

struct Options {
    Hardware hardware = Hardware::V2;  // V 2: IDC777 module pair
    // "poweroff" and "reboot" end the program that ran them, as on the unit;
    // otherwise they only answer (tests).
    bool poweroffEndsProgram = false;
    bool rebootEndsProgram = false;
};

// Creates the tree, or refreshes it: sysfs files and stubs return to their
// start values, while user data (/home/root, /media) is kept. Only a new or
// empty folder, or one that create() made, is written into: a tree in /bin
// or a home folder would replace the PC's own programs and files.
bool create(const QString& root, const Options& options = Options(), QString* error = nullptr);

// The GPIO lines the program sets up at start.
const QList<int>& gpioLines();
// "/sys/class/gpio/gpio<line>/value"
QString gpioValuePath(int line);

// Writes a text file below the root ("/sys/..." style path) in place,
// making the folders. Nothing below the root is reached through a link.
bool writeText(const QString& root, const QString& unitPath, const QByteArray& text);
QByteArray readText(const QString& root, const QString& unitPath);
// Appends whole lines to a log below the root, by the same rule.
bool appendText(const QString& root, const QString& unitPath, const QByteArray& text);
// Replaces a file below the root in one step, by the same rule: a reader
// sees the old content or the new one, never a mixture.
bool replaceFile(const QString& root, const QString& unitPath, const QByteArray& data);

// Installs a stub command in <root>/bin that runs the given shell body.
bool installStub(const QString& root, const QString& program, const QByteArray& body);

// ADC strap values that select a hardware version.
int strapAin4(Hardware hw);
int strapAin5(Hardware hw);

}

#endif
