#ifndef COMMANDRUNNER_H
#define COMMANDRUNNER_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// The one way the program runs a board command ("mount", "fsck", "poweroff",
// ...). Commands are never passed through a shell string.
//
// On a host build (a device root is set) nothing of the host is run: the
// command line is appended to <root>/var/log/commands.log and
// <root>/bin/<program> (an absolute program: that path below the root) runs
// if such a stub exists; otherwise the result is exit code 127, as from a
// shell that cannot find the program. On a root that tools/devsim create did
// not make nothing is run or logged (127).
namespace CommandRunner {

struct Result {
    int exitCode = -1;      // 127: no such program; -1: crashed or timed out
    QByteArray output;      // standard output
    QByteArray errorOutput; // standard error
};

// Each output keeps at most its first this many bytes; the rest is read and
// dropped (a command must not block on a full pipe), and the cut is logged.
const int kMaxOutputBytes = 64 * 1024;

// Without a time limit the command runs to its end, however long it takes:
// an fsck of the data partition must never be killed half-way.
const int kNoTimeLimit = -1;

Result run(const QString& program, const QStringList& arguments = QStringList(),
           int timeoutMs = kNoTimeLimit);

// Convenience: exit code only.
int execute(const QString& program, const QStringList& arguments = QStringList(),
            int timeoutMs = kNoTimeLimit);

// Where a host build logs and finds its stubs.
QString logFilePath();
QString stubPath(const QString& program);

}

#endif
