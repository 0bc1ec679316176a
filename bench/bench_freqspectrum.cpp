// One spectrum tick (the time per iteration) as its owners make it every
// 300 ms on the GUI thread: refresh, scale, averaged spectrum with its band,
// sample trace. The filter dialog's 416 x 126 (with the coloured strip) and
// the level screen's 246 x 91, fed with a simulated ADC block through the
// product's analysis.
#include "Audio/analoginputworker.h"
#include "Tools/freqspectrum.h"
#include "signalgenerator.h"
#include "widgetbench.h"

namespace {

struct Size {
    const char* name;
    int width, height;
    bool gradient;
};
const Size kSizes[] = {{"spectrum tick, filter dialog 416 x 126", 416, 126, true},
                       {"spectrum tick, level screen 246 x 91", 246, 91, false}};

// Spectrum and samples of a block of leak noise and a tone.
struct Frame {
    float fft[AnalogInputWorker::kSamples];
    float samples[AnalogInputWorker::kSamples];
};
const Frame& realisticFrame()
{
    static const Frame frame = [] {
        SignalGenerator generator(7670);
        generator.generatePcm16(7670);  // a second in, well settled
        AnalogInputWorker worker;
        worker.analyseBlock(generator.generatePcm16(AnalogInputWorker::kSamples));
        Frame f;
        worker.getFft(f.fft);
        worker.getAudioData(f.samples);
        return f;
    }();
    return frame;
}

void tick(benchmark::State& state, const Size& size)
{
    Frame frame = realisticFrame();
    FreqSpectrum spectrum;
    spectrum.setScaleBgGradient(size.gradient);
    spectrum.init(size.width, size.height);
    spectrum.updateFilter(160, 1250, 1);
    spectrum.clear();
    spectrum.drawScale();
    for (auto _ : state) {
        spectrum.refresh();
        spectrum.drawScale();
        spectrum.drawFft(frame.fft, true);
        spectrum.drawData(frame.samples);
        benchmark::DoNotOptimize(spectrum.getImage().constBits());
    }
}

}

int main(int argc, char** argv)
{
    // The analysis and the widget log; that is not what is measured.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return runWidgetBenchmarks(argc, argv, kSizes, tick);
}
