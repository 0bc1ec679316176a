#ifndef HEADSETVOLUME_H
#define HEADSETVOLUME_H

// The headset volume is a step 0..15. The interface speaks percent and an
// IDC777 module the AVRCP absolute volume 0..127. The conversions are fixed
// tables; a value outside its range gives step 8 (and step 8's values).
namespace HeadsetVolume {

constexpr int kMaxStep = 15;
constexpr int kDefaultStep = 8;

int stepToPercent(int step);
int percentToStep(int percent);
int stepToModuleValue(int step);
int moduleValueToStep(int value);

}

#endif
