#ifndef CODECREGISTERFILE_H
#define CODECREGISTERFILE_H

#include "codecregisterport.h"

// The codec driver's register file. Every write opens it, writes one
// "<reg> <value>" text and closes it, as the driver takes one register per
// write() call.
class CodecRegisterFile : public CodecRegisterPort
{
public:
    static const char* const kRegisterFile;

    Result write(const QByteArray& text) override;
};

#endif
