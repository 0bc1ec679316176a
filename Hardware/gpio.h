#ifndef GPIO_H
#define GPIO_H

// The board's digital lines through sysfs GPIO, by Linux GPIO number (the
// names are in gpiolines.h).
class Gpio
{
public:
    enum Direction { DIRECTION_IN = 0, DIRECTION_OUT = 1 };

    static void setDirection(unsigned int pin, int direction);
    static void setValue(unsigned int pin, int value);
    // False when the value file cannot be read.
    static bool getValue(unsigned int pin);

    // Puts every line the system uses into its start state.
    static void init();
    // Holds both IDC777 modules in reset; only when that pair is fitted.
    static void initIdc777Rst();
    // The serial console from USB to the UART (line 50 low, line 65 high).
    static void switchConsoleToUart();
};

#endif
