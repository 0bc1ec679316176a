#ifndef GPIOLINES_H
#define GPIOLINES_H

// The board's GPIO lines (Linux GPIO numbers) by what they do; Gpio takes
// them as line numbers.
namespace GpioLine {

enum : unsigned int {
    Idc777SinkReset = 57,    // IDC777 towards the accessory: reset, pulsed by its driver
    Idc777SourceReset = 53,  // IDC777 towards the headset: reset
    Wt32Dtr = 58,            // WT32: a rising edge takes the module out of data mode
    Wt32DataMode = 59,       // WT32: high while the module is in data mode
    BluetoothAux = 49,       // low at start; the IDC777 driver sets it low again
    WiredSensor = 48,        // high while a sensor is on the wired input
    ConsoleToUart = 65,      // serial console: 1 UART, 0 USB
    ConsoleSwitchLow = 50,   // written 0 with every switch of the console
    AudioMute = 17,          // 0 while the audio path is muted
    Led = 115,               // status heartbeat, LED test, pressure mode
    GnssPower = 16,          // power of the GNSS receiver
    // Set up at start; nothing else uses them.
    Spare55 = 55,
    Spare114 = 114,
    Spare96 = 96,
    Spare54 = 54,
    Spare113 = 113,
};

}

#endif
