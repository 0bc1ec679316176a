#ifndef SERVICETEXT_H
#define SERVICETEXT_H

#include <QByteArray>
#include <QString>

// What the service pages show of texts they do not control (identity files,
// command output, accessory answers): one line of printable characters, or
// kMissing.
namespace ServiceText {

extern const char* const kMissing; // "---"
const int kMaxChars = 64;

// The first line, trimmed and cut to kMaxChars; kMissing when it is empty or
// holds anything not printable (binary data, bytes that are not UTF-8).
QString shown(const QString& text);
QString shown(const QByteArray& bytes);

// The first line of a file of the unit, read no further than a line can
// reach; kMissing when it cannot be read.
QString fileLine(const char* unitPath);

// The line of "df" output whose last column is mountPoint, its columns one
// blank apart; kMissing when there is none.
QString mountLine(const QByteArray& dfOutput, const QString& mountPoint);

}

#endif
