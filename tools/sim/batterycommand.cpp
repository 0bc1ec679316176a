#include "batterycommand.h"
#include "devicetree.h"
#include "Hardware/gpiolines.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cmath>

namespace {

const char* const kGauge = "/sys/class/power_supply/bq27426-0/";
const char* const kCharger = "/sys/class/power_supply/bq24190-battery/status";
const QString kWiredSensor = DeviceTree::gpioValuePath(GpioLine::WiredSensor);

QByteArray line(qint64 value)
{
    return QByteArray::number(value) + '\n';
}

// The gauge's integer units from a value in volts, amperes or degrees.
qint64 scaled(double value, double factor)
{
    return static_cast<qint64>(std::llround(value * factor));
}

QString number(const QByteArray& text, double divisor)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? QString::number(v / divisor) : QStringLiteral("?");
}

bool noRoot(const QString& root, QTextStream& err)
{
    if (QDir(root + "/sys").exists())
        return false;
    err << "devsim: no device tree at " << root << " (run devsim create first)\n";
    return true;
}

struct Change {
    QString file;
    QByteArray text;
};

}

int runBatteryCommand(const QString& root, const QStringList& options, QTextStream& out,
                      QTextStream& err)
{
    if (noRoot(root, err))
        return 1;
    const QString gauge = QString::fromLatin1(kGauge);
    QList<Change> changes;
    for (int i = 0; i < options.size(); ++i) {
        const QString option = options.at(i);
        if (i + 1 >= options.size()) {
            err << "devsim: " << option << " needs a value\n";
            return 2;
        }
        const QString value = options.at(++i);
        bool ok = false;
        if (option == "--charging") {
            if (value != "on" && value != "off") {
                err << "devsim: --charging needs on or off, not " << value << "\n";
                return 2;
            }
            const bool on = value == "on";
            changes << Change{kCharger, on ? "Charging\n" : "Not charging\n"}
                    << Change{gauge + "status", on ? "Charging\n" : "Discharging\n"};
            continue;
        }
        const double v = value.toDouble(&ok);
        if (option == "--percent") {
            const int percent = value.toInt(&ok);
            if (!ok || percent < 0 || percent > 100) {
                err << "devsim: --percent needs a whole number from 0 to 100, not " << value
                    << "\n";
                return 2;
            }
            changes << Change{gauge + "capacity", line(percent)};
        } else if (option == "--voltage") {
            if (!ok || v < 0.0 || v > 5.0) {
                err << "devsim: --voltage needs volts from 0 to 5, not " << value << "\n";
                return 2;
            }
            changes << Change{gauge + "voltage_now", line(scaled(v, 1e6))};
        } else if (option == "--current") {
            if (!ok || std::fabs(v) > 10.0) {
                err << "devsim: --current needs amperes from -10 to 10, not " << value << "\n";
                return 2;
            }
            changes << Change{gauge + "current_now", line(scaled(v, 1e6))};
        } else if (option == "--temp") {
            if (!ok || v < -40.0 || v > 100.0) {
                err << "devsim: --temp needs degrees Celsius from -40 to 100, not " << value
                    << "\n";
                return 2;
            }
            changes << Change{gauge + "temp", line(scaled(v, 10.0))};
        } else {
            err << "devsim: unknown option " << option << "\n";
            return 2;
        }
    }
    // Nothing is written unless every option is good.
    for (const Change& change : changes) {
        if (!DeviceTree::replaceFile(root, change.file, change.text)) {
            err << "devsim: cannot write " << root << change.file << "\n";
            return 1;
        }
    }
    const bool charging =
        DeviceTree::readText(root, kCharger).trimmed().toLower() == QByteArray("charging");
    out << "devsim: battery " << DeviceTree::readText(root, gauge + "capacity").trimmed()
        << " %, " << number(DeviceTree::readText(root, gauge + "voltage_now"), 1e6) << " V, "
        << number(DeviceTree::readText(root, gauge + "current_now"), 1e6) << " A, "
        << number(DeviceTree::readText(root, gauge + "temp"), 10.0) << " C, "
        << (charging ? "charging" : "not charging") << "\n";
    return 0;
}

int runSensorCommand(const QString& root, const QStringList& options, QTextStream& out,
                     QTextStream& err)
{
    if (noRoot(root, err))
        return 1;
    if (options.size() > 1 || (options.size() == 1 && options.first() != "on"
                               && options.first() != "off")) {
        err << "devsim: sensor takes on or off\n";
        return 2;
    }
    if (options.size() == 1
        && !DeviceTree::replaceFile(root, kWiredSensor, options.first() == "on" ? "1\n" : "0\n")) {
        err << "devsim: cannot write " << root << kWiredSensor << "\n";
        return 1;
    }
    const bool on = DeviceTree::readText(root, kWiredSensor).trimmed() == QByteArray("1");
    out << "devsim: wired sensor " << (on ? "on" : "off") << "\n";
    return 0;
}
