#ifndef SIGNALGENERATOR_H
#define SIGNALGENERATOR_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <random>

class QTextStream;

// What the simulated sensor hears: band-limited noise like a leak plus a
// tone. Levels are RMS in dB relative to full scale (1.0, or 32768 in 16-bit
// PCM). Kept in <root>/var/lib/sim/signal, which `devsim signal` changes and
// every simulated audio source reads.
struct SignalParams {
    double toneHz = 620.0;
    double toneDb = -48.0;
    double noiseDb = -50.0;
    bool toneOn = true;
    bool noiseOn = true;

    static constexpr double kMinDb = -120.0;
    static constexpr double kMaxDb = 0.0;
    static constexpr double kMaxToneHz = 20000.0;
    static constexpr const char* kUnitPath = "/var/lib/sim/signal";

    QByteArray toText() const;
    // Unknown keys and bad values keep their defaults.
    static SignalParams fromText(const QByteArray& text);

    static QString filePath(const QString& root);
    static SignalParams load(const QString& root);
    bool save(const QString& root) const;

    // Applies "--tone-hz F", "--tone-db L|off", "--noise-db N|off".
    bool applyOptions(const QStringList& options, QString* error);
    QString describe() const;
};

// `devsim signal <root> [options]`: changes the signal file, prints the result.
int runSignalCommand(const QString& root, const QStringList& options, QTextStream& out,
                     QTextStream& err);

// The signal as samples at any rate; the noise band and the tone are the same
// in hertz whatever the rate. A tone at or above half the rate is left out,
// as the anti-alias filter in front of a converter would.
class SignalGenerator
{
public:
    static constexpr double kNoiseLowHz = 300.0;
    static constexpr double kNoiseHighHz = 1500.0;

    explicit SignalGenerator(double sampleRate, unsigned int seed = 4100);

    double sampleRate() const { return m_rate; }
    const SignalParams& params() const { return m_params; }
    // The tone's phase runs on, so a change makes no click.
    void setParams(const SignalParams& params);
    // Applies <root>'s signal file when it differs from the one last applied
    // (always on the first call); returns whether it did.
    bool followSignalFile(const QString& root);

    // The next samples, full scale 1.0.
    void generate(float* out, int count);
    // The next samples as signed 16-bit little-endian PCM, clipped.
    QByteArray generatePcm16(int count);

private:
    struct Biquad {
        double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
        double z1 = 0, z2 = 0;
        double process(double x);
        double powerResponse(double w) const;
    };
    static Biquad section(double rate, double hz, double q, bool highPass);
    double filteredNoise();

    double m_rate;
    SignalParams m_params;
    QByteArray m_signalText;
    bool m_signalRead = false;
    std::mt19937 m_rng;
    std::normal_distribution<double> m_normal;
    Biquad m_filters[4];
    double m_noiseNorm = 1.0;  // makes the filtered noise unit RMS
    double m_noiseGain = 0.0;
    double m_toneAmplitude = 0.0;
    double m_phase = 0.0;
    double m_phaseStep = 0.0;
};

#endif
