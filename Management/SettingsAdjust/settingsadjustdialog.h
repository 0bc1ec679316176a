#ifndef SETTINGSADJUSTDIALOG_H
#define SETTINGSADJUSTDIALOG_H

#include <QDialog>
#include <QList>
#include <QString>

class QButtonGroup;
class QKeyEvent;
class QLabel;
class QPushButton;
class QStackedWidget;
class TooltipButton;

// The frame the settings dialogs share: 480 x 272, pages on the left, the
// menu column on the right (Up, OK, Cancel, Down). The IO key (Escape) is
// acted on at its release and cancels; a cancelled dialog undoes what it did
// live in its done().
class SettingsAdjustDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SettingsAdjustDialog(QWidget* parent = nullptr);

    int currentPageIndex() const;
    int pageCount() const;

protected:
    struct Choice {
        int value;
        QString text;
        QString objectName;
    };
    struct Stepper {
        QPushButton* plus;
        QLabel* value;
        QPushButton* minus;
    };

    // A page with its headline at the top; content starts at y = kContentTop.
    QWidget* addPage(const QString& objectName);
    void setPageTitle(int page, const QString& title);
    void showPage(int index);

    // Exclusive choices, one column for up to four, else two columns. The
    // group's ids are the values.
    QButtonGroup* addChoices(QWidget* page, const QList<Choice>& choices, int top = kContentTop);
    static void checkChoice(QButtonGroup* group, int value);
    // A value with "+" above and "-" below it.
    Stepper addStepper(QWidget* page, const QString& objectName, int x, int y, int width);
    static void placeStepper(const Stepper& s, int x, int y, int width);

    // Up and Down page through the pages (with wrap) unless a dialog steps
    // something else.
    virtual void stepUp();
    virtual void stepDown();
    void setStepButtonsVisible(bool visible);
    TooltipButton* okButton() const { return m_butOk; }
    TooltipButton* cancelButton() const { return m_butCancel; }

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

    static constexpr int kAreaWidth = 426;
    static constexpr int kContentTop = 40;

private:
    TooltipButton* addMenuButton(const char* name, const char* icon, int y);

    QStackedWidget* m_pages;
    QList<QLabel*> m_titles;
    TooltipButton* m_butUp;
    TooltipButton* m_butOk;
    TooltipButton* m_butCancel;
    TooltipButton* m_butDown;
};

#endif
