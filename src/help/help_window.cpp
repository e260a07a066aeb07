#include "help/help_window.h"

#include "common/controls.h"
#include "help/help_pages.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zq {
namespace {

QString withoutAccessKey(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// What the user sees a control called: its caption, the caption naming it, or its
// screen-reader name.
QString captionIn(QWidget *window, const QString &name) {
    QWidget *control = window->findChild<QWidget *>(name);
    if (!control)
        return name;
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return withoutAccessKey(button->text());
    if (auto *group = qobject_cast<QGroupBox *>(control))
        return withoutAccessKey(group->title());
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() == control)
            return withoutAccessKey(label->text());
    if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control))
        if (const QString spoken = accessible->text(QAccessible::Name); !spoken.isEmpty())
            return spoken;
    if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty())
        return label->text();
    return name;
}

// What a control holds, for {maxlength:…} and {items:…}.
QString propertyIn(QWidget *window, const QString &property, const QString &name) {
    QWidget *control = window->findChild<QWidget *>(name);
    if (property == QLatin1String("maxlength"))
        if (auto *line = qobject_cast<QLineEdit *>(control))
            return QString::number(line->maxLength());
    if (property == QLatin1String("items"))
        if (auto *combo = qobject_cast<QComboBox *>(control)) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << QStringLiteral("\"") + combo->itemText(i) + QStringLiteral("\"");
            return items.join(QStringLiteral(", "));
        }
    return QStringLiteral("{") + property + QLatin1Char(':') + name + QLatin1Char('}');
}

QString renderedFor(QWidget *window, const QString &pageName) {
    return renderHelpPage(
        helpPageSource(pageName), [window](const QString &name) { return captionIn(window, name); },
        [window](const QString &property, const QString &name) {
            return propertyIn(window, property, name);
        });
}

QString pageTitle(const QString &markdown) {
    for (const QString &line : markdown.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("# ")))
            return line.mid(2).trimmed();
    return {};
}

void setUp(Help *help, const QString &markdown) {
    help->setObjectName(QStringLiteral("Help"));
    help->setWindowTitle(
        QCoreApplication::translate("zq::Help", "Help - %1").arg(pageTitle(markdown)));
    help->txtHelp = named(new QTextBrowser(help), "txtHelp");
    help->txtHelp->setAccessibleName(QCoreApplication::translate("zq::Help", "Help text"));
    help->txtHelp->setTextInteractionFlags(Qt::TextBrowserInteraction |
                                           Qt::TextSelectableByKeyboard);
    help->txtHelp->setMarkdown(markdown);
    help->txtHelp->setMinimumSize(twips(8400), twips(8400));
    help->cmdClose =
        CommandButton(QCoreApplication::translate("zq::Help", "&Close"), "cmdClose", help);
    NoDefaultButton({help->cmdClose});

    auto *layout = new QVBoxLayout(help);
    layout->addWidget(help->txtHelp);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(help->cmdClose);
    layout->addLayout(buttons);
    QObject::connect(help->cmdClose, &QPushButton::clicked, help, &Help::cmdClose_Click);
}

// The window whose controls a page names: the window itself, or the tool it was opened from.
QWidget *pageWindow(QWidget *window, const QString &page) {
    for (QWidget *w = window; w; w = w->parentWidget())
        if (w->objectName() == page)
            return w;
    return window;
}

} // namespace

Help::Help(QWidget *parent) : ToolWindow(parent) {
    setResizable(true);
    setUp(this, renderedFor(this, QStringLiteral("Main")));
}

Help::Help(QWidget *tool, const QString &pageName, QWidget *parent) : ToolWindow(parent) {
    setResizable(true);
    setUp(this, renderedFor(tool, pageName));
}

void Help::cmdClose_Click() {
    close();
}

bool Help::Form_KeyDown(QKeyEvent *event) {
    if (event->key() == Qt::Key_F1)
        return true; // already the help
    return ToolWindow::Form_KeyDown(event);
}

QString helpTextFor(QWidget *window) {
    const QString page = helpPageName(window->objectName());
    return helpPageSource(page).isEmpty() ? QString() : renderedFor(pageWindow(window, page), page);
}

void showHelpFor(QWidget *window) {
    const QString page = helpPageName(window->objectName());
    if (helpPageSource(page).isEmpty())
        return;
    Help *help = nullptr;
    for (Help *open : window->findChildren<Help *>(QString(), Qt::FindDirectChildrenOnly))
        help = open;
    if (!help) // a child of the window in front, so that window's modality lets it be used
        help = new Help(pageWindow(window, page), page, window);
    help->show(); // beside the tool, which stays usable
    help->raise();
    help->activateWindow();
}

void describeBoxesFromHelp(QWidget *window) {
    const QString source = helpPageSource(helpPageName(window->objectName()));
    const auto caption = [window](const QString &name) { return captionIn(window, name); };
    const auto property = [window](const QString &p, const QString &name) {
        return propertyIn(window, p, name);
    };
    for (const BoxTip &tip : boxTips(source, caption, property))
        for (const QString &name : tip.controls)
            if (QWidget *control = window->findChild<QWidget *>(name);
                control && control->toolTip().isEmpty())
                control->setToolTip(tip.text);
}

void installHelp() {
    static const bool installed = [] {
        setHelpHooks({&showHelpFor, &describeBoxesFromHelp});
        return true;
    }();
    (void)installed;
}

} // namespace zq
