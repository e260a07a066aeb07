#include "app/main_window.h"

#include "app/tool_catalog.h"
#include "app/tool_search.h"
#include "app/window_registry.h"
#include "common/click_label.h"
#include "common/external_programs.h"
#include "common/messages.h"
#include "common/tool_window.h"
#include "help/help_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace zq {
namespace {

// A title's place among the search's finds (0 for all when nothing is searched for).
constexpr int SearchRankRole = Qt::UserRole + 1;

// Keeps the list in catalog display order whatever the locale's collation says; while a search
// is on, in the order it found the titles.
class CatalogItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override {
        const int rank = data(SearchRankRole).toInt(),
                  otherRank = other.data(SearchRankRole).toInt();
        if (rank != otherRank)
            return rank < otherRank;
        return catalogListLess(text(), other.text());
    }
};

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x1f, 0x5f, 0xa8));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("Z"));
    return pixmap;
}

// What a title of the list allows when it is shown.
Qt::ItemFlags shownTitleFlags() {
    static const Qt::ItemFlags flags = QListWidgetItem().flags();
    return flags;
}

} // namespace

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(drawIcon(size));
    return icon;
}

Main::Main(QWidget *parent) : QMainWindow(parent) {
    // Form_Initialize: Qt's controls need no separate start-up.
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(ApplicationTitle);
    setWindowIcon(applicationIcon());

    auto *client = new QWidget(this);
    setCentralWidget(client);
    installHelp();

    txtSearch = new QLineEdit(client);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(QStringLiteral("Search tools (Ctrl+F)"));
    txtSearch->setAccessibleName(QStringLiteral("Search tools"));
    txtSearch->setClearButtonEnabled(true);

    List1 = new QListWidget(client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Calculators and converters"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setFlow(QListView::TopToBottom);
    List1->setWrapping(true);
    List1->setResizeMode(QListView::Adjust);
    List1->setUniformItemSizes(true);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->viewport()->installEventFilter(this);

    // Below the list, at its own size: a button drawn over the list could be neither seen
    // nor clicked.
    StartCmd = new QPushButton(QStringLiteral("Start"), client);
    StartCmd->setObjectName(QStringLiteral("StartCmd"));
    StartCmd->resize(StartCmd->sizeHint());
    StartCmd->setDefault(true);

    Label1 = new ClickLabel(QStringLiteral("Homepage"), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->makeLink();
    Label1->resize(std::max(twips(975), Label1->sizeHint().width()), twips(255));

    setTabOrder(txtSearch, List1);
    setTabOrder(List1, StartCmd);
    buildMenu();
    describeBoxesFromHelp(this);
    List1->setFocus(); // the list's own type-ahead, as before there was a search field

    connect(StartCmd, &QPushButton::clicked, this, &Main::StartCmd_Click);
    connect(Label1, &ClickLabel::clicked, this, &Main::Label1_Click);
    connect(txtSearch, &QLineEdit::textChanged, this, &Main::txtSearch_Change);
    new KeyPreview(this, [this](QKeyEvent *event) { return Form_KeyDown(event); });

    Form_Load();
    // The designed size, widened where the font needs it for two columns of whole titles and
    // heightened for the button row below the list.
    const int listFrame = List1->frameWidth() * 2 + 4;
    resize(std::max(twips(5940), 2 * widestTitle() + listFrame + twips(300)),
           twips(5790) - twips(250) + buttonRowHeight() + listTop() - twips(120) +
               menuBar()->sizeHint().height());
}

int Main::buttonRowHeight() const {
    return StartCmd->height() + 2 * twips(120);
}

int Main::listTop() const {
    return twips(120) + txtSearch->sizeHint().height() + twips(60);
}

void Main::buildMenu() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File"));
    Notepad = file->addAction(QStringLiteral("Notepad"), this, &Main::Notepad_Click);
    Notepad->setObjectName(QStringLiteral("Notepad"));
    Notepad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addSeparator();
    PCRunTime = file->addAction(QStringLiteral("PC Running Time"), this, &Main::PCRunTime_Click);
    PCRunTime->setObjectName(QStringLiteral("PCRunTime"));
    PCRunTime->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    file->addSeparator();
    Exit = file->addAction(QStringLiteral("Exit"), this, &Main::Exit_Click);
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    AboutA = menuBar()->addAction(QStringLiteral("About"), this, &Main::AboutA_Click);
    AboutA->setObjectName(QStringLiteral("AboutA"));
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    HelpContents =
        help->addAction(QStringLiteral("Zentiqua &Help"), this, &Main::HelpContents_Click);
    HelpContents->setObjectName(QStringLiteral("HelpContents"));
    HelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    // Not in a menu: Ctrl+F anywhere in the window goes to the search field.
    Find = new QAction(QStringLiteral("Find a tool"), this);
    Find->setObjectName(QStringLiteral("Find"));
    Find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(Find, &QAction::triggered, this, &Main::Find_Click);
    addAction(Find);
}

void Main::Form_Load() {
    for (const ToolEntry &entry : ToolCatalog())
        List1->addItem(new CatalogItem(entry.titleText()));
    List1->setSortingEnabled(true);
    List1->sortItems();
    List1->setCurrentRow(-1);
    List1->clearSelection();
}

void Main::Form_Resize() {
    // Each rule stands alone: one that would give a negative size is skipped.
    const int outerWidth = frameGeometry().width();
    const int clientHeight = centralWidget()->height();
    const int listWidth = outerWidth - twips(300);
    const int listHeight = clientHeight - listTop() - buttonRowHeight();
    if (listWidth >= 0)
        List1->resize(listWidth, List1->height());
    if (listHeight >= 0)
        List1->resize(List1->width(), listHeight);
    List1->move(twips(120), listTop());
    txtSearch->setGeometry(twips(120), twips(120), List1->width(), txtSearch->sizeHint().height());
    // Two columns, each one half of the list's inside width, but never narrower than the
    // longest title: the list scrolls sideways rather than cut a title short.
    const int rowHeight = List1->fontMetrics().height() + 2;
    List1->setGridSize(
        QSize(std::max({1, List1->viewport()->width() / 2, widestTitle()}), rowHeight));
    // The button row: Start on the left under the list, the link at the right, centred on it.
    const int rowTop = List1->y() + List1->height() + twips(120);
    StartCmd->move(twips(120), rowTop);
    Label1->move(outerWidth - twips(1420), rowTop + (StartCmd->height() - Label1->height()) / 2);
}

void Main::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Main::showEvent(QShowEvent *event) {
    if (!m_placed) {
        // Centred on the screen when first shown.
        m_placed = true;
        if (const QScreen *display = screen())
            move(display->availableGeometry().center() - frameGeometry().center() + pos());
    }
    QMainWindow::showEvent(event);
    Form_Resize();
}

bool Main::Form_KeyDown(QKeyEvent *event) {
    if (focusWidget() == txtSearch && txtSearch_KeyDown(event))
        return true;
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        StartCmd->click(); // the default button
        return true;
    default:
        return false;
    }
}

