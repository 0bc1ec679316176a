#ifndef ICONBUTTON_H
#define ICONBUTTON_H

#include "drawntext.h"

#include <QColor>
#include <QPushButton>
#include <QString>

// A button whose icon comes from its style sheet, with a text drawn beside it.
class IconButton : public QPushButton
{
    Q_OBJECT
public:
    explicit IconButton(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    // What paintEvent draws.
    QVector<DrawnText> drawnTexts() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_color;
    QColor m_backgroundcolor;
};

#endif
