// Every window under a translation that wraps each translated text in marks: a shown text with
// a letter outside the marks did not go through the translation system.
#include "app/window_registry.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>

namespace {

const QString Open = QStringLiteral("\u27E6"), Close = QStringLiteral("\u27E7");

class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override {
        return Open + QString::fromUtf8(source) + Close;
    }
};

// Texts that are never translated: names of the program, of games and of encodings, the
// program's address, and symbols no language writes otherwise.
const QStringList NeverTranslated = {
    QStringLiteral("Zentiqua"),
    QStringLiteral("Zentiqua 1.4.0"),
    QStringLiteral("donate@zentiqua.app"),
    QStringLiteral("Mega Millions (5/56 + 1/46)"),
    QStringLiteral("Powerball (5/59 + 1/35)"),
    QStringLiteral("Windows-1252"),
    QStringLiteral("UTF-8"),
    QStringLiteral("DLL"),
    QStringLiteral("OCX"),
    QStringLiteral("TL"),
};

// Controls that show what is not the program's text: the file system's names, and a moment
// written by the locale.
const QStringList NotProgramText = {
    QStringLiteral("DllOcx.Drive1"),
    QStringLiteral("DllOcx.Dir1"),
    QStringLiteral("DllOcx.File1"),
    QStringLiteral("MenuTracking.Label4"),
};

// Whether every letter of a shown text stands inside the marks.
bool translated(QString text) {
    text.remove(QLatin1Char('&'));
    if (NeverTranslated.contains(text.trimmed()))
        return true;
    static const QRegularExpression marked(QStringLiteral("\u27E6[^\u27E6\u27E7]*\u27E7"));
    // Marks may nest ("⟦⟦Finance⟧ (9)⟧"): take the innermost away until none is left.
    for (QString before; before != text;) {
        before = text;
        text.replace(marked, QStringLiteral(" "));
    }
    return !text.contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

// The texts a window shows, each named after its control.
QList<std::pair<QString, QString>> shownTexts(QWidget *window) {
    QList<std::pair<QString, QString>> shown{
        {QStringLiteral("window title"), window->windowTitle()}};
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QString name = control->objectName();
        if (auto *label = qobject_cast<QLabel *>(control))
            shown.append({name, label->text()});
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            shown.append({name, button->text()});
        else if (auto *group = qobject_cast<QGroupBox *>(control))
            shown.append({name, group->title()});
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            for (int i = 0; i < combo->count(); ++i)
                shown.append({name, combo->itemText(i)});
        else if (auto *list = qobject_cast<QListWidget *>(control))
            for (int i = 0; i < list->count(); ++i)
                shown.append({name, list->item(i)->text()});
        else if (auto *box = qobject_cast<QLineEdit *>(control))
            shown.append({name, box->placeholderText()});
    }
    for (QAction *action : window->findChildren<QAction *>())
        if (!action->isSeparator())
            shown.append({action->objectName(), action->text()});
    return shown;
}

} // namespace

class TestPseudoTranslation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        QCoreApplication::installTranslator(&m_translator);
    }
    void everyShownTextIsTranslated_data();
    void everyShownTextIsTranslated();

private:
    PseudoTranslator m_translator;
};

void TestPseudoTranslation::everyShownTextIsTranslated_data() {
    QTest::addColumn<QString>("name");
    for (const QString &name : zq::windowNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestPseudoTranslation::everyShownTextIsTranslated() {
    QFETCH(QString, name);
    const std::unique_ptr<QWidget> window(zq::createWindow(name));
    QVERIFY(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QApplication::processEvents();
    QStringList untranslated;
    for (const auto &[control, text] : shownTexts(window.get()))
        if (!translated(text) && !NotProgramText.contains(name + QLatin1Char('.') + control))
            untranslated << control + QStringLiteral(": \"") + text + QLatin1Char('"');
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestPseudoTranslation)
#include "tst_pseudo_translation.moc"
