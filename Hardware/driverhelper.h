#ifndef DRIVERHELPER_H
#define DRIVERHELPER_H

// Short text transfers to and from sysfs (and other) files. Each call opens
// the file, does one transfer and closes it; the result tells only whether
// the file could be opened. Paths are the unit's; they are mapped through
// the device layer.
class DriverHelper
{
public:
    DriverHelper() = default;

    static bool writeFile(const char* filename, const char* value);
    static bool writeFile(const char* filename, int value);
    // Reads up to dataLen bytes; adds no terminator.
    static bool readFile(const char* filename, char* data, unsigned int dataLen);
    static bool readFile(const char* filename, int& value);
};

#endif
