#include "freqspectrum.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Management/systemsettings.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"

#include <QDebug>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {

const double kBinHz = 7.8125;
const double kLog20 = 1.30103;      // log10(20): the curve's axis starts at 20 Hz
const double kDecades = 2.30103;    // ... and spans 20..4000 Hz
// The axis band's own scale ends at 3835 Hz, a little short of the curve's.
const double kScaleDecades = 2.2827353726210187;
const quint32 kMaxHz = 4000;
const int kDominantHalfWidth = 2;
const int kLastDominantCentre = 508;

// Ticks of the axis band, with the gradient's stop for each (4000 Hz is
// held at the strip's right end).
struct Tick {
    int hz;
    double stop;
};
const Tick kTicks[] = {{20, 0},           {40, 0.13187249},  {60, 0.20901296}, {80, 0.26374498},
                       {100, 0.30619845}, {200, 0.43807092}, {400, 0.5699434}, {600, 0.6470839},
                       {800, 0.7018159},  {1000, 0.7442694}, {2000, 0.87614185}, {4000, 1.0}};

QPen pen(const QColor& colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

int scaleX(int hz, int w)
{
    return static_cast<int>(w / kScaleDecades * std::log10(hz / 20.0));
}

}

FreqSpectrum::FreqSpectrum(QWidget* parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    std::fill(std::begin(m_fftDataArray), std::end(m_fftDataArray), 0.0f);
    for (float* slot : m_fftDataArrayMeanTemp)
        std::fill(slot, slot + kArraySize, 0.0f);
    std::fill(std::begin(m_fftDataArrayMean), std::end(m_fftDataArrayMean), 0.0f);
    std::fill(std::begin(m_lastMagnitudes), std::end(m_lastMagnitudes), 0.0f);
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        m_audioCodec = hub->getAudioCodecInstance();
}

QRect FreqSpectrum::getRect() const
{
    return QRect(0, 0, width(), height());
}

double FreqSpectrum::xOf(double f, int w)
{
    return (std::log10(f) - kLog20) * w / kDecades;
}

quint32 FreqSpectrum::frequencyAt(double x, int w)
{
    return static_cast<quint32>(std::pow(10.0, x * kDecades / w + kLog20));
}

void FreqSpectrum::init(int width, int height)
{
    m_initialised = true;
    newPicture(width, height);
    if (m_audioCodec)
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
    qDebug() << "FreqSpectrum init" << width << height << "band" << m_lowCutOffFrequency
             << m_highCutOffFrequency << m_filterType;
}

void FreqSpectrum::newPicture(int width, int height)
{
    m_rectWidth = std::max(width, 0);
    m_rectHeight = std::max(height, 0);
    // Refilled in place while the size holds: one picture, not one per tick.
    if (image.size() != QSize(m_rectWidth, m_rectHeight))
        image = QImage(m_rectWidth, m_rectHeight, QImage::Format_RGB32);
    if (!image.isNull())
        image.fill(Qt::darkGray);
}

void FreqSpectrum::refresh()
{
    newPicture(m_rectWidth, m_rectHeight);
}

void FreqSpectrum::clear()
{
    std::fill(m_fftDataArray, m_fftDataArray + kBins, 0.0f);
    for (float* slot : m_fftDataArrayMeanTemp)
        std::fill(slot, slot + kBins, 0.0f);
    std::fill(m_fftDataArrayMean, m_fftDataArrayMean + kBins, 0.0f);
    std::fill(std::begin(m_lastMagnitudes), std::end(m_lastMagnitudes), 0.0f);
    m_meanCnt = 0;
    m_frameDrawn = false;
}

bool FreqSpectrum::drawable() const
{
    return !image.isNull() && image.height() > kAxisBand;
}

void FreqSpectrum::updateFilter(quint32 a_lowCutOffFrequency, quint32 a_highCutOffFrequency, int a_filterType)
{
    m_lowCutOffFrequency = a_lowCutOffFrequency;
    m_highCutOffFrequency = a_highCutOffFrequency;
    m_filterType = a_filterType;
}

