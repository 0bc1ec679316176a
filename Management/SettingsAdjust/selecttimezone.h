#ifndef SELECTTIMEZONE_H
#define SELECTTIMEZONE_H

#include "settingsadjustdialog.h"

#include <QPointF>

class PictureButton;
class QFrame;

// The time zone (page 0: a tap on the world map picks the zone nearest the
// tapped longitude, Up and Down go through the list) and summer or winter
// time (page 1). The unit's clock holds local time: on acceptance a changed
// total offset moves the clock by the difference.
class SelectTimezone : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    struct Zone {
        const char* key;       // translation key of the display name
        const char* zoneId;    // zone-database id
        int offsetSeconds;     // standard offset from UTC
        double longitude;      // of the named place, for the map
    };
    static constexpr int kZoneCount = 31;
    static constexpr int kDefaultZone = 13;  // Berlin
    static const Zone kZones[kZoneCount];

    enum { PageZone = 0, PageDaylightSaving = 1 };

    explicit SelectTimezone(QWidget* parent = nullptr);

    // page 0 zones, any other value summer/winter time; a zone outside
    // 0..30 shows Berlin; daylightSavingTime 1 summer, else winter.
    void init(int page, int timezone, int daylightSavingTime);

    QString getTimezoneName() const;
    int getSelectedTimezone() const { return m_zone; }
    int getTimezoneOffset() const { return kZones[m_zone].offsetSeconds; }
    int getDaylightSavingTime() const;
    int getDaylightSavingTimeOffset() const { return getDaylightSavingTime() == 1 ? 3600 : 0; }

    // " (+1 h)", " (-3:30 h)", " (0 h)".
    static QString offsetText(int offsetSeconds);
    static QString zoneName(int index);
    // The zone whose place lies nearest to a longitude (degrees, -180..180).
    static int zoneNearestTo(double longitude);

    void done(int result) override;

public slots:
    void mapReleased(QPointF pos);

protected:
    void stepUp() override;
    void stepDown() override;

private:
    void selectZone(int index);

    PictureButton* m_map;
    QFrame* m_marker;
    QLabel* m_zoneLabel;
    QButtonGroup* m_daylightSaving;
    int m_zone = kDefaultZone;
    int m_initialZone = kDefaultZone;
    int m_initialDaylightSaving = 0;
};

#endif
