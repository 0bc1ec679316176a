#ifndef QMFILE_H
#define QMFILE_H

#include <QByteArray>
#include <QList>
#include <QString>

// Writes compiled translation files (.qm) for tests, so that a test can lay
// a language file of its own on the simulated mass storage.
namespace QmFile {

struct Message {
    QByteArray context;
    QByteArray source;
    QString translation;
};

QByteArray build(const QList<Message>& messages);
bool write(const QString& path, const QList<Message>& messages);

}

#endif
