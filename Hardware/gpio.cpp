#include "gpio.h"
#include "driverhelper.h"
#include "gpiolines.h"

#include <QDebug>
#include <cstdio>

namespace {

void exportLine(unsigned int pin)
{
    DriverHelper::writeFile("/sys/class/gpio/export", static_cast<int>(pin));
}

void input(unsigned int pin)
{
    exportLine(pin);
    Gpio::setDirection(pin, Gpio::DIRECTION_IN);
}

void output(unsigned int pin, int value, bool doExport = true)
{
    if (doExport)
        exportLine(pin);
    Gpio::setDirection(pin, Gpio::DIRECTION_OUT);
    Gpio::setValue(pin, value);
}

}

void Gpio::setDirection(unsigned int pin, int direction)
{
    char path[256];
    std::snprintf(path, sizeof(path), "/sys/class/gpio/gpio%d/direction", pin);
    DriverHelper::writeFile(path, direction == 0 ? "in" : "out");
}

void Gpio::setValue(unsigned int pin, int value)
{
    char path[256];
    std::snprintf(path, sizeof(path), "/sys/class/gpio/gpio%d/value", pin);
    DriverHelper::writeFile(path, value != 0 ? "1" : "0");
}

bool Gpio::getValue(unsigned int pin)
{
    char path[256];
    std::snprintf(path, sizeof(path), "/sys/class/gpio/gpio%d/value", pin);
    char c = 0;
    if (!DriverHelper::readFile(path, &c, 1))
        return false;
    // An empty file reads nothing: c stays 0, which is not '0', as on a line
    // whose value file holds a level other than "0".
    return c != '0';
}

void Gpio::init()
{
    qDebug() << "Init GPIO-Pins";
    input(GpioLine::Idc777SinkReset);
    input(GpioLine::Idc777SourceReset);
    output(GpioLine::Wt32Dtr, 0);
    output(GpioLine::BluetoothAux, 0);
    input(GpioLine::Wt32DataMode);
    input(GpioLine::Spare55);
    output(GpioLine::Spare114, 1);
    output(GpioLine::Spare96, 1);
    output(GpioLine::Spare54, 1);
    input(GpioLine::WiredSensor);
    DriverHelper::writeFile("/sys/class/pwm/pwmchip1/export", 0);
    output(GpioLine::Spare113, 0, false);
    output(GpioLine::ConsoleToUart, 0);
    output(GpioLine::ConsoleSwitchLow, 0);
    output(GpioLine::AudioMute, 1);
    output(GpioLine::Led, 0);
    output(GpioLine::GnssPower, 1);
}

void Gpio::initIdc777Rst()
{
    setDirection(GpioLine::Idc777SinkReset, DIRECTION_OUT);
    setValue(GpioLine::Idc777SinkReset, 0);
    setDirection(GpioLine::Idc777SourceReset, DIRECTION_OUT);
    setValue(GpioLine::Idc777SourceReset, 0);
}

void Gpio::switchConsoleToUart()
{
    setValue(GpioLine::ConsoleSwitchLow, 0);
    setValue(GpioLine::ConsoleToUart, 1);
}
