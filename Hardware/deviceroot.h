#ifndef DEVICEROOT_H
#define DEVICEROOT_H

#include <QDir>
#include <QFileInfo>
#include <QString>

// Which folders a host build may take as the unit's "/". Only a tree that
// `tools/devsim create` made qualifies: it leaves kMarker at its top. Any
// other folder (/bin, /usr, a home folder, a typo) would have the program
// run the PC's own fsck and mount or write into the PC's files.
// Header-only: the program and the simulated device share it.
namespace DeviceRoot {

inline constexpr char kMarker[] = ".vq4100-device";

inline QString markerPath(const QString& root)
{
    return root + '/' + kMarker;
}

// The PC's own "/" (also through "..", or a link).
inline bool isHostRoot(const QString& root)
{
    return !root.isEmpty()
           && (QDir::cleanPath(QDir(root).absolutePath()) == QLatin1String("/")
               || QFileInfo(root).canonicalFilePath() == QLatin1String("/"));
}

// Why `root` is no simulated device, or "" when it is one.
inline QString problem(const QString& root)
{
    if (root.isEmpty())
        return QStringLiteral("no device root given (DEVICE_ROOT is not set)");
    if (isHostRoot(root))
        return root + QStringLiteral(" is the PC's own root, not a simulated device");
    const QFileInfo info(root);
    if (!info.exists())
        return root + QStringLiteral(" does not exist");
    if (!info.isDir())
        return root + QStringLiteral(" is not a folder");
    if (!QFileInfo(markerPath(root)).isFile())
        return root + QStringLiteral(" was not made by tools/devsim create (it has no ")
               + kMarker + ')';
    return QString();
}

}

#endif
