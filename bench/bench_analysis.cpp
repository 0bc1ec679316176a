// Level and spectrum analysis of one ADC block, and the product's 1024-point
// transform (as the analysis runs it) against FFTW on the same data; both
// against FFTW as ratios.
#include "Audio/analoginputworker.h"
#include "Debug/debugaudiolevelfft.h"
#include "signalgenerator.h"

#include <QCoreApplication>
#include <QtEndian>

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <complex>
#include <cstdio>
#include <map>
#include <string>
#include <valarray>
#include <vector>

namespace {

const int kSamples = 1024;

// A block as the simulated ADC delivers it: leak noise and a tone.
const QByteArray& realisticBlock()
{
    static const QByteArray block = [] {
        SignalGenerator generator(7670);
        generator.generatePcm16(7670);  // a second in, well settled
        return generator.generatePcm16(kSamples);
    }();
    return block;
}

std::valarray<std::complex<float>> realisticInput()
{
    const QByteArray& block = realisticBlock();
    std::valarray<std::complex<float>> x(kSamples);
    const uchar* p = reinterpret_cast<const uchar*>(block.constData());
    for (int i = 0; i < kSamples; ++i)
        x[i] = pcmToReal(qFromLittleEndian<qint16>(p + 2 * i));
    return x;
}

void BM_AnalyseBlock(benchmark::State& state)
{
    AnalogInputWorker worker;
    const QByteArray& block = realisticBlock();
    for (auto _ : state) {
        worker.analyseBlock(block);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AnalyseBlock)->Unit(benchmark::kMicrosecond);

// Both transforms work in place, so both start each round from a fresh copy.
void BM_Fft(benchmark::State& state)
{
    const std::valarray<std::complex<float>> input = realisticInput();
    const FftPlan plan(kSamples);
    std::vector<float> re(kSamples), im(kSamples);
    for (auto _ : state) {
        for (int i = 0; i < kSamples; ++i) {
            re[i] = input[i].real();
            im[i] = input[i].imag();
        }
        plan.transform(re.data(), im.data());
        benchmark::DoNotOptimize(re.data());
        benchmark::DoNotOptimize(im.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Fft)->Unit(benchmark::kMicrosecond);

void BM_Fftwf(benchmark::State& state)
{
    const std::valarray<std::complex<float>> input = realisticInput();
    auto* work = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * kSamples));
    // FFTW_BACKWARD has the same (positive) exponent sign as fft().
    fftwf_plan plan = fftwf_plan_dft_1d(kSamples, work, work, FFTW_BACKWARD, FFTW_MEASURE);
    for (auto _ : state) {
        for (int i = 0; i < kSamples; ++i) {
            work[i][0] = input[i].real();
            work[i][1] = input[i].imag();
        }
        fftwf_execute(plan);
        benchmark::DoNotOptimize(work);
        benchmark::ClobberMemory();
    }
    fftwf_destroy_plan(plan);
    fftwf_free(work);
}
BENCHMARK(BM_Fftwf)->Unit(benchmark::kMicrosecond);

// Prints the usual table and keeps each benchmark's time for the summary:
// the median of its repetitions when repeated, else its one run.
class Reporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((single || median) && !run.error_occurred)
                microseconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit)
                    * 1e6;
        }
    }
    std::map<std::string, double> microseconds;
};

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The analysis logs its first blocks; that is not what is measured.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // By default the three alternate in random order over repetitions and
    // medians are compared, so that a machine busy with other work weighs on
    // all of them alike. Options given on the command line replace these.
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=15";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1)
        args.insert(args.end(), {repetitions, interleave, aggregates});
    argc = int(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto& t = reporter.microseconds;
    auto find = [&t](const char* name) {
        const auto it = t.find(name);
        return it == t.end() ? -1.0 : it->second;
    };
    const double block = find("BM_AnalyseBlock");
    const double ours = find("BM_Fft");
    const double fftw = find("BM_Fftwf");
    std::printf("\n");
    if (block > 0)
        std::printf("analysis per block:      %9.2f us\n", block);
    if (ours > 0)
        std::printf("fft, 1024 points:        %9.2f us\n", ours);
    if (fftw > 0)
        std::printf("fftwf, 1024 points:      %9.2f us\n", fftw);
    if (ours > 0 && fftw > 0)
        std::printf("fft / fftwf time ratio:  %9.2f\n", ours / fftw);
    if (block > 0 && fftw > 0)
        std::printf("block / fftwf ratio:     %9.2f\n", block / fftw);
    return 0;
}
