#include "recordingregisterport.h"

CodecRegisterPort::Result RecordingRegisterPort::write(const QByteArray& text)
{
    m_texts.append(text);
    return m_result;
}

QStringList RecordingRegisterPort::decoded(int startPage) const
{
    QStringList out;
    int page = startPage;
    for (const QByteArray& text : m_texts) {
        const QList<QByteArray> parts = text.split(' ');
        bool okReg = false;
        bool okVal = false;
        const int reg = parts.size() == 2 ? parts[0].toInt(&okReg, 16) : 0;
        const int val = parts.size() == 2 ? parts[1].toInt(&okVal, 16) : 0;
        // Only what the driver accepts: lower-case hex without prefix.
        const bool canonical = okReg && okVal && reg >= 0 && reg < 128 && val >= 0 && val < 256
                               && text == QByteArray::number(reg, 16) + ' ' + QByteArray::number(val, 16);
        if (!canonical) {
            out << "bad " + QString::fromLatin1(text);
        } else if (reg == 0) {
            page = val;
            out << QString("page %1").arg(val);
        } else {
            out << QString("%1/%2=%3").arg(page).arg(reg).arg(val);
        }
    }
    return out;
}
