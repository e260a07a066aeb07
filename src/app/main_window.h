#pragma once

#include <QMainWindow>

class QAction;
class QIcon;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zq {

class ClickLabel;

// The program's icon, drawn once.
QIcon applicationIcon();

// The start-up window: a search field over the sorted tool catalog, a Start button and the
// home-page link below it, the File menu, About and Help.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(QWidget *parent = nullptr);

    QLineEdit *txtSearch;
    QListWidget *List1;
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
    void Form_Resize();
    void List1_DblClick();
    void StartCmd_Click();
    void Label1_Click();
    void Notepad_Click();
    void PCRunTime_Click();
    void Exit_Click();
    void AboutA_Click();
    void txtSearch_Change();
    void Find_Click();
    void HelpContents_Click();

protected:
    bool Form_KeyDown(QKeyEvent *event);
    bool txtSearch_KeyDown(QKeyEvent *event);
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void openSelectedEntry();
    QString selectedTitle() const;
    int widestTitle() const;     // the width a list column needs for the longest title
    int buttonRowHeight() const; // the row of Start and the link, below the list
    int listTop() const;         // below the search field
    QListWidgetItem *firstShownTitle() const;

    bool m_placed = false;
};

} // namespace zq