bool Main::eventFilter(QObject *watched, QEvent *event) {
    if (watched == List1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // A double click that arrives without its first press still selects what it hits.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (QListWidgetItem *hit = List1->itemAt(mouse->position().toPoint());
            hit && !hit->isSelected())
            List1->setCurrentItem(hit);
        List1_DblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Enter opens the first title shown, Down goes to it, Escape empties the field first.
bool Main::txtSearch_KeyDown(QKeyEvent *event) {
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (txtSearch->text().isEmpty())
            return false; // as in the list: the program ends
        txtSearch->clear();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // With nothing typed, Enter does what it does in the list.
        if (!searchWords(txtSearch->text()).isEmpty())
            List1->setCurrentItem(firstShownTitle());
        StartCmd->click();
        return true;
    case Qt::Key_Down:
        List1->setCurrentItem(firstShownTitle());
        List1->setFocus(Qt::TabFocusReason);
        return true;
    default:
        return false;
    }
}

QListWidgetItem *Main::firstShownTitle() const {
    for (int row = 0; row < List1->count(); ++row)
        if (!List1->item(row)->isHidden())
            return List1->item(row);
    return nullptr;
}

void Main::txtSearch_Change() {
    const bool filtering = !searchWords(txtSearch->text()).isEmpty();
    const QStringList found = filtering ? findTools(txtSearch->text()) : QStringList();
    QListWidgetItem *current = List1->currentItem();
    // One sort by rank, the found titles first in the order found; the others hidden and
    // disabled, so neither the arrow keys nor the list's type-ahead can land on them.
    List1->setSortingEnabled(false);
    for (int row = 0; row < List1->count(); ++row) {
        QListWidgetItem *item = List1->item(row);
        const qsizetype place = found.indexOf(item->text());
        const bool shown = !filtering || place >= 0;
        item->setData(SearchRankRole, !filtering ? 0
                                      : shown    ? int(place) + 1
                                                 : int(found.size()) + 1);
        item->setHidden(!shown);
        item->setFlags(shown ? shownTitleFlags() : Qt::NoItemFlags);
    }
    List1->sortItems();
    List1->setSortingEnabled(true);
    if (current && !current->isHidden()) {
        List1->setCurrentItem(current);
    } else {
        List1->setCurrentItem(nullptr);
        List1->clearSelection();
    }
}

void Main::Find_Click() {
    txtSearch->setFocus(Qt::ShortcutFocusReason);
    txtSearch->selectAll();
}

void Main::HelpContents_Click() {
    showHelpFor(this);
}

int Main::widestTitle() const {
    const QFontMetrics metrics(List1->font());
    int widest = 0;
    for (int row = 0; row < List1->count(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(List1->item(row)->text()));
    return widest + 2 * List1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
}

QString Main::selectedTitle() const {
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void Main::openSelectedEntry() {
    // Every entry is compared, in catalog order, with the selection read afresh.
    for (const ToolEntry &entry : ToolCatalog()) {
        if (selectedTitle() != entry.titleText())
            continue;
        switch (entry.target) {
        case ToolTarget::ModalWindow:
            if (QWidget *window = createWindow(entry.windowNameText()))
                ShowToolModal(window);
            break;
        case ToolTarget::ModelessWindow:
            if (QWidget *window = createWindow(entry.windowNameText())) {
                window->setAttribute(Qt::WA_DeleteOnClose);
                window->show();
            }
            break;
        case ToolTarget::SystemCalculator:
            startSystemCalculator();
            break;
        }
    }
}

void Main::List1_DblClick() {
    openSelectedEntry();
}

void Main::StartCmd_Click() {
    if (List1->selectedItems().isEmpty())
        ShowMessage(this, QStringLiteral("Select or double click to a Calculator/Converter!"));
    openSelectedEntry();
}

void Main::Label1_Click() {
    openHomePage();
}

void Main::Notepad_Click() {
    startTextEditor();
}

void Main::PCRunTime_Click() {
    if (QWidget *window = createWindow(QStringLiteral("WindowsRunTime")))
        ShowToolModal(window);
}

void Main::Exit_Click() {
    close();
}

void Main::AboutA_Click() {
    if (QWidget *window = createWindow(QStringLiteral("About")))
        ShowToolModal(window);
}

} // namespace zq
