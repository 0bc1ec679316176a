#ifndef RECORDINGREGISTERPORT_H
#define RECORDINGREGISTERPORT_H

#include "Audio/codecregisterport.h"

#include <QList>
#include <QStringList>

// A CodecRegisterPort that keeps every register text in order. It can play
// a register file that cannot be opened or that refuses the write.
class RecordingRegisterPort : public CodecRegisterPort
{
public:
    Result write(const QByteArray& text) override;

    void setResult(Result result) { m_result = result; }

    QList<QByteArray> texts() const { return m_texts; }
    // The texts as "<page>/<register>=<value>" (decimal), following the page
    // selects (register 0), which appear as "page <n>". Texts that are not
    // two hex numbers appear as "bad <text>".
    QStringList decoded(int startPage = 0) const;
    void clear() { m_texts.clear(); }

private:
    QList<QByteArray> m_texts;
    Result m_result = Result::Written;
};

#endif
