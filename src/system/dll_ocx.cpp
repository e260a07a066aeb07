#include "system/dll_ocx.h"

#include "common/controls.h"
#include "common/error_rules.h"
#include "common/external_programs.h"
#include "common/messages.h"
#include "common/window_access.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTimer>
#include <QVBoxLayout>

namespace zq {
namespace {

const char *const SelectAFile = QT_TRANSLATE_NOOP("zq::DllOcx", "Select a proper file!");

} // namespace

FolderList::FolderList(QWidget *parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this, &FolderList::open);
}

void FolderList::setPath(const QString &path) {
    const QDir folder(path);
    if (!folder.exists())
        return;
    m_path = QDir::toNativeSeparators(folder.absolutePath());
    clear();
    // The chain from the root down, each a step further in; then the subfolders.
    QStringList chain;
    for (QDir step = folder;;) {
        chain.prepend(step.absolutePath());
        if (!step.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &ancestor : chain) {
        const QString name =
            QDir(ancestor).isRoot() ? QDir::toNativeSeparators(ancestor) : QDir(ancestor).dirName();
        auto *item = new QListWidgetItem(QString(depth++ * 2, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, ancestor);
    }
    const QStringList subfolders =
        folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &subfolder : subfolders) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + subfolder, this);
        item->setData(Qt::UserRole, folder.absoluteFilePath(subfolder));
    }
    setCurrentRow(int(chain.size()) - 1);
    emit pathChanged();
}

void FolderList::open(QListWidgetItem *item) {
    const QString target = item->data(Qt::UserRole).toString();
    if (QDir(target) != QDir(m_path))
        setPath(target);
}

