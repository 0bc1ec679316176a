#ifndef FREQSPECTRUM_H
#define FREQSPECTRUM_H

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QWidget>

class AudioCodecSetup;
class QPainter;

// The spectrum display of the measurement screens and the filter dialog: a
// logarithmic axis from 20 Hz, the spectrum normalised between its noise
// floor and its strongest bin and averaged over three frames, and the codec's
// band filter as a raised outline with its corners as numbers. Everything is
// drawn into an off-screen picture on the owner's tick; paintEvent only
// copies it and the widget never asks for a repaint itself. A drag across the
// picture sets a band-pass in the codec and in the main window.
class FreqSpectrum : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBins = 512;
    static constexpr int kArraySize = 1024;
    static constexpr int kRingSlots = 4;  // slots 0..2 in use
    static constexpr int kAxisBand = 30;

    explicit FreqSpectrum(QWidget* parent = nullptr);

    QRect getRect() const;
    // The picture's size; the band is taken from the codec. The picture
    // follows later resizes of the widget (owners size it before layout).
    void init(int width, int height);
    // A fresh grey picture; the arrays and the ring stay.
    void refresh();
    void clear();
    void drawScale();
    // The first 512 values are the bin magnitudes of one frame.
    void drawFft(float* fftData, bool average);
    // The block of samples (full scale 1.0) as a yellow trace.
    void drawData(float* data);
    // Shown from the next drawFft on.
    void updateFilter(quint32 a_lowCutOffFrequency, quint32 a_highCutOffFrequency, int a_filterType);
    void setScaleBgGradient(bool on) { m_scaleBgGradient = on; }
    // Only switch between black and the picture: the widget keeps its place.
    // They shadow QWidget's, so call them through a FreqSpectrum*.
    void hide() { m_hide = true; }
    void show() { m_hide = false; }

    const QImage& getImage() const { return image; }
    const float* levels() const { return m_fftDataArray; }
    const float* ring(int slot) const { return m_fftDataArrayMeanTemp[slot]; }
    const float* curve() const { return m_fftDataArrayMean; }
    int meanCount() const { return m_meanCnt; }
    int dominantBin() const { return m_dominantBin; }
    quint32 lowCutOff() const { return m_lowCutOffFrequency; }
    quint32 highCutOff() const { return m_highCutOffFrequency; }
    int filterType() const { return m_filterType; }

    // Where frequency f lies on the curve's axis of a picture w wide.
    static double xOf(double f, int w);
    // The frequency at column x, truncated to whole hertz.
    static quint32 frequencyAt(double x, int w);

signals:
    void filterChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool drawable() const;
    void newPicture(int width, int height);
    void drawCurveAndBand();
    void drawBand(QPainter& painter);
    // The touch position with x limited to the picture's columns.
    QPointF touchPoint(const QMouseEvent* event) const;
    // The band from the drag start to pos; the start follows pos leftwards.
    void bandTo(const QPointF& pos);

    AudioCodecSetup* m_audioCodec = nullptr;
    int m_rectWidth = 0;
    int m_rectHeight = 0;
    bool m_initialised = false;
    bool m_hide = false;
    QImage image;
    QPointF start;
    QPointF stop;
    bool m_touching = false;
    float m_fftDataArray[kArraySize];
    float m_fftDataArrayMeanTemp[kRingSlots][kArraySize];
    float m_fftDataArrayMean[kArraySize];
    // The magnitudes of the last frame, for the redraw on release.
    float m_lastMagnitudes[kBins];
    bool m_frameDrawn = false;
    int m_meanCnt = 0;
    int m_dominantBin = 0;
    quint32 m_lowCutOffFrequency = 0;
    quint32 m_highCutOffFrequency = 4000;
    int m_filterType = 0;
    bool m_scaleBgGradient = false;
};

#endif
