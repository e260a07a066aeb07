#pragma once

#include "common/tool_window.h"

#include <QListWidget>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zq {

// A folder list: the chain of folders down to the current one, then its subfolders; a double
// click or Enter on an entry makes it the current folder.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    void setPath(const QString &path);
signals:
    void pathChanged();

private:
    void open(QListWidgetItem *item);
    QString m_path;
};

// A file list: the files of a folder that match a pattern, one selectable.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    void setPath(const QString &path);
    void setPattern(const QString &pattern);
    QString fileName() const; // the selected file's name, or empty
signals:
    void validate(bool &keepFocus);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refresh();
    QString m_path;
    QString m_pattern;
};

// "DLL-OCX Registration": registers or unregisters a component library through the system's
// registration program, started with an argument list, never a shell.
class DllOcx : public ToolWindow {
    Q_OBJECT
public:
    explicit DllOcx(QWidget *parent = nullptr);
    QComboBox *Drive1;
    FolderList *Dir1;
    FileList *File1;
    QRadioButton *Option1, *Option2;
    QPushButton *cmdRegister, *cmdUnregister, *Command1;
    QAction *Help;

    QString currentFile() const { return m_currentFile; }

public slots:
    void Drive1_Change();
    void Dir1_Change();
    void Option1_Click();
    void Option2_Click();
    void File1_Validate(bool &keepFocus);
    void cmdRegister_Click();
    void cmdUnregister_Click();
    void Command1_Click();
    void Help_Click();

private:
    void registration(bool unregister);
    QString m_currentFile;
};

// "Help": running as administrator and where libraries must lie.
class DllOcxHelp : public ToolWindow {
    Q_OBJECT
public:
    explicit DllOcxHelp(QWidget *parent = nullptr);
    QLabel *Label1;
};

} // namespace zq
