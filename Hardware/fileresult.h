#ifndef FILERESULT_H
#define FILERESULT_H

#include <QString>

// What a file operation came to: done, or why not, worded to follow the
// file's name ("is a FIFO", "cannot be opened: Permission denied"), with the
// system's errno behind it where the system gave one.
struct FileResult
{
    QString error;   // "" when done
    int errnum = 0;  // 0 when no system call failed

    bool ok() const { return error.isEmpty(); }

    static FileResult done() { return FileResult(); }
    static FileResult fail(const QString& why, int errnum = 0);
    // "<what>: <the system's text for errnum>".
    static FileResult system(const QString& what, int errnum);

    // The system's own text for an errno value.
    static QString systemText(int errnum);
};

#endif
