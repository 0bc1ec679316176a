#include "driverhelper.h"
#include "devicelayer.h"

#include <cstdio>
#include <cstring>

bool DriverHelper::writeFile(const char* filename, const char* value)
{
    FILE* f = std::fopen(DeviceLayer::nativePath(filename).constData(), "w");
    if (!f)
        return false;
    std::fwrite(value, 1, std::strlen(value), f);
    std::fclose(f);
    DeviceLayer::recordWrite(filename, value);
    return true;
}

bool DriverHelper::writeFile(const char* filename, int value)
{
    FILE* f = std::fopen(DeviceLayer::nativePath(filename).constData(), "w");
    if (!f)
        return false;
    std::fprintf(f, "%d", value);
    std::fclose(f);
    DeviceLayer::recordWrite(filename, QByteArray::number(value));
    return true;
}

bool DriverHelper::readFile(const char* filename, char* data, unsigned int dataLen)
{
    FILE* f = std::fopen(DeviceLayer::nativePath(filename).constData(), "r");
    if (!f)
        return false;
    std::fread(data, 1, dataLen, f);
    std::fclose(f);
    return true;
}

bool DriverHelper::readFile(const char* filename, int& value)
{
    FILE* f = std::fopen(DeviceLayer::nativePath(filename).constData(), "r");
    if (!f)
        return false;
    if (std::fscanf(f, "%d", &value) != 1) {
        // value keeps what the caller had
    }
    std::fclose(f);
    return true;
}
