#ifndef PICTUREBUTTON_H
#define PICTUREBUTTON_H

#include <QPointF>
#include <QPushButton>

// A picture the user taps: reports where the finger was lifted, in widget
// coordinates. It never emits clicked().
class PictureButton : public QPushButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    QPointF getReleasePos() const { return m_pos; }

signals:
    void mouseReleased(QPointF pos);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF m_pos;
};

#endif
