#include "fileresult.h"

#include <cstring>

FileResult FileResult::fail(const QString& why, int errnum)
{
    FileResult r;
    r.error = why.isEmpty() ? QStringLiteral("failed") : why;
    r.errnum = errnum;
    return r;
}

FileResult FileResult::system(const QString& what, int errnum)
{
    return fail(what + QLatin1String(": ") + systemText(errnum), errnum);
}

QString FileResult::systemText(int errnum)
{
    return QString::fromLocal8Bit(std::strerror(errnum));
}
