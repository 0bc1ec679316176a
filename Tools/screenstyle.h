#ifndef SCREENSTYLE_H
#define SCREENSTYLE_H

#include <QString>

class QColor;
class QLabel;
class QProgressBar;
class QWidget;

// Display rules the measurement screens share.
namespace ScreenStyle {

// A style sheet is parsed again whenever it is set: set it only on a change.
void setSheet(QWidget* widget, const QString& sheet);

// A menu button's picture: <dir><normal>_44px.png, <dir><pressed>_44px.png
// while pressed (dir: a resource folder ending in "/"), with the screen's
// padding ("5px 5px"), if it has one.
QString buttonPicture(const QString& dir, const QString& normal, const QString& pressed,
                      const QString& padding = QString());

// QProgressBar ignores a value outside its range and keeps the old one.
void setBarValue(QProgressBar* bar, int value);
// A level in dB as a bar value: tenths of a dB, cut towards zero, within
// the bars' 0..1000.
int barValue(float db);

// Bar chunk colours: a named colour ("yellow") or one by components. The
// pinpointing screen writes its named colours with blanks inside the braces.
enum class Braces { Tight, Spaced };
QString chunkSheet(const QString& colourName, Braces braces = Braces::Tight);
QString chunkSheet(const QColor& colour);
// The colour of a dominant frequency: blue at 0 Hz, red at 150 Hz, yellow
// from 300 Hz.
QColor frequencyColour(unsigned frequency);

// The filter in force as its picture (band-stop for type 2, else band-pass)
// and "<low> Hz\n<high> Hz". The picture is a background, drawn at its own
// 40 x 40 pixels: the symbol labels are that size.
void showFilter(QLabel* symbol, QLabel* range, int type, quint32 low, quint32 high);
void showFilterSymbol(QLabel* symbol, int type);
// The picture and each corner in a label of its own ("<low> Hz", "<high> Hz").
void showFilterCorners(QLabel* symbol, QLabel* lowLabel, QLabel* highLabel, int type, quint32 low,
                       quint32 high);
// "<frequency> Hz".
QString hertz(qint64 frequency);

// A level figure: whole dB, rounded.
QString figure(double value);

// Text typed by the operator, never read as markup.
void setPlainText(QLabel* label, const QString& text);

}

#endif
