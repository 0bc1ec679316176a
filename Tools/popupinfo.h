#ifndef POPUPINFO_H
#define POPUPINFO_H

#include <QDialog>

class QTimer;

namespace Ui {
class PopupInfo;
}

// A small symbol in the middle of the screen that confirms an action and
// closes itself (accepted) one second after setPicture().
class PopupInfo : public QDialog
{
    Q_OBJECT
public:
    // 1 favourite stored, 2 screenshot stored, 3 service mode on; any other
    // number shows the favourite symbol.
    enum Picture { PictureFavourite = 1, PictureScreenshot = 2, PictureServiceMode = 3 };

    explicit PopupInfo(QWidget* parent = nullptr);
    ~PopupInfo() override;

    void setPicture(int picture);

public slots:
    void closeDlg();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    Ui::PopupInfo* ui;
    QTimer* m_timer;
};

#endif
