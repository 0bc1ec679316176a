#include "headsetbattery.h"

#include <QStringList>

namespace HeadsetBattery {

Report parse(const QString& text)
{
    static const QString kPrefix = "AT+IPHONEACCEV";
    Report report;
    if (!text.startsWith(kPrefix))
        return report;
    const QStringList parts = text.mid(kPrefix.size() + 1).split(',');
    bool ok = false;
    const int pairs = parts.value(0).toInt(&ok, 10);
    if (parts.size() <= 2 || !ok || pairs < 0 || parts.size() <= 2 * pairs)
        return report;
    report.valid = true;
    for (int i = 1; i < parts.size() - 1; i += 2) {
        bool keyOk = false, valueOk = false;
        const int key = parts.at(i).toInt(&keyOk, 10);
        const int value = parts.at(i + 1).toInt(&valueOk, 10);
        if (keyOk && valueOk && key == 1) {
            report.hasLevel = true;
            report.percent = (value + 1) * 10;
        }
    }
    return report;
}

}
