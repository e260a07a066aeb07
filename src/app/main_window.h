#pragma once

#include <QMainWindow>

class QAction;
class QIcon;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zq {

class ClickLabel;

// The program's icon, drawn once.
QIcon applicationIcon();

// The start-up window: a search field over the tool categories and the sorted tool catalog, a
// Start button and the home-page link below them, the File menu, About and Help. It can be
// resized and maximised; the lists grow with it.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(QWidget *parent = nullptr);

    QLineEdit *txtSearch;
    QListWidget *lstCategories; // "All tools (92)", then each category with its count
    QListWidget *List1;
    QLabel *lblNoMatch; // in place of the titles when the search finds none
    QPushButton *StartCmd;
    ClickLabel *Label1;
    QAction *Notepad;
    QAction *PCRunTime;
    QAction *Exit;
    QAction *AboutA;
    QAction *Find;
    QAction *HelpContents;

public slots:
    void Form_Load();
    void List1_DblClick();
    void StartCmd_Click();
    void Label1_Click();
    void Notepad_Click();
    void PCRunTime_Click();
    void Exit_Click();
    void AboutA_Click();
    void txtSearch_Change();
    void lstCategories_Click();
    void Find_Click();
    void HelpContents_Click();

protected:
    bool Form_KeyDown(QKeyEvent *event);
    bool txtSearch_KeyDown(QKeyEvent *event);
    bool lstCategories_KeyDown(QKeyEvent *event);
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void openSelectedEntry();
    int selectedPlace() const; // in the catalog; -1 with nothing selected
    void layOut(QWidget *client);
    void sizeToShowTheTitles();
    void showFoundTitles();
    QListWidgetItem *firstShownTitle() const;
    void sayWhatDidNotStart(const QString &failure);

    bool m_placed = false;
};

} // namespace zq