void FreqSpectrum::drawScale()
{
    if (!drawable())
        return;
    const int w = image.width();
    const int h = image.height();
    QPainter painter(&image);
    if (m_scaleBgGradient) {
        const quint32 limit = StatusbarData()->sensorType() == 1 ? 300 : 1000;
        QLinearGradient gradient(0, h - 25, w, h - 25);
        QColor textColour;
        for (const Tick& t : kTicks)
            gradient.setColorAt(t.stop, AnalogInputWorker::calcFrequencyColor(
                                            t.hz, limit, QColor("blue"), QColor("red"), QColor("yellow"), &textColour));
        painter.fillRect(QRect(0, h - 25, w, 5), gradient);
    }
    for (const Tick& t : kTicks) {
        const bool main = t.hz == 20 || t.hz == 100 || t.hz == 1000;
        painter.setPen(pen(Qt::white, main ? 2 : 1));
        const int x = scaleX(t.hz, w);
        painter.drawLine(x, h - 20, x, h - 25);
    }
    painter.setPen(pen(Qt::white, 1));
    painter.drawText(QRect(QPoint(0, h - 22), QPoint(49, h - 1)), Qt::AlignLeft, "20");
    for (int hz : {100, 1000}) {
        const int x = scaleX(hz, w);
        painter.drawText(QRect(QPoint(x - 50, h - 22), QPoint(x + 49, h - 1)), Qt::AlignHCenter,
                         QString::number(hz));
    }
}

void FreqSpectrum::drawFft(float* fftData, bool average)
{
    if (!fftData)
        return;
    if (fftData != m_lastMagnitudes)
        std::copy(fftData, fftData + kBins, m_lastMagnitudes);

    // Levels in dB. Anything below 1e-7 (zero, negative, not a number)
    // counts as 0 dB, like a bin that reached no level at all.
    float maximum = 0.0f;
    for (int i = 0; i < kBins; ++i) {
        const double m = fftData[i];
        const float level = std::isfinite(m) && m >= 1e-7 ? static_cast<float>(20.0 * std::log10(m)) : 0.0f;
        m_fftDataArray[i] = level;
        maximum = std::max(maximum, level);
    }
    // The top four bins are above every sensor's band: the noise floor.
    const float floor = (m_fftDataArray[508] + m_fftDataArray[509] + m_fftDataArray[510] + m_fftDataArray[511]) * 0.25f;
    const float range = maximum - floor;
    float* slot = m_fftDataArrayMeanTemp[m_meanCnt];
    for (int i = 0; i < kBins; ++i) {
        // No range (silence, a flat frame): nothing stands out.
        const float v = range > 0.0f ? std::max((m_fftDataArray[i] - floor) / range, 0.0f) : 0.0f;
        m_fftDataArray[i] = v;
        slot[i] = v;
    }
    m_meanCnt = (m_meanCnt + 1) % 3;
    for (int i = 0; i < kBins; ++i)
        m_fftDataArrayMean[i] = average ? (m_fftDataArrayMeanTemp[0][i] + m_fftDataArrayMeanTemp[1][i]
                                           + m_fftDataArrayMeanTemp[2][i]) / 3.0f
                                        : m_fftDataArray[i];

    // The strongest five-bin window; equal sums go to the higher centre.
    float best = 0.0f;
    for (int c = kDominantHalfWidth; c <= kLastDominantCentre; ++c) {
        float s = 0.0f;
        for (int i = c - kDominantHalfWidth; i <= c + kDominantHalfWidth; ++i)
            s += m_fftDataArrayMean[i];
        if (s >= best) {
            best = s;
            m_dominantBin = c;
        }
    }
    m_frameDrawn = true;
    drawCurveAndBand();
}

void FreqSpectrum::drawCurveAndBand()
{
    if (!drawable())
        return;
    const int w = image.width();
    const double hh = image.height() - kAxisBand;
    QPainter painter(&image);

    // Bin 0 lies at minus infinity and bins 1 and 2 left of the picture: the
    // curve starts where it crosses the left edge.
    QPointF points[kBins];
    int n = 0;
    QPointF previous(xOf(kBinHz, w), hh - m_fftDataArrayMean[1] * hh);
    for (int i = 2; i < kBins; ++i) {
        const QPointF p(xOf(i * kBinHz, w), hh - m_fftDataArrayMean[i] * hh);
        if (n == 0 && p.x() >= 0.0) {
            const double t = -previous.x() / (p.x() - previous.x());
            points[n++] = QPointF(0.0, previous.y() + t * (p.y() - previous.y()));
        }
        if (n > 0)
            points[n++] = p;
        previous = p;
    }
    painter.setPen(pen(Qt::white, 1));
    painter.drawPolyline(points, n);

    if (g_debugFeatures == 1) {
        const double x = xOf(m_dominantBin * kBinHz, w);
        painter.setPen(pen(Qt::red, 3));
        painter.drawLine(QPointF(x, hh), QPointF(x, hh - 0.2 * hh));
    }
    drawBand(painter);
}

