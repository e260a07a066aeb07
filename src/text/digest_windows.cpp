#include "text/digest_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/input_marks.h"
#include "common/messages.h"
#include "common/window_access.h"
#include "text/text_window_parts.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>

namespace zq {
namespace {

// The one local file a drop brings, or nothing.
QString droppedFile(const QMimeData *data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

} // namespace

DigestWindow::DigestWindow(DigestKind kind, const char *name, const QString &title, QWidget *parent)
    : ToolWindow(parent), m_kind(kind) {
    NameWindow(this, name, title);
    const bool md5 = kind == DigestKind::MD5;
    DescribeBoxes(
        this, {{"Text1", tr("Text")}, {"Text2", md5 ? tr("MD5 digest") : tr("SHA-256 digest")}});
    Text1 = TextBox("Text1", this);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = ResultBox("Text2", this);
    const QFontMetrics metrics(Text2->font());
    Text2->setMinimumWidth(metrics.horizontalAdvance(QString(md5 ? 32 : 64, '0')) + 16);
    cmbEncoding = EncodingChoice(this, lblEncoding);
    cmdFile = CommandButton(tr("&File..."), "cmdFile", this);
    lblSource = Caption(QString(), "lblSource", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Command1, 0, 1);
    grid->addWidget(Text2, 1, 0, 1, 2);
    grid->addLayout(EncodingRow(lblEncoding, cmbEncoding), 2, 0);
    grid->addWidget(cmdFile, 2, 1);
    grid->addWidget(lblSource, 3, 0, 1, 2);
    setAcceptDrops(true);
    connect(Command1, &QPushButton::clicked, this, &DigestWindow::Command1_Click);
    connect(cmdFile, &QPushButton::clicked, this, &DigestWindow::cmdFile_Click);
    // A file's digest does not depend on the encoding: only a text's is worked out again.
    RecomputeOnChange(Command1, {cmbEncoding}, [this] { return lblSource->text().isEmpty(); });
}

void DigestWindow::Command1_Click() {
    Computation computing(this, {Text2, lblSource}, {Text1, cmbEncoding});
    const TextEncoding encoding = ChosenEncoding(cmbEncoding);
    const EncodedText encoded = encodeText(Text1->text(), encoding);
    lblSource->clear();
    if (!encoded.problem.isEmpty()) {
        MarkUnencodable(Text1, encoding);
        computing.fail();
        ShowMessage(this, encoded.problem);
        return;
    }
    ClearInputMark(Text1);
    Text2->setText(Digest(m_kind, encoded.bytes));
}

void DigestWindow::cmdFile_Click() {
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Digest of a file"));
    if (!fileName.isEmpty())
        hashFile(fileName);
}

void DigestWindow::hashFile(const QString &fileName) {
    const QString shownName = QFileInfo(fileName).fileName();
    QProgressDialog progress(tr("Working out the digest of \"%1\"...").arg(shownName), tr("Cancel"),
                             0, 1000, this);
    progress.setObjectName(QStringLiteral("Progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500); // shown only for files that take a while
    // A few updates a second keep the bar moving and Cancel answering; one for every block
    // would repaint the bar a thousand times for a gigabyte.
    QElapsedTimer sinceUpdate;
    sinceUpdate.start();
    const FileDigest result = DigestFile(m_kind, fileName, [&](qint64 done, qint64 total) {
        if (sinceUpdate.elapsed() < 40)
            return true;
        sinceUpdate.restart();
        progress.setValue(total > 0 ? int(std::min<qint64>(999, done * 1000 / total)) : 0);
        return !progress.wasCanceled();
    });
    progress.reset();
    Computation computing(this, {Text2, lblSource});
    if (result.cancelled) {
        computing.cancel();
        return;
    }
    if (!result.problem.isEmpty()) {
        computing.fail();
        ShowMessage(this, result.problem, MessageIcon::Critical);
        return;
    }
    Text2->setText(result.digest);
    lblSource->setText(tr("Digest of the file \"%1\"").arg(shownName));
}

void DigestWindow::dragEnterEvent(QDragEnterEvent *event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void DigestWindow::dropEvent(QDropEvent *event) {
    const QString fileName = droppedFile(event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    hashFile(fileName);
}

MD5Ch::MD5Ch(QWidget *parent)
    : DigestWindow(DigestKind::MD5, "MD5Ch", tr("MD5 Hash Calculator"), parent) {}

SHA256::SHA256(QWidget *parent)
    : DigestWindow(DigestKind::SHA256, "SHA256", tr("SHA256 Hash Calculator"), parent) {}

} // namespace zq
