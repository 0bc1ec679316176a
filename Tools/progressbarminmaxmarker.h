#ifndef PROGRESSBARMINMAXMARKER_H
#define PROGRESSBARMINMAXMARKER_H

#include <QProgressBar>

// A level bar with a red line at the maximum and a blue line at the minimum
// marker. A marker of -1, or outside the bar's range, is not drawn.
class ProgressBarMinMaxMarker : public QProgressBar
{
    Q_OBJECT
public:
    explicit ProgressBarMinMaxMarker(QWidget* parent = nullptr);

    // A marker moves without the value: both repaint on a change.
    void setMaxMarker(int value) { setMarker(&m_maxMarker, value); }
    int maxMarker() const { return m_maxMarker; }
    void setMinMarker(int value) { setMarker(&m_minMarker, value); }
    int minMarker() const { return m_minMarker; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setMarker(int* marker, int value)
    {
        if (*marker != value) {
            *marker = value;
            update();
        }
    }
    // Column of a marker, or -1 when it is not drawn.
    int markerX(int marker) const;

    int m_maxMarker;
    int m_minMarker;
};

#endif
