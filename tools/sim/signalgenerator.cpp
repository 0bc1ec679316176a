#include "signalgenerator.h"
#include "devicetree.h"
#include "statecommand.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QtEndian>

#include <cmath>
#include <complex>

namespace {

QByteArray levelText(bool on, double db)
{
    return on ? QByteArray::number(db) : QByteArray("off");
}

bool parseLevel(const QString& text, bool* on, double* db)
{
    if (text.compare("off", Qt::CaseInsensitive) == 0) {
        *on = false;
        return true;
    }
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !(v >= SignalParams::kMinDb && v <= SignalParams::kMaxDb))
        return false;
    *on = true;
    *db = v;
    return true;
}

bool parseTone(const QString& text, double* hz)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !(v > 0.0 && v <= SignalParams::kMaxToneHz))
        return false;
    *hz = v;
    return true;
}

double dbToLinear(double db)
{
    return std::pow(10.0, db / 20.0);
}

}

QByteArray SignalParams::toText() const
{
    return "tone-hz=" + QByteArray::number(toneHz) + "\ntone-db=" + levelText(toneOn, toneDb)
           + "\nnoise-db=" + levelText(noiseOn, noiseDb) + "\n";
}

SignalParams SignalParams::fromText(const QByteArray& text)
{
    SignalParams p;
    for (const QByteArray& line : text.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QString value = QString::fromLatin1(line.mid(eq + 1).trimmed());
        SignalParams next = p;
        bool ok = false;
        if (key == "tone-hz")
            ok = parseTone(value, &next.toneHz);
        else if (key == "tone-db")
            ok = parseLevel(value, &next.toneOn, &next.toneDb);
        else if (key == "noise-db")
            ok = parseLevel(value, &next.noiseOn, &next.noiseDb);
        if (ok)
            p = next;
    }
    return p;
}

QString SignalParams::filePath(const QString& root)
{
    return root + SignalParams::kUnitPath;
}

SignalParams SignalParams::load(const QString& root)
{
    return fromText(DeviceTree::readText(root, SignalParams::kUnitPath));
}

bool SignalParams::save(const QString& root) const
{
    return DeviceTree::replaceFile(root, SignalParams::kUnitPath, toText());
}

bool SignalParams::applyOptions(const QStringList& options, QString* error)
{
    SignalParams next = *this;
    for (int i = 0; i < options.size(); ++i) {
        const QString& option = options.at(i);
        if (option != "--tone-hz" && option != "--tone-db" && option != "--noise-db") {
            *error = "unknown option " + option;
            return false;
        }
        if (i + 1 >= options.size()) {
            *error = option + " needs a value";
            return false;
        }
        const QString value = options.at(++i);
        if (option == "--tone-hz") {
            if (!parseTone(value, &next.toneHz)) {
                *error = QString("--tone-hz needs a frequency above 0 and at most %1 Hz, not %2")
                             .arg(kMaxToneHz)
                             .arg(value);
                return false;
            }
        } else {
            bool& on = option == "--tone-db" ? next.toneOn : next.noiseOn;
            double& db = option == "--tone-db" ? next.toneDb : next.noiseDb;
            if (!parseLevel(value, &on, &db)) {
                *error = QString("%1 needs a level from %2 to %3 (dB re full scale) or \"off\", "
                                 "not %4")
                             .arg(option)
                             .arg(kMinDb)
                             .arg(kMaxDb)
                             .arg(value);
                return false;
            }
        }
    }
    *this = next;
    return true;
}

QString SignalParams::describe() const
{
    const QString tone = toneOn ? QString("%1 Hz at %2 dB").arg(toneHz).arg(toneDb)
                                : QString("off (%1 Hz)").arg(toneHz);
    const QString noise = noiseOn ? QString("%1 dB").arg(noiseDb) : QString("off");
    return QString("tone %1, noise %2 (RMS re full scale)").arg(tone, noise);
}

int runSignalCommand(const QString& root, const QStringList& options, QTextStream& out,
                     QTextStream& err)
{
    return runStateCommand<SignalParams>(root, "signal", options, out, err);
}

double SignalGenerator::Biquad::process(double x)
{
    const double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return y;
}

