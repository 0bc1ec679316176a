#include "wholefile.h"

#include <QSaveFile>

bool commitWholeFile(QSaveFile& file)
{
    if (!file.flush())
        file.cancelWriting();
    return file.commit();
}
