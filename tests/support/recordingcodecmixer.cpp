#include "recordingcodecmixer.h"

QVector<int> RecordingCodecMixer::applyAll(const QVector<Write>& writes)
{
    ++m_handles;
    QVector<int> results;
    for (const Write& w : writes) {
        const QString control = QString::fromLatin1(w.control);
        m_entries.append({control, w.kind, w.value});
        results.append(m_failing.value(control, 0));
    }
    return results;
}

void RecordingCodecMixer::failControl(const QString& control, int result)
{
    m_failing.insert(control, result);
}

QStringList RecordingCodecMixer::lines() const
{
    QStringList out;
    for (const Entry& e : m_entries)
        out << line(e.kind, e.control, e.value);
    return out;
}

void RecordingCodecMixer::clear()
{
    m_entries.clear();
    m_handles = 0;
}

QString RecordingCodecMixer::line(Kind kind, const QString& control, long value)
{
    const char* name = "?";
    switch (kind) {
    case Kind::Gain: name = "gain"; break;
    case Kind::Switch: name = "switch"; break;
    case Kind::Enum: name = "enum"; break;
    case Kind::Volume: name = "volume"; break;
    }
    return QString("%1 %2=%3").arg(QLatin1String(name), control).arg(value);
}