double SignalGenerator::Biquad::powerResponse(double w) const
{
    const std::complex<double> z1 = std::polar(1.0, -w);
    const std::complex<double> z2 = z1 * z1;
    return std::norm(b0 + b1 * z1 + b2 * z2) / std::norm(1.0 + a1 * z1 + a2 * z2);
}

// A second-order section after the audio-EQ cookbook.
SignalGenerator::Biquad SignalGenerator::section(double rate, double hz, double q, bool highPass)
{
    const double w0 = 2.0 * M_PI * hz / rate;
    const double alpha = std::sin(w0) / (2.0 * q);
    const double c = std::cos(w0);
    const double a0 = 1.0 + alpha;
    const double edge = highPass ? 1.0 + c : 1.0 - c;
    Biquad f;
    f.b0 = edge / 2.0 / a0;
    f.b1 = (highPass ? -edge : edge) / a0;
    f.b2 = f.b0;
    f.a1 = -2.0 * c / a0;
    f.a2 = (1.0 - alpha) / a0;
    return f;
}

SignalGenerator::SignalGenerator(double sampleRate, unsigned int seed)
    : m_rate(sampleRate)
    , m_rng(seed)
{
    // Fourth-order Butterworth edges: two sections each.
    const double q1 = 0.5411961;
    const double q2 = 1.3065630;
    const double high = std::min(kNoiseHighHz, 0.45 * m_rate);
    m_filters[0] = section(m_rate, kNoiseLowHz, q1, true);
    m_filters[1] = section(m_rate, kNoiseLowHz, q2, true);
    m_filters[2] = section(m_rate, high, q1, false);
    m_filters[3] = section(m_rate, high, q2, false);

    // Output power of unit white noise: the mean power response over 0..pi.
    const int points = 8192;
    double power = 0.0;
    for (int i = 0; i < points; ++i) {
        const double w = M_PI * (i + 0.5) / points;
        double p = 1.0;
        for (const Biquad& f : m_filters)
            p *= f.powerResponse(w);
        power += p;
    }
    m_noiseNorm = 1.0 / std::sqrt(power / points);

    // Let the filters settle so the noise is steady from the first sample.
    for (int i = 0; i < int(m_rate / 10); ++i)
        filteredNoise();
    setParams(m_params);
}

void SignalGenerator::setParams(const SignalParams& params)
{
    m_params = params;
    m_noiseGain = params.noiseOn ? dbToLinear(params.noiseDb) : 0.0;
    const bool audible = params.toneOn && params.toneHz < m_rate / 2.0;
    m_toneAmplitude = audible ? std::sqrt(2.0) * dbToLinear(params.toneDb) : 0.0;
    m_phaseStep = 2.0 * M_PI * params.toneHz / m_rate;
}

bool SignalGenerator::followSignalFile(const QString& root)
{
    const QByteArray text = DeviceTree::readText(root, SignalParams::kUnitPath);
    if (m_signalRead && text == m_signalText)
        return false;
    m_signalRead = true;
    m_signalText = text;
    setParams(SignalParams::fromText(text));
    return true;
}

double SignalGenerator::filteredNoise()
{
    double v = m_normal(m_rng);
    for (Biquad& f : m_filters)
        v = f.process(v);
    return v * m_noiseNorm;
}

void SignalGenerator::generate(float* out, int count)
{
    for (int i = 0; i < count; ++i) {
        // The noise runs on while it is off, so switching it back on finds it steady.
        const double noise = filteredNoise();
        out[i] = static_cast<float>(m_noiseGain * noise + m_toneAmplitude * std::sin(m_phase));
        m_phase = std::fmod(m_phase + m_phaseStep, 2.0 * M_PI);
    }
}

QByteArray SignalGenerator::generatePcm16(int count)
{
    std::vector<float> samples(size_t(std::max(count, 0)));
    generate(samples.data(), count);
    QByteArray pcm(int(samples.size()) * 2, '\0');
    uchar* p = reinterpret_cast<uchar*>(pcm.data());
    for (size_t i = 0; i < samples.size(); ++i) {
        const double v = std::round(double(samples[i]) * 32768.0);
        const qint16 s = static_cast<qint16>(std::max(-32768.0, std::min(32767.0, v)));
        qToLittleEndian(s, p + 2 * i);
    }
    return pcm;
}
