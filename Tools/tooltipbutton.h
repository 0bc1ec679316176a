#ifndef TOOLTIPBUTTON_H
#define TOOLTIPBUTTON_H

#include <QPoint>
#include <QPushButton>

// A button that shows its tooltip when held down for 700 ms.
class TooltipButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TooltipButton(QWidget* parent = nullptr);

public slots:
    void displayTooltip();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPoint m_point;
};

#endif
