// One complete chart redraw as the screens make it on every tick: the
// long-term chart (1800 points, current and previous lap) and the pressure
// chart (6000 samples on a scaled axis). Offscreen, into the chart's image.
#include "Tools/longtermdata.h"

#include "widgetbench.h"

#include <cmath>
#include <vector>

namespace {

// A chart as its screen sets it up, and what one tick draws on it.
struct Redraw {
    const char* name;
    int width, height;
    float x[4], y[4];  // min, max, main step, minor step
    int numData, maxDataCnt;
    bool oldLap;
    float maxVal;  // 0: drawData on 0..100
    float base, swell, ripple, swellRate, rippleRate;
};

const Redraw kRedraws[] = {
    // Pipe noise half way through the second lap of the 30-minute chart.
    {"chart redraw, long-term: 1800 points on 416 x 136", 416, 136, {0, 30, 5, 1},
     {0, 100, 20, 10}, 900, 1800, true, 0, 50, 20, 8, 0.01f, 1.7f},
    // Pressure around 6 bar with the pump's ripple, the whole store joined
    // but for its last sample.
    {"chart redraw, pressure: 6000 points on 420 x 195", 420, 195, {0, 60, 12, 6},
     {0, 25, 5, 2.5f}, 5999, 6000, false, 25, 6, 0.8f, 0.2f, 0.003f, 0.9f},
};

void redraw(benchmark::State& state, const Redraw& r)
{
    std::vector<float> data(r.maxDataCnt);
    for (int i = 0; i < r.maxDataCnt; ++i)
        data[i] = r.base + r.swell * std::sin(i * r.swellRate) + r.ripple * std::sin(i * r.rippleRate);
    LongtermData chart;
    chart.setAxisX(r.x[0], r.x[1], r.x[2], r.x[3], true);
    chart.setAxisY(r.y[0], r.y[1], r.y[2], r.y[3], true);
    chart.init(r.width, r.height, QColor(213, 211, 18), QColor(255, 255, 100));
    for (auto _ : state) {
        chart.refresh();
        if (r.maxVal > 0)
            chart.drawDataScaled(data.data(), r.numData, r.maxDataCnt, r.oldLap, 0, r.maxVal);
        else
            chart.drawData(data.data(), r.numData, r.maxDataCnt, r.oldLap);
        benchmark::DoNotOptimize(chart.getImage().constBits());
    }
}

}

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv, kRedraws, redraw);
}
