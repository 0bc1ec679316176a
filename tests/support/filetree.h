#ifndef FILETREE_H
#define FILETREE_H

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QString>

// Every path below `dir` with its contents ("/" for what cannot be read as a
// file, a folder), to see that nothing changed there.
inline QMap<QString, QByteArray> treeOf(const QString& dir)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        tree.insert(path.mid(dir.size()), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("/"));
    }
    return tree;
}

#endif
