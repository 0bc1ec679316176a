#include "customizedialogs.h"
#include "Hardware/gps.h"
#include "Tools/iconbutton.h"
#include "mainmenu.h"

#include <QDebug>

namespace {

struct FlagText {
    const char* objectName;
    const char* key;
};

const char* const kFlagStyle =
    "QPushButton { border: none; background-color: transparent; padding-left: 5px; "
    "image: url(:/Resources/Icons/Allgemein/Checkbox_off_ws_40px.png); image-position: left; }\n"
    "QPushButton:checked { image: url(:/Resources/Icons/Allgemein/Checkbox_on_ws_40px.png); }\n"
    "QPushButton:pressed { background-color: #f0a020; }";

}

CustomizeDialogs::CustomizeDialogs(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    // Titles and flags in the order of the setters' parameters.
    const char* const titles[GroupCount] = {
        QT_TRANSLATE_NOOP("CustomizeDialogs", "LevelMeasurement"),
        QT_TRANSLATE_NOOP("CustomizeDialogs", "Pinpointing"),
        QT_TRANSLATE_NOOP("CustomizeDialogs", "LongtermMeasurement"),
        QT_TRANSLATE_NOOP("CustomizeDialogs", "H2Sensor"),
        QT_TRANSLATE_NOOP("CustomizeDialogs", "Pipelocating"),
        QT_TRANSLATE_NOOP("CustomizeDialogs", "Startup")};
    const FlagText flags[GroupCount][4] = {
        {{"butLevelShowFft", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFft")},
         {"butLevelShowFrequencyValue", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFrequencyValue")},
         {"butLevelShowPeakLevelBar", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowPeakLevelBar")},
         {"butLevelUseFrequencyColor", QT_TRANSLATE_NOOP("CustomizeDialogs", "UseFrequencyColorForLevelbar")}},
        {{"butPinpointingShowFrequencyValue", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFrequencyValue")},
         {"butPinpointingUseFrequencyColor", QT_TRANSLATE_NOOP("CustomizeDialogs", "UseFrequencyColorForLevelbar")},
         {"butPinpointingShowFilterParameter", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFilterParameter")},
         {"butPinpointingDynamicScaling", QT_TRANSLATE_NOOP("CustomizeDialogs", "DynamicScaling")}},
        {{"butLongtermShowFrequencyValue", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFrequencyValue")},
         {"butLongtermUseFrequencyColor", QT_TRANSLATE_NOOP("CustomizeDialogs", "UseFrequencyColorForLevelbar")},
         {"butLongtermShowGrid", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowGrid")},
         {"butLongtermShowFilterParameter", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFilterParameter")}},
        {{"butH2ShowHistogram", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowHistogram")},
         {"butH2ShowGrid", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowGrid")},
         {"butH2DynamicScaling", QT_TRANSLATE_NOOP("CustomizeDialogs", "DynamicScaling")},
         {"butH2ShowWorkingRange", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowWorkingRange")}},
        {{"butPipelocatingShowFft", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFft")},
         {"butPipelocatingShowFrequencyValue", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFrequencyValue")},
         {"butPipelocatingUseFrequencyColor", QT_TRANSLATE_NOOP("CustomizeDialogs", "UseFrequencyColorForLevelbar")},
         {"butPipelocatingShowFilterParameter", QT_TRANSLATE_NOOP("CustomizeDialogs", "ShowFilterParameter")}},
        {{"butStartupUseFavourite", QT_TRANSLATE_NOOP("CustomizeDialogs", "UseFavouriteForStartup")},
         {"butStartupUseFilter", QT_TRANSLATE_NOOP("CustomizeDialogs", "UseFilterForStartup")},
         {"butStartupUseGps", QT_TRANSLATE_NOOP("CustomizeDialogs", "UseGpsForStartup")},
         {"butStartupUseTouch", QT_TRANSLATE_NOOP("CustomizeDialogs", "UseTouchForStartup")}},
    };
    for (int g = 0; g < GroupCount; ++g) {
        QWidget* page = addPage(QString("page%1").arg(g + 1));
        setPageTitle(g, tr(titles[g]));
        for (int i = 0; i < 4; ++i) {
            auto* b = new IconButton(page);
            b->setObjectName(flags[g][i].objectName);
            b->setCheckable(true);
            b->setAutoDefault(false);
            b->setStyleSheet(kFlagStyle);
            b->setGeometry(5, kContentTop + i * 57, kAreaWidth - 10, 50);
            b->setText(tr(flags[g][i].key));
            m_flags[g][i] = b;
        }
    }
    connect(m_flags[Startup][2], &QPushButton::toggled, this, &CustomizeDialogs::switchGps);
}

void CustomizeDialogs::init()
{
    showPage(0);
}

void CustomizeDialogs::setFlags(Group group, bool a, bool b, bool c, bool d)
{
    const bool values[4] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) {
        QSignalBlocker block(m_flags[group][i]);
        m_flags[group][i]->setChecked(values[i]);
    }
}

void CustomizeDialogs::getFlags(Group group, bool* a, bool* b, bool* c, bool* d) const
{
    bool* out[4] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) {
        if (out[i])
            *out[i] = m_flags[group][i]->isChecked();
    }
}

void CustomizeDialogs::setLevelParameter(bool a, bool b, bool c, bool d) { setFlags(Level, a, b, c, d); }
void CustomizeDialogs::setPinpointingParameter(bool a, bool b, bool c, bool d) { setFlags(Pinpointing, a, b, c, d); }
void CustomizeDialogs::setLongtermParameter(bool a, bool b, bool c, bool d) { setFlags(Longterm, a, b, c, d); }
void CustomizeDialogs::setH2Parameter(bool a, bool b, bool c, bool d) { setFlags(H2, a, b, c, d); }
void CustomizeDialogs::setPipelocatingParameter(bool a, bool b, bool c, bool d) { setFlags(Pipelocating, a, b, c, d); }

void CustomizeDialogs::setStartupParameter(bool a, bool b, bool c, bool d)
{
    setFlags(Startup, a, b, c, d);
    m_gpsAtStart = c;
}

void CustomizeDialogs::getLevelParameter(bool* a, bool* b, bool* c, bool* d) const { getFlags(Level, a, b, c, d); }
void CustomizeDialogs::getPinpointingParameter(bool* a, bool* b, bool* c, bool* d) const { getFlags(Pinpointing, a, b, c, d); }
void CustomizeDialogs::getLongtermParameter(bool* a, bool* b, bool* c, bool* d) const { getFlags(Longterm, a, b, c, d); }
void CustomizeDialogs::getH2Parameter(bool* a, bool* b, bool* c, bool* d) const { getFlags(H2, a, b, c, d); }
void CustomizeDialogs::getPipelocatingParameter(bool* a, bool* b, bool* c, bool* d) const { getFlags(Pipelocating, a, b, c, d); }
void CustomizeDialogs::getStartupParameter(bool* a, bool* b, bool* c, bool* d) const { getFlags(Startup, a, b, c, d); }

void CustomizeDialogs::switchGps(bool on)
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Gps* gps = hub ? hub->getGpsInstance() : nullptr;
    if (!gps) {
        qDebug() << "CustomizeDialogs: no GPS receiver to switch";
        return;
    }
    if (on)
        gps->switchOnGpsModul();
    else
        gps->switchOffGpsModul();
}

void CustomizeDialogs::done(int result)
{
    if (result != QDialog::Accepted && m_flags[Startup][2]->isChecked() != m_gpsAtStart)
        m_flags[Startup][2]->setChecked(m_gpsAtStart);  // switches the receiver back
    SettingsAdjustDialog::done(result);
}
