#ifndef MASSSTORAGE_H
#define MASSSTORAGE_H

// The data partition (/dev/mmcblk0p3 on /media/vq4100): checked and mounted
// at start, unmounted at power-down, and lent to a PC as a USB drive.
//
// While it is lent the PC writes to it: a second writer on the unit would
// corrupt the file system, so every writer asks mayWrite() first.
namespace MassStorage {

extern const char* const kMountPoint; // "/media/vq4100"
extern const char* const kDevice;     // "/dev/mmcblk0p3"

// fsck, then mount; their exit codes are ignored (a partition fsck cannot
// mend is still mounted as far as it goes).
void checkAndMount();
// Leaves the partition (as the working directory) and unmounts it; the exit
// code of umount.
int unmount();

enum class Loan { Lent, Busy, NoGadget };
// Unmounts and hands the partition to the USB gadget. Busy: umount failed,
// nothing changed. NoGadget: the gadget driver did not load; the partition
// is mounted again. Lent only when both worked.
Loan lend();
// Unloads the gadget and mounts the partition again; true when it is the
// unit's again (also when it was not lent). A gadget that will not unload
// still serves the PC: the partition stays lent and unmounted.
bool takeBack();
bool isLent();

// False while the partition is lent, with a log line naming the writer
// (once per writer and loan).
// Asked by: screenshots, systemInfo.txt and errorInfo.txt, btInfo.txt, the
// measurement store and the pressure screen's files.
bool mayWrite(const char* writer);

}

#endif
