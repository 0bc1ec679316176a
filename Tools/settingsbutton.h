#ifndef SETTINGSBUTTON_H
#define SETTINGSBUTTON_H

#include "drawntext.h"

#include <QColor>
#include <QPushButton>
#include <QString>

// A list entry: a bold title on the left, its value below it on the right.
class SettingsButton : public QPushButton
{
    Q_OBJECT
public:
    explicit SettingsButton(QWidget* parent = nullptr);

    void setText2(const QString& first, const QString& second);
    QString getText1() const { return firstText; }
    QString getText2() const { return secondText; }
    // What paintEvent draws.
    QVector<DrawnText> drawnTexts() const;

    // A caller's tag for the entry; never drawn.
    void setAdditionalInfo(const QString& info) { m_additionalInfo = info; }
    QString getAdditionalInfo() const { return m_additionalInfo; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString firstText;
    QString secondText;
    QColor m_color;
    QColor m_backgroundcolor;
    QString m_additionalInfo;
};

#endif
