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
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace zq {
namespace {

// A title's place among the search's finds (0 for all when nothing is searched for).
constexpr int SearchRankRole = Qt::UserRole + 1;
// Each title's place in the catalog: what it opens, whatever language it is shown in.
constexpr int CatalogPlaceRole = Qt::UserRole + 2;

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

const ToolEntry &entryOf(const QListWidgetItem *item) {
    return ToolCatalog()[std::size_t(item->data(CatalogPlaceRole).toInt())];
}

// The program's icon: a white Z on a blue rounded square, drawn when a size of it is first
// asked for (with lines, not a font, so that drawing it costs the start-up nothing).
class DrawnIcon : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override {
        const qreal size = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->setBrush(QColor(0x1f, 0x5f, 0xa8));
        painter->setPen(Qt::NoPen);
        painter->drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
        const qreal margin = size * 0.25, stroke = size * 0.12;
        painter->setPen(QPen(Qt::white, stroke, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        const qreal left = margin, right = size - margin;
        const qreal top = margin + stroke / 2, bottom = size - margin - stroke / 2;
        painter->drawPolyline(QPolygonF({QPointF(left, top), QPointF(right, top),
                                         QPointF(left, bottom), QPointF(right, bottom)}));
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {32, 32}, {48, 48}, {64, 64}};
    }
    QIconEngine *clone() const override { return new DrawnIcon; }
};

// What a title of the list allows when it is shown.
Qt::ItemFlags shownTitleFlags() {
    static const Qt::ItemFlags flags = QListWidgetItem().flags();
    return flags;
}

} // namespace

QIcon applicationIcon() {
    return QIcon(new DrawnIcon);
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
    txtSearch->setPlaceholderText(tr("Search tools (Ctrl+F)"));
    txtSearch->setAccessibleName(tr("Search tools"));
    txtSearch->setClearButtonEnabled(true);

    lstCategories = new QListWidget(client);
    lstCategories->setObjectName(QStringLiteral("lstCategories"));
    lstCategories->setAccessibleName(tr("Categories"));
    lstCategories->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCategories->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    List1 = new QListWidget(client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Calculators and converters"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->viewport()->installEventFilter(this);

    lblNoMatch = new QLabel(client);
    lblNoMatch->setObjectName(QStringLiteral("lblNoMatch"));
    lblNoMatch->setWordWrap(true);
    lblNoMatch->hide();

    StartCmd = new QPushButton(tr("Start"), client);
    StartCmd->setObjectName(QStringLiteral("StartCmd"));
    StartCmd->setDefault(true);

    Label1 = new ClickLabel(tr("Homepage"), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->makeLink();

    layOut(client);
    setTabOrder(txtSearch, lstCategories);
    setTabOrder(lstCategories, List1);
    setTabOrder(List1, StartCmd);
    buildMenu();
    List1->setFocus(); // the list's own type-ahead, as before there was a search field

    connect(StartCmd, &QPushButton::clicked, this, &Main::StartCmd_Click);
    connect(Label1, &ClickLabel::clicked, this, &Main::Label1_Click);
    connect(txtSearch, &QLineEdit::textChanged, this, &Main::txtSearch_Change);
    connect(lstCategories, &QListWidget::currentRowChanged, this, &Main::lstCategories_Click);
    new KeyPreview(this, [this](QKeyEvent *event) { return Form_KeyDown(event); });

    Form_Load();
    sizeToShowTheTitles();
}

// The search field across the top; the categories left of the titles; Start and the link below.
void Main::layOut(QWidget *client) {
    const auto captionFor = [client](const QString &text, QWidget *box) {
        auto *caption = new QLabel(text, client);
        caption->setBuddy(box);
        return caption;
    };
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(twips(120), twips(120), twips(120), twips(120));
    layout->addWidget(captionFor(txtSearch->accessibleName(), txtSearch));
    layout->addWidget(txtSearch);
    auto *lists = new QGridLayout;
    lists->addWidget(captionFor(lstCategories->accessibleName(), lstCategories), 0, 0);
    lists->addWidget(captionFor(List1->accessibleName(), List1), 0, 1);
    lists->addWidget(lstCategories, 1, 0, 2, 1);
    lists->addWidget(lblNoMatch, 1, 1);
    lists->addWidget(List1, 2, 1);
    lists->setColumnStretch(1, 1);
    lists->setRowStretch(2, 1);
    layout->addLayout(lists, 1);
    // Below the lists, at its own size: a button drawn over a list could be neither seen nor
    // clicked.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(StartCmd);
    buttons->addStretch(1);
    buttons->addWidget(Label1);
    layout->addLayout(buttons);
}

// Wide enough for the longest title and category without a sideways scroll bar, and tall
// enough for two dozen titles; the window may be made smaller down to a few of them.
void Main::sizeToShowTheTitles() {
    const auto widthFor = [](const QListWidget *list) {
        // The widest text is among the longest: measuring those spares the start-up the
        // shaping of every title.
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        std::sort(texts.begin(), texts.end(),
                  [](const QString &a, const QString &b) { return a.size() > b.size(); });
        const QFontMetrics metrics(list->font());
        int widest = 0;
        for (const QString &text : texts.mid(0, 12))
            widest = std::max(widest, metrics.horizontalAdvance(text));
        return widest + 2 * list->frameWidth() +
               list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
               4 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    };
    lstCategories->setMinimumWidth(widthFor(lstCategories));
    lstCategories->setMaximumWidth(widthFor(lstCategories));
    List1->setMinimumWidth(widthFor(List1));
    const int rows = List1->sizeHintForRow(0) * 24 + 2 * List1->frameWidth();
    List1->setMinimumHeight(rows);
    resize(sizeHint());
    List1->setMinimumHeight(List1->sizeHintForRow(0) * 4 + 2 * List1->frameWidth());
}

void Main::buildMenu() {
    QMenu *file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("File"));
    Notepad = file->addAction(tr("Notepad"), this, &Main::Notepad_Click);
    Notepad->setObjectName(QStringLiteral("Notepad"));
    Notepad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addSeparator();
    PCRunTime = file->addAction(tr("PC Running Time"), this, &Main::PCRunTime_Click);
    PCRunTime->setObjectName(QStringLiteral("PCRunTime"));
    PCRunTime->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    file->addSeparator();
    Exit = file->addAction(tr("Exit"), this, &Main::Exit_Click);
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    AboutA = menuBar()->addAction(tr("About"), this, &Main::AboutA_Click);
    AboutA->setObjectName(QStringLiteral("AboutA"));
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    HelpContents = help->addAction(tr("Zentiqua &Help"), this, &Main::HelpContents_Click);
    HelpContents->setObjectName(QStringLiteral("HelpContents"));
    HelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    // Not in a menu: Ctrl+F anywhere in the window goes to the search field.
    Find = new QAction(tr("Find a tool"), this);
    Find->setObjectName(QStringLiteral("Find"));
    Find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(Find, &QAction::triggered, this, &Main::Find_Click);
    addAction(Find);
}

void Main::Form_Load() {
    int place = 0;
    for (const ToolEntry &entry : ToolCatalog()) {
        auto *item = new CatalogItem(entry.titleText());
        item->setData(CatalogPlaceRole, place++);
        List1->addItem(item);
    }
    List1->setSortingEnabled(true);
    List1->sortItems();
    List1->setCurrentRow(-1);
    List1->clearSelection();
    const QSignalBlocker quiet(lstCategories);
    lstCategories->addItem(tr("All tools (%1)").arg(ToolCatalog().size()));
    for (int category = 0; category < ToolCategoryCount; ++category)
        lstCategories->addItem(tr("%1 (%2)", "a category and how many tools it holds")
                                   .arg(toolCategoryName(ToolCategory(category)),
                                        QString::number(toolCountIn(ToolCategory(category)))));
    lstCategories->setCurrentRow(0);
}

void Main::showEvent(QShowEvent *event) {
    if (!m_placed) {
        // Centred on the screen when first shown.
        m_placed = true;
        if (const QScreen *display = screen())
            move(display->availableGeometry().center() - frameGeometry().center() + pos());
    }
    QMainWindow::showEvent(event);
    describeBoxesFromHelp(this);
}

bool Main::Form_KeyDown(QKeyEvent *event) {
    if (focusWidget() == txtSearch && txtSearch_KeyDown(event))
        return true;
    if (focusWidget() == lstCategories && lstCategories_KeyDown(event))
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
        if (!txtSearch->text().trimmed().isEmpty())
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

// Enter or Right goes from the categories to the titles.
bool Main::lstCategories_KeyDown(QKeyEvent *event) {
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return false;
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter &&
        event->key() != Qt::Key_Right)
        return false;
    if (!List1->currentItem() || List1->currentItem()->isHidden())
        List1->setCurrentItem(firstShownTitle());
    List1->setFocus(Qt::TabFocusReason);
    return true;
}

QListWidgetItem *Main::firstShownTitle() const {
    for (int row = 0; row < List1->count(); ++row)
        if (!List1->item(row)->isHidden())
            return List1->item(row);
    return nullptr;
}

void Main::txtSearch_Change() {
    // A search looks through every tool; emptying it keeps the category it chose.
    if (!txtSearch->text().trimmed().isEmpty()) {
        const QSignalBlocker quiet(lstCategories);
        lstCategories->setCurrentRow(0);
    }
    showFoundTitles();
}

void Main::lstCategories_Click() {
    showFoundTitles();
}

// The titles of the chosen category that the search finds, in the search's order; the others
// hidden and disabled, so neither the arrow keys nor the list's type-ahead can land on them.
void Main::showFoundTitles() {
    const QString typed = txtSearch->text().trimmed();
    const bool filtering = !typed.isEmpty();
    const QList<int> found = filtering ? findToolPlaces(typed) : QList<int>();
    const int category = lstCategories->currentRow() - 1; // -1: all tools
    QListWidgetItem *current = List1->currentItem();
    List1->setSortingEnabled(false);
    int shownCount = 0;
    for (int row = 0; row < List1->count(); ++row) {
        QListWidgetItem *item = List1->item(row);
        const qsizetype place = found.indexOf(item->data(CatalogPlaceRole).toInt());
        const bool shown =
            (!filtering || place >= 0) && (category < 0 || int(entryOf(item).category) == category);
        item->setData(SearchRankRole, !filtering ? 0
                                      : shown    ? int(place) + 1
                                                 : int(found.size()) + 1);
        item->setHidden(!shown);
        item->setFlags(shown ? shownTitleFlags() : Qt::NoItemFlags);
        shownCount += shown;
    }
    List1->sortItems();
    List1->setSortingEnabled(true);
    if (current && !current->isHidden()) {
        List1->setCurrentItem(current);
    } else {
        List1->setCurrentItem(nullptr);
        List1->clearSelection();
    }
    // A pasted page is quoted by its beginning: the line stays one line, and laying out a
    // megabyte of text would keep the window from answering.
    constexpr qsizetype QuotedLength = 60;
    const QString quoted = typed.size() <= QuotedLength
                               ? typed
                               : typed.left(QuotedLength) + QChar(0x2026); // an ellipsis
    lblNoMatch->setText(tr("No tool matches \"%1\".").arg(quoted));
    lblNoMatch->setVisible(shownCount == 0);
}

void Main::Find_Click() {
    txtSearch->setFocus(Qt::ShortcutFocusReason);
    txtSearch->selectAll();
}

void Main::HelpContents_Click() {
    showHelpFor(this);
}

int Main::selectedPlace() const {
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->data(CatalogPlaceRole).toInt();
}

void Main::openSelectedEntry() {
    // Every entry is compared, in catalog order, with the selection read afresh.
    int place = 0;
    for (const ToolEntry &entry : ToolCatalog()) {
        if (selectedPlace() != place++)
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
            sayWhatDidNotStart(startSystemCalculator());
            break;
        }
    }
}

void Main::List1_DblClick() {
    openSelectedEntry();
}

void Main::StartCmd_Click() {
    if (List1->selectedItems().isEmpty())
        ShowMessage(this, tr("Select or double click to a Calculator/Converter!"));
    openSelectedEntry();
}

void Main::Label1_Click() {
    sayWhatDidNotStart(openHomePage());
}

void Main::Notepad_Click() {
    sayWhatDidNotStart(startTextEditor());
}

void Main::sayWhatDidNotStart(const QString &failure) {
    if (!failure.isEmpty())
        ShowMessage(this, failure);
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
