#ifndef LANGUAGESELECT_H
#define LANGUAGESELECT_H

#include <QDialog>

class QKeyEvent;

namespace Ui {
class LanguageSelect;
}

// The language of the user interface: 25 languages on five pages. A language
// button accepts with its number; Back and the IO key reject. Created once
// by the settings screen, so it keeps its page and last choice.
class LanguageSelect : public QDialog
{
    Q_OBJECT
public:
    explicit LanguageSelect(QWidget* parent = nullptr);
    ~LanguageSelect() override;

    int getSelectedLanguage() const { return m_selectedLanguage; }
    int currentPage() const { return m_currentPage; }

protected:
    // The dialog lives from before the first language is loaded.
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butMenuUp_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuDown_clicked();

private:
    void choose(int language);
    void showPage(int page);
    void setToolTips();

    Ui::LanguageSelect* ui;
    int m_selectedLanguage = 1;
    int m_currentPage = 1;
};

#endif
