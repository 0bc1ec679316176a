#include "headsetvolume.h"

namespace HeadsetVolume {

namespace {

constexpr int kStepPercent[kMaxStep + 1] = {0, 6, 12, 18, 25, 31, 37, 44, 50, 56, 62, 69, 75, 81, 88, 94};
// Highest percent that still belongs to each step.
constexpr int kPercentTop[kMaxStep + 1] = {3, 9, 15, 21, 28, 34, 40, 47, 53, 59, 65, 72, 78, 84, 91, 100};
constexpr int kStepValue[kMaxStep + 1] = {0, 8, 17, 25, 34, 42, 51, 59, 68, 76, 85, 93, 102, 110, 119, 127};
// Highest module value that still belongs to each step.
constexpr int kValueTop[kMaxStep + 1] = {4, 13, 21, 30, 38, 47, 55, 64, 72, 81, 89, 98, 106, 115, 123, 127};

int stepOf(const int (&tops)[kMaxStep + 1], int value)
{
    if (value < 0 || value > tops[kMaxStep])
        return kDefaultStep;
    int step = 0;
    while (value > tops[step])
        ++step;
    return step;
}

bool validStep(int step)
{
    return step >= 0 && step <= kMaxStep;
}

}

int stepToPercent(int step)
{
    return kStepPercent[validStep(step) ? step : kDefaultStep];
}

int percentToStep(int percent)
{
    return stepOf(kPercentTop, percent);
}

int stepToModuleValue(int step)
{
    return kStepValue[validStep(step) ? step : kDefaultStep];
}

int moduleValueToStep(int value)
{
    return stepOf(kValueTop, value);
}

}