FileList::FileList(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::setPath(const QString &path) {
    m_path = path;
    refresh();
}

void FileList::setPattern(const QString &pattern) {
    m_pattern = pattern;
    refresh();
}

QString FileList::fileName() const {
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void FileList::refresh() {
    clear();
    if (m_path.isEmpty())
        return;
    QDir folder(m_path);
    folder.setNameFilters({m_pattern});
    addItems(folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void FileList::focusOutEvent(QFocusEvent *event) {
    QListWidget::focusOutEvent(event);
    const bool toAnotherControl = event->reason() == Qt::TabFocusReason ||
                                  event->reason() == Qt::BacktabFocusReason ||
                                  event->reason() == Qt::MouseFocusReason;
    if (!toAnotherControl)
        return;
    bool keepFocus = false;
    emit validate(keepFocus);
    if (keepFocus)
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

DllOcx::DllOcx(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "DllOcx", tr("DLL-OCX Registration"));
    DescribeBoxes(this,
                  {{"Dir1", tr("Folders")}, {"File1", tr("Files")}, {"Drive1", tr("Drives")}});
    Drive1 = named(new QComboBox(this), "Drive1");
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            Drive1->addItem(QDir::toNativeSeparators(volume.rootPath()), volume.rootPath());
    Dir1 = named(new FolderList(this), "Dir1");
    Dir1->setMinimumSize(twips(2175), twips(1890));
    File1 = named(new FileList(this), "File1");
    File1->setMinimumSize(twips(2175), twips(2370));
    Option1 = OptionButton(QStringLiteral("DLL"), "Option1", this);
    Option2 = OptionButton(QStringLiteral("OCX"), "Option2", this);
    Option1->setChecked(true);
    cmdRegister = CommandButton(tr("&Register"), "cmdRegister", this);
    cmdUnregister = CommandButton(tr("&Unregister"), "cmdUnregister", this);
    Command1 = CommandButton(tr("&Close"), "Command1", this);
    NoDefaultButton({cmdRegister, cmdUnregister, Command1});
    CancelButton(Command1);
    Help = MenuBarItem("Help", tr("Help"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(Drive1, 0, 0);
    grid->addWidget(Dir1, 1, 0, 5, 1);
    grid->addWidget(File1, 0, 1, 6, 1);
    grid->addWidget(Option1, 0, 2);
    grid->addWidget(Option2, 1, 2);
    grid->addWidget(cmdRegister, 2, 2);
    grid->addWidget(cmdUnregister, 3, 2);
    grid->setRowStretch(4, 1);
    grid->addWidget(Command1, 5, 2);
    const QWidget *order[] = {Drive1,  Dir1,        File1,         Option1,
                              Option2, cmdRegister, cmdUnregister, Command1};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget *>(order[i]), const_cast<QWidget *>(order[i + 1]));

    connect(Drive1, &QComboBox::activated, this, &DllOcx::Drive1_Change);
    connect(Dir1, &FolderList::pathChanged, this, &DllOcx::Dir1_Change);
    connect(Option1, &QRadioButton::clicked, this, &DllOcx::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &DllOcx::Option2_Click);
    connect(File1, &FileList::validate, this, &DllOcx::File1_Validate);
    connect(cmdRegister, &QPushButton::clicked, this, &DllOcx::cmdRegister_Click);
    connect(cmdUnregister, &QPushButton::clicked, this, &DllOcx::cmdUnregister_Click);
    connect(Command1, &QPushButton::clicked, this, &DllOcx::Command1_Click);
    connect(Help, &QAction::triggered, this, &DllOcx::Help_Click);

    // The current drive and folder, DLL files.
    File1->setPattern(QStringLiteral("*.dll"));
    const QString current = QDir::currentPath();
    Drive1->setCurrentIndex(Drive1->findData(QStorageInfo(current).rootPath()));
    Dir1->setPath(current);
}

void DllOcx::Drive1_Change() {
    // A drive that is not ready leaves the folder list as it was.
    skipFailingSteps([&] { Dir1->setPath(Drive1->currentData().toString()); });
}

void DllOcx::Dir1_Change() {
    File1->setPath(Dir1->path());
}

void DllOcx::Option1_Click() {
    File1->setPattern(QStringLiteral("*.dll"));
}

void DllOcx::Option2_Click() {
    File1->setPattern(QStringLiteral("*.ocx"));
}

void DllOcx::File1_Validate(bool &keepFocus) {
    // Only where there is a file to choose: an empty folder must not hold the focus captive.
    if (File1->count() == 0 || !File1->fileName().trimmed().isEmpty())
        return;
    ShowMessage(this, tr(SelectAFile));
    keepFocus = true;
}

void DllOcx::cmdRegister_Click() {
    registration(false);
}

void DllOcx::cmdUnregister_Click() {
    registration(true);
}

void DllOcx::registration(bool unregister) {
    silentErrorExit([&] {
        const QString name = File1->fileName();
        if (name.trimmed().isEmpty()) {
            ShowMessage(this, tr(SelectAFile));
            return;
        }
        const QString question = unregister ? tr("Do you want to Unregister the %1 file?")
                                            : tr("Do you want to Register the %1 file?");
        if (ShowMessage(this, question.arg(name), MessageIcon::None, MessageButtons::YesNo) !=
            MessageAnswer::Yes)
            return;
        m_currentFile = QDir::toNativeSeparators(QDir(File1->path()).filePath(name));
        QStringList arguments;
        if (unregister)
            arguments << QStringLiteral("/u");
        arguments << QStringLiteral("/s") << m_currentFile;
        switch (startRegistrationProgram(arguments)) {
        case RegistrationStart::Started:
            ShowMessage(this,
                        (unregister ? tr("%1 unregistration successful.")
                                    : tr("%1 registration successful."))
                            .arg(name),
                        MessageIcon::None);
            break;
        case RegistrationStart::Failed:
            ShowMessage(this,
                        (unregister ? tr("%1 unregistration unsuccessfully.")
                                    : tr("%1 registered unsuccessfully."))
                            .arg(name),
                        MessageIcon::Critical);
            break;
        case RegistrationStart::Missing:
            break; // nothing to start: the click ends without a word
        }
    });
}

void DllOcx::Command1_Click() {
    close();
}

void DllOcx::Help_Click() {
    ShowToolModal(new DllOcxHelp(this));
}

DllOcxHelp::DllOcxHelp(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "DllOcxHelp", tr("Help"));
    Label1 =
        Caption(tr("- Windows must be started as Administrator.\n\n- Right click to Zentiqua and "
                   "select the \"Run as administrator\" on Windows 8/7/Vista.\n\n- Some Dll or "
                   "Ocx files must copied on Windows/System32 (32-bit) or Windows/SysWOW64 "
                   "(64-bit) folder for successful registration."),
                "Label1", this);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(twips(5205));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
}

} // namespace zq
