#include "hearingprotection.h"
#include "Hardware/bluetooth.h"
#include "mainmenu.h"

#include <QAudioDeviceInfo>
#include <QButtonGroup>
#include <QDebug>
#include <QLabel>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

const char* const HearingProtection::kTestTone = "qrc:/Resources/Files/Testtone_300Hz.wav";

HearingProtection::HearingProtection(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        m_btSource = hub->getBtSourceInstance();

    QWidget* page = addPage("pageHearingProtection");
    setPageTitle(0, tr("HearingProtection"));
    m_modes = addChoices(page, {{ModeActive, tr("Active"), "butActive"},
                                {ModeInactive, tr("Inactive"), "butInactive"}});
    auto* caption = new QLabel(tr("HeadphoneVolumeOffset"), page);
    caption->setObjectName("labelOffset");
    caption->setGeometry(5, 160, 200, 100);
    caption->setWordWrap(true);
    // A short stepper: minus, value and plus side by side.
    m_offsetStepper = addStepper(page, "labelOffsetValue", 0, 0, 60);
    m_offsetStepper.minus->setGeometry(215, 175, 60, 60);
    m_offsetStepper.value->setGeometry(280, 175, 76, 60);
    m_offsetStepper.plus->setGeometry(361, 175, 60, 60);
    connect(m_offsetStepper.plus, &QPushButton::clicked, this, [this] { setOffset(m_offset + 1); });
    connect(m_offsetStepper.minus, &QPushButton::clicked, this, [this] { setOffset(m_offset - 1); });
    connect(m_modes, &QButtonGroup::idClicked, this, [this] { applyGain(); });
    checkChoice(m_modes, ModeInactive);
    // Nothing goes to the headset before init() hands in the stored choice:
    // protection may be on.
    m_offsetStepper.value->setText(QString::asprintf("%+d", m_offset));
}

HearingProtection::~HearingProtection()
{
    stopTestTone();
}

int HearingProtection::headsetGain(bool mode, int offset)
{
    return mode ? 1 : offset + 5;
}

void HearingProtection::init(bool mode, int offset)
{
    if (offset < kMinOffset || offset > kMaxOffset)
        offset = 0;
    m_initialMode = mode;
    m_initialOffset = offset;
    m_initialised = true;
    checkChoice(m_modes, mode ? ModeActive : ModeInactive);
    m_offset = offset;
    m_offsetStepper.value->setText(QString::asprintf("%+d", m_offset));
    applyGain();
}

bool HearingProtection::getModeHearingProtection() const
{
    return m_modes->checkedId() == ModeActive;
}

void HearingProtection::setOffset(int offset)
{
    m_offset = qBound(kMinOffset, offset, kMaxOffset);
    m_offsetStepper.value->setText(QString::asprintf("%+d", m_offset));
    applyGain();
}

void HearingProtection::applyGain()
{
    if (m_btSource)
        m_btSource->setBtAdcGain(headsetGain(getModeHearingProtection(), m_offset));
}

void HearingProtection::showEvent(QShowEvent* event)
{
    SettingsAdjustDialog::showEvent(event);
    startTestTone();
}

void HearingProtection::startTestTone()
{
    if (m_tone)
        return;
    if (QAudioDeviceInfo::defaultOutputDevice().isNull()) {
        qDebug() << "HearingProtection: no sound device, test tone not played";
        return;
    }
    m_tone = new QSoundEffect(this);
    m_tone->setSource(QUrl(QString::fromLatin1(kTestTone)));
    m_tone->setLoopCount(QSoundEffect::Infinite);
    m_tone->play();
    qDebug() << "HearingProtection: test tone on";
}

void HearingProtection::stopTestTone()
{
    if (!m_tone)
        return;
    m_tone->stop();
    delete m_tone;
    m_tone = nullptr;
    qDebug() << "HearingProtection: test tone off";
}

bool HearingProtection::isTestTonePlaying() const
{
    return m_tone != nullptr;
}

void HearingProtection::done(int result)
{
    stopTestTone();
    if (result != QDialog::Accepted && m_btSource && m_initialised)
        m_btSource->setBtAdcGain(headsetGain(m_initialMode, m_initialOffset));
    SettingsAdjustDialog::done(result);
}
