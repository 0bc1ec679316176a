#ifndef LONGTERMDATA_H
#define LONGTERMDATA_H

#include "drawntext.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

// A value-over-time chart: the curve, a Y scale strip on the left, an X scale
// strip at the bottom and optional grids, drawn into an off-screen image that
// paintEvent only copies. It keeps no data: each draw call draws the caller's
// array at once, the caller clears with refresh(). The current lap of a ring
// buffer is drawn in the data colour, the previous lap in black.
class LongtermData : public QWidget
{
    Q_OBJECT
public:
    enum { MaxPoints = 10000 };

    // One label of a scale: its text, its box and the alignment inside it.
    struct Label {
        QString text;
        QRect box;
        int flags;
    };
    // What a scale draws: tick positions (columns for X, rows for Y), the
    // font and the labels.
    struct Scale {
        QVector<int> minorTicks;
        QVector<int> mainTicks;
        QFont font;
        QVector<Label> labels;
    };

    explicit LongtermData(QWidget* parent = nullptr);

    void init(int width, int height, QColor a_scaleColor, QColor a_dataColor);
    // Both draw the scale at once; a_visible only decides whether refresh()
    // draws it later.
    void setAxisX(float a_min, float a_max, float a_mainStep, float a_minorStep, bool a_visible);
    void setAxisY(float a_min, float a_max, float a_mainStep, float a_minorStep, bool a_visible);
    void displayHGrid(bool a_visible);
    void displayVGrid(bool a_visible);
    void setBackgroundColorScale(QColor a_scaleBackgroundColor);
    void setBackgroundColorData(QColor a_dataBackgroundColor);
    void setColorScale(QColor a_scaleColor);
    void setColorData(QColor a_dataColor);
    void refresh();
    // Values 0..100; points numData..maxDataCnt-1 are the previous lap.
    void drawData(float* data, int numData, int maxDataCnt, bool displayOldData);
    void drawDataScaled(const float* data, int numData, int maxDataCnt, bool displayOldData,
                        float minVal, float maxVal);
    QRect getRect() const;
    const QImage& getImage() const { return image; }
    // The labels of the scales refresh() draws, X first.
    QVector<DrawnText> drawnTexts() const;

    // The layout of each scale from its strip and axis; the font family is
    // the painter's. Labels that would be cut or overlap in the scale's own
    // font take the nearest smaller size that keeps them whole, and only when
    // none does shorter figures and fewer labels; the top label comes down
    // into the chart.
    static Scale xScale(const QRect& strip, float min, float max, float mainStep, float minorStep,
                        const QString& family);
    static Scale yScale(const QRect& strip, float min, float max, float mainStep, float minorStep,
                        const QString& family);
    // Rows (or columns) of the grid lines over `length` pixels from `origin`;
    // neither edge gets one.
    static QVector<int> gridLines(int origin, int length, float min, float max, float step);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawInit();
    void drawXScale();
    void drawYScale();
    void drawHGrid(float a_min, float a_max, float a_step);
    void drawVGrid(float a_min, float a_max, float a_step);
    void drawCurve(const float* data, int numData, int maxDataCnt, bool displayOldData,
                   float minVal, float maxVal);
    void drawScaleLabels(const Scale& scale);
    bool beginPainting();
    void endPainting();

    QImage image;
    QPainter m_painter;
    QRect m_rectDataArea;
    QRect m_rectYScale;
    QRect m_rectXScale;
    QColor m_scaleColor;
    QColor m_scaleBackgroundColor;
    QColor m_dataColor;
    QColor m_dataBackgroundColor;
    float m_xAxis_min;
    float m_xAxis_max;
    float m_xAxis_mainStep;
    float m_xAxis_minorStep;
    bool m_xAxis_visible;
    bool m_vGrid_visible;
    float m_yAxis_min;
    float m_yAxis_max;
    float m_yAxis_mainStep;
    float m_yAxis_minorStep;
    bool m_yAxis_visible;
    bool m_hGrid_visible;
    // The one point buffer: a draw call allocates nothing.
    QPointF m_points[MaxPoints];
};

#endif
