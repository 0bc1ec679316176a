#include "gpio.h"
#include "driverhelper.h"

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
    input(57);
    input(53);
    output(58, 0);
    output(49, 0);
    input(59);
    input(55);
    output(114, 1);
    output(96, 1);
    output(54, 1);
    input(48);
    DriverHelper::writeFile("/sys/class/pwm/pwmchip1/export", 0);
    output(113, 0, false);
    output(65, 0);
    output(50, 0);
    output(17, 1);
    output(115, 0);
    output(16, 1);
}

void Gpio::initIdc777Rst()
{
    setDirection(57, DIRECTION_OUT);
    setValue(57, 0);
    setDirection(53, DIRECTION_OUT);
    setValue(53, 0);
}
