#include "screenstyle.h"

#include "Audio/analoginputworker.h"

#include <QColor>
#include <QLabel>
#include <QProgressBar>

namespace ScreenStyle {

namespace {
const QString kFilterIcons = ":/Resources/Icons/Mainmenu/Pinpointing/";
}

void setSheet(QWidget* widget, const QString& sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

QString buttonPicture(const QString& dir, const QString& normal, const QString& pressed,
                      const QString& padding)
{
    const QString box = padding.isEmpty() ? QString("border: none;")
                                          : QString("border: none; padding: %1;").arg(padding);
    return QString("QPushButton { %1 background-image: url(%2%3_44px.png); "
                   "background-position: center; background-repeat: no-repeat; }\n"
                   "QPushButton:pressed { background-image: url(%2%4_44px.png); }")
        .arg(box, dir, normal, pressed);
}

void setBarValue(QProgressBar* bar, int value)
{
    bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
}

int barValue(float db)
{
    // Bounded before the conversion: a float beyond int has no int value.
    return int(qBound(0.0f, db * 10.0f, 1000.0f));
}

QString chunkSheet(const QString& colourName, Braces braces)
{
    return QString(braces == Braces::Spaced ? "QProgressBar::chunk { background-color: %1; }"
                                            : "QProgressBar::chunk {background-color: %1;}")
        .arg(colourName);
}

QString chunkSheet(const QColor& colour)
{
    return chunkSheet(
        QString("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
}

QColor frequencyColour(unsigned frequency)
{
    return AnalogInputWorker::calcFrequencyColor(frequency, 300, Qt::blue, Qt::red, Qt::yellow,
                                                 nullptr);
}

void showFilter(QLabel* symbol, QLabel* range, int type, quint32 low, quint32 high)
{
    showFilterSymbol(symbol, type);
    range->setText(QString("%1\n%2").arg(hertz(low), hertz(high)));
}

void showFilterCorners(QLabel* symbol, QLabel* lowLabel, QLabel* highLabel, int type, quint32 low,
                       quint32 high)
{
    showFilterSymbol(symbol, type);
    lowLabel->setText(hertz(low));
    highLabel->setText(hertz(high));
}

QString hertz(qint64 frequency)
{
    return QString("%1 Hz").arg(frequency);
}

void showFilterSymbol(QLabel* symbol, int type)
{
    setSheet(symbol, QString("background-image: url(%1Filtertype_%2_gr_40px.png);")
                         .arg(kFilterIcons, type == 2 ? "Bandstop" : "Bandpass"));
}

QString figure(double value)
{
    return QString("%1").arg(value, 0, 'f', 0);
}

void setPlainText(QLabel* label, const QString& text)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
}

}