void FreqSpectrum::drawBand(QPainter& painter)
{
    if (m_lowCutOffFrequency == 0 && m_highCutOffFrequency == 0)
        return;
    const int w = image.width();
    const double hh = image.height() - kAxisBand;
    const double xl = xOf(std::max<quint32>(m_lowCutOffFrequency, 1), w);
    const double xh = xOf(std::max<quint32>(m_highCutOffFrequency, 1), w);
    const float a = w / 10.0f, b = w / 35.0f, c = w / 15.0f;
    QPainterPath path;
    path.moveTo(-3, hh);
    path.lineTo(xl - a + b, hh);
    path.cubicTo(xl + c - a + b, hh, xl - c + b, 0, xl + b, 0);
    path.lineTo(xh - b, 0);
    path.cubicTo(xh + c - b, 0, xh - c + a - b, hh, xh + a - b, hh);
    path.lineTo(w + 3, hh);
    painter.setPen(pen(Qt::red, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    painter.setPen(pen(Qt::green, 1));
    const int half = w / 2;
    painter.drawText(QRect(QPoint(0, 0), QPoint(half - 1, 29)), Qt::AlignLeft | Qt::AlignTop,
                     QString("%1").arg(m_lowCutOffFrequency));
    painter.drawText(QRect(QPoint(half, 0), QPoint(2 * half - 1, 29)), Qt::AlignRight | Qt::AlignTop,
                     QString("%1").arg(m_highCutOffFrequency));
}

void FreqSpectrum::drawData(float* data)
{
    if (!data || !drawable())
        return;
    const int w = image.width();
    const int hh = image.height() - kAxisBand;
    QPointF points[kBins];
    for (int i = 0; i < kBins; ++i) {
        const double s = std::isfinite(data[i]) ? data[i] : 0.0;
        points[i] = QPointF(i * w / kBins, qBound(0.0, hh / 2.0 - s * hh / 2.0, hh - 1.0));
    }
    QPainter painter(&image);
    painter.setPen(pen(Qt::yellow, 1));
    painter.drawPolyline(points, kBins);
}

void FreqSpectrum::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_hide)
        painter.fillRect(event->rect(), Qt::black);
    else if (!image.isNull())
        painter.drawImage(0, 0, image);
}

void FreqSpectrum::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Owners size the picture before their layout has placed the widget;
    // it follows the placement with what it showed.
    if (!m_initialised || event->size() == QSize(m_rectWidth, m_rectHeight))
        return;
    newPicture(event->size().width(), event->size().height());
    drawScale();
    if (m_frameDrawn)
        drawCurveAndBand();
}

QPointF FreqSpectrum::touchPoint(const QMouseEvent* event) const
{
    return QPointF(qBound(0.0, event->localPos().x(), image.width() - 1.0), event->localPos().y());
}

void FreqSpectrum::bandTo(const QPointF& pos)
{
    const int w = image.width();
    m_lowCutOffFrequency = frequencyAt(start.x(), w);
    m_highCutOffFrequency = frequencyAt(pos.x(), w);
    if (m_highCutOffFrequency < m_lowCutOffFrequency) {
        start = pos;
        m_lowCutOffFrequency = m_highCutOffFrequency;
        m_highCutOffFrequency = m_lowCutOffFrequency + 10;
    } else if (m_highCutOffFrequency - m_lowCutOffFrequency <= 9) {
        m_highCutOffFrequency += 10;
    }
    m_highCutOffFrequency = std::min(m_highCutOffFrequency, kMaxHz);
}

void FreqSpectrum::mousePressEvent(QMouseEvent* event)
{
    const int w = image.width();
    if (w <= 0)
        return;
    m_touching = true;
    start = stop = touchPoint(event);
    m_filterType = 1;
    m_lowCutOffFrequency = frequencyAt(start.x(), w);
    m_highCutOffFrequency =
        std::min(static_cast<quint32>(1.4 * std::pow(10.0, start.x() * kDecades / w + kLog20)), kMaxHz);
}

void FreqSpectrum::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_touching || image.width() <= 0)
        return;
    if (drawable()) {
        QPainter painter(&image);
        painter.fillRect(QRect(0, 0, image.width(), image.height() - kAxisBand), Qt::darkGray);
    }
    bandTo(touchPoint(event));
}

void FreqSpectrum::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_touching || image.width() <= 0)
        return;
    m_touching = false;
    stop = touchPoint(event);
    bandTo(stop);
    drawFft(m_lastMagnitudes, true);

    // What the codec makes of the band (the nearest corners of its list, or
    // no filter at all) is what is shown and kept.
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->applyFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType,
                         MainMenu::FilterUse::AsCurrent);
    qDebug() << "FreqSpectrum band" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
    emit filterChanged();
}
