#ifndef TIMERH2HEATING_H
#define TIMERH2HEATING_H

#include <QLabel>
#include <QPoint>

// The H2 sensor's heating time as a hand on a disc of one full turn (900 s by
// default) that turns from red through yellow to green as the readings become
// trustworthy, with a bar below for the level range 0..1000: reference, end
// of the working range and current level. It shows what its owner last set;
// only setCurrentTime repaints.
class TimerH2Heating : public QLabel
{
    Q_OBJECT
public:
    explicit TimerH2Heating(QWidget* parent = nullptr);

    // Takes the widget's present geometry; call once it is final.
    void init();
    void setCurrentTime(int seconds);
    void setRangeVisualisation(int reference, int level, int range);
    void showRangeVisualisation();
    void hideRangeVisualisation();
    // A full turn of 0 s or less is ignored.
    void setMaxTime(int seconds);
    int getMaxTime() const;
    void setThreshold(int red, int yellow, int green);
    float time2Angle(int seconds) const;

    // The hand's outer end for a time on a dial of the given full turn.
    static QPoint handEnd(int seconds, int maxTime);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_maxTime;
    int m_currentTime;
    int m_startRedArea;
    int m_startYellowArea;
    int m_startGreenArea;
    int m_xSize;
    int m_ySize;
    QPoint m_center;
    int m_h2Reference;
    int m_h2Level;
    int m_h2Range;
    bool m_showRangeVisualisation;
};

#endif
