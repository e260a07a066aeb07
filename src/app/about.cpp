#include "app/about.h"

#include "app/tool_catalog.h"
#include "common/click_label.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/external_programs.h"
#include "common/messages.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zq {
namespace {

// Entries in the main window's list; the catalog's size when no main window is open.
int mainListCount() {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Main"))
            if (auto *list = window->findChild<QListWidget *>(QStringLiteral("List1")))
                return list->count();
    return static_cast<int>(ToolCatalog().size());
}

} // namespace

About::About(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(tr("About"));

    Label1 = named(new ClickLabel(QStringLiteral("Zentiqua 1.4.0"), this), "Label1");
    QFont title(QStringLiteral("Arial"));
    title.setPointSizeF(11.25);
    title.setBold(true);
    Label1->setFont(title);
    Label5 = named(new ClickLabel(tr("Calculate/Convert"), this), "Label5");
    Label4 = named(new ClickLabel(tr("Homepage"), this), "Label4");
    Label4->makeLink();
    Label3 = named(new ClickLabel(tr("Donation:"), this), "Label3");
    Text1 = ResultBox("Text1", this);
    Text1->setText(QStringLiteral("donate@zentiqua.app"));
    Label2 = named(new ClickLabel(tr("Copyright \u00A9 Zentiqua developers"), this), "Label2");
    Label2->makeLink();
    Command1 = CommandButton(tr("OK"), "Command1", this);
    DefaultButton(Command1);
    CancelButton(Command1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(Label5, 1, 0, 1, 2);
    grid->addWidget(Command1, 1, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(Label4, 2, 0, 1, 2);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(Text1, 3, 1, 1, 2);
    grid->addWidget(Label2, 4, 0, 1, 3);
    grid->setColumnMinimumWidth(1, twips(1200));

    connect(Label5, &ClickLabel::doubleClicked, this, &About::Label5_DblClick);
    connect(Label4, &ClickLabel::clicked, this, &About::Label4_Click);
    connect(Label2, &ClickLabel::clicked, this, &About::Label2_Click);
    connect(Command1, &QPushButton::clicked, this, &About::Command1_Click);
}

void About::Label5_DblClick() {
    silentErrorExit(
        [&] { Label5->setText(tr("Number of Calculator/Converter: %1").arg(mainListCount())); });
}

void About::Label4_Click() {
    Label2_Click();
}

void About::Label2_Click() {
    if (const QString failure = openHomePage(); !failure.isEmpty())
        ShowMessage(this, failure);
}

void About::Command1_Click() {
    close();
}

} // namespace zq
