#include "firmwarefiles.h"
#include "Hardware/checkedfile.h"
#include "Hardware/devicelayer.h"
#include "Hardware/pathguard.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

namespace FirmwareFiles {

const char* const kFolder = "/media/vq4100";
const char* const kStagingFolder = "/home/root/firmware";
const char* const kRunmodeFile = "/media/ramdisk/runmode";
const char* const kRunmodeReboot = "reboot";

namespace {

struct Pattern {
    Kind kind;
    const char* prefix;
    const char* suffix;
};
const Pattern kPatterns[] = {{Kind::Unit, "FW_VQA4100_", ".vq4"}, {Kind::Accessory, "FW_TB9_", ".tb9"}};

const Pattern& patternOf(Kind kind)
{
    return kind == Kind::Unit ? kPatterns[0] : kPatterns[1];
}

const char* const kStagingFailed = QT_TRANSLATE_NOOP("Firmwareupdate", "TheUpdateCannotBeStoredOnTheUnit");

}

QList<File> list()
{
    QList<File> files;
    const QDir folder(DeviceLayer::path(kFolder));
    for (const Pattern& p : kPatterns) {
        const QString glob = QLatin1String(p.prefix) + '*' + QLatin1String(p.suffix);
        const QFileInfoList found =
            folder.entryInfoList({glob}, QDir::Files | QDir::CaseSensitive, QDir::Name);
        for (const QFileInfo& info : found)
            files << File{p.kind, info.fileName(), versionIn(info.fileName(), p.kind), info.size()};
    }
    return files;
}

QString versionIn(const QString& fileName, Kind kind)
{
    static const QRegularExpression word("^[0-9A-Za-z][0-9A-Za-z._-]{0,15}$");
    const Pattern& p = patternOf(kind);
    if (!fileName.startsWith(QLatin1String(p.prefix)) || !fileName.endsWith(QLatin1String(p.suffix)))
        return QString();
    const int prefix = int(strlen(p.prefix));
    const QString version = fileName.mid(prefix, fileName.size() - prefix - int(strlen(p.suffix)));
    return word.match(version).hasMatch() ? version : QString();
}

QString sourcePath(const File& file)
{
    return QLatin1String(kFolder) + '/' + file.name;
}

QString stagedPath(const File& file)
{
    return QLatin1String(kStagingFolder) + '/' + file.name;
}

const char* problem(const File& file)
{
    const QFileInfo info(DeviceLayer::path(sourcePath(file)));
    if (!info.isFile())
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheFileIsNoLongerOnTheDataPartition");
    if (const QString why = CheckedFile::problem(info.filePath(), info.size()).error; !why.isEmpty()) {
        qDebug().noquote() << "Firmware: cannot read" << file.name << "-" << why;
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheFileCannotBeRead");
    }
    if (file.version.isEmpty())
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheFileNameHoldsNoUsableVersion");
    if (info.size() == 0)
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheFileIsEmpty");
    if (file.kind == Kind::Accessory && info.size() > kMaxAccessoryBytes)
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheFileIsTooLargeForTheTB9");
    return nullptr;
}

const char* readAccessoryImage(const File& file, QByteArray* image)
{
    image->clear();
    if (const char* why = problem(file))
        return why;
    const FileResult read = CheckedFile::read(DeviceLayer::path(sourcePath(file)), kMaxAccessoryBytes, image);
    if (!read.ok() || image->isEmpty()) {
        qDebug().noquote() << "Firmware: accessory file not read" << file.name << "-" << read.error;
        image->clear();
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheFileCannotBeRead");
    }
    return nullptr;
}

const char* prepareStaging()
{
    // A request left from before must not find the folder emptied. Where
    // none can be (no folder for it), the request itself will fail.
    if (const FileResult removed = PathGuard::removeFile(DeviceLayer::path(kRunmodeFile));
        !removed.ok() && removed.errnum != ENOENT && removed.errnum != ENOTDIR) {
        qDebug().noquote() << "Firmware: old reboot request not removed" << kRunmodeFile << "-" << removed.error;
        return kStagingFailed;
    }
    const QString staging = DeviceLayer::path(kStagingFolder);
    if (const FileResult made = PathGuard::makePath(staging); !made.ok()) {
        qDebug().noquote() << "Firmware: staging folder not made" << kStagingFolder << "-" << made.error;
        return kStagingFailed;
    }
    const QDir folder(staging);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (const FileResult removed = PathGuard::removeFile(folder.filePath(name)); !removed.ok()) {
            qDebug().noquote() << "Firmware: staged file not removed" << name << "-" << removed.error;
            return kStagingFailed;
        }
    }
    return nullptr;
}

const char* requestReboot(const File& file)
{
    const QFileInfo source(DeviceLayer::path(sourcePath(file)));
    const QFileInfo staged(DeviceLayer::path(stagedPath(file)));
    if (!staged.isFile() || staged.size() == 0 || staged.size() != source.size()) {
        qDebug() << "Firmware: staged file incomplete" << staged.size() << "of" << source.size();
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheUpdateFileWasNotCopiedCompletely");
    }
    if (const FileResult written = PathGuard::writeWhole(DeviceLayer::path(kRunmodeFile), kRunmodeReboot);
        !written.ok()) {
        qDebug().noquote() << "Firmware: reboot request not written -" << written.error;
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheUnitCannotBePreparedForTheUpdate");
    }
    qDebug() << "Firmware: staged" << file.name << staged.size() << "bytes, reboot requested";
    return nullptr;
}

void discardStaging(const File& file)
{
    PathGuard::removeFile(DeviceLayer::path(kRunmodeFile));
    PathGuard::removeFile(DeviceLayer::path(stagedPath(file)));
}

}
