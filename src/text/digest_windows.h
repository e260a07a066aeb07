#pragma once

#include "common/tool_window.h"
#include "text/digests.h"

class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zq {

// The digest windows: the digest of the typed text, in the encoding chosen, or of a file
// picked or dropped on the window.
class DigestWindow : public ToolWindow {
    Q_OBJECT
public:
    DigestWindow(DigestKind kind, const char *name, const QString &title, QWidget *parent);
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *cmdFile;
    QLabel *lblEncoding, *lblSource;
    QComboBox *cmbEncoding;
    // Works out the digest of a file, with a progress bar and Cancel when it takes a while.
    void hashFile(const QString &fileName);
public slots:
    void Command1_Click();
    void cmdFile_Click();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    DigestKind m_kind;
};

// "MD5 Hash Calculator".
class MD5Ch : public DigestWindow {
    Q_OBJECT
public:
    explicit MD5Ch(QWidget *parent = nullptr);
};

// "SHA256 Hash Calculator".
class SHA256 : public DigestWindow {
    Q_OBJECT
public:
    explicit SHA256(QWidget *parent = nullptr);
};

} // namespace zq
