#include "massstorage.h"
#include "commandrunner.h"
#include "devicelayer.h"
#include "pathguard.h"

#include <QDebug>
#include <QDir>
#include <QSet>

namespace MassStorage {

const char* const kMountPoint = "/media/vq4100";
const char* const kDevice = "/dev/mmcblk0p3";

namespace {
bool s_lent = false;
// Writers already logged during this loan: some write every few seconds.
QSet<QByteArray> s_skipped;
}

void checkAndMount()
{
    if (const FileResult made = PathGuard::makePath(DeviceLayer::path(kMountPoint)); !made.ok())
        qDebug().noquote() << "Mount point not made:" << kMountPoint << "-" << made.error;
    qDebug() << "Filesystemcheck and mount";
    CommandRunner::execute("fsck", {"-Mya", kDevice});
    CommandRunner::execute("mount", {kDevice, kMountPoint});
}

int unmount()
{
    // A working directory on the partition (counting measurements leaves one
    // there) keeps it busy.
    QDir::setCurrent(DeviceLayer::path("/home/root"));
    return CommandRunner::execute("umount", {kMountPoint});
}

Loan lend()
{
    if (s_lent)
        return Loan::Lent;
    const int umount = unmount();
    if (umount != 0) {
        qDebug() << "Mass storage not lent: umount failed with" << umount;
        return Loan::Busy;
    }
    const int modprobe = CommandRunner::execute(
        "modprobe", {"g_mass_storage", QString("file=%1").arg(kDevice), "removable=1"});
    if (modprobe != 0) {
        qDebug() << "Mass storage not lent: modprobe failed with" << modprobe;
        checkAndMount();
        return Loan::NoGadget;
    }
    s_lent = true;
    s_skipped.clear();
    qDebug() << "Mass storage lent to the PC";
    return Loan::Lent;
}

bool takeBack()
{
    if (!s_lent)
        return true;
    const int modprobe = CommandRunner::execute("modprobe", {"-r", "g_mass_storage"});
    if (modprobe != 0) {
        qDebug() << "Mass storage still lent: modprobe -r failed with" << modprobe;
        return false;
    }
    checkAndMount();
    s_lent = false;
    qDebug() << "Mass storage back on the unit";
    return true;
}

bool isLent()
{
    return s_lent;
}

bool mayWrite(const char* writer)
{
    if (!s_lent)
        return true;
    if (!s_skipped.contains(writer)) {
        s_skipped.insert(writer);
        qDebug() << "Mass storage lent to the PC, not written:" << writer;
    }
    return false;
}

}
