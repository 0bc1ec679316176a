#ifndef CODECREGISTERPORT_H
#define CODECREGISTERPORT_H

#include <QByteArray>

// Where AudioCodecSetup sends its register texts ("2c 4"). The unit uses
// CodecRegisterFile; tests hand in a recording port.
class CodecRegisterPort
{
public:
    enum class Result { Written, NotOpened, NotWritten };

    virtual ~CodecRegisterPort() = default;
    virtual Result write(const QByteArray& text) = 0;
};

#endif
