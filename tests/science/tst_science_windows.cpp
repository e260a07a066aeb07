#include "system/dll_ocx.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

class TestScienceWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_folder = std::make_unique<TemporaryWorkingFolder>(); }
    void cleanup() { m_folder.reset(); }
    void atomicMass();
    void keepListAndSave();
    void atomicNumbers();
    void resistorColours();
    void ohmsLaw();
    void electricalFormulas();
    void registration();
    void registrationMissingProgram();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestScienceWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestScienceWindows::atomicMass() {
    const auto window = openWindow("RAMfrm");
    QCOMPARE(textOf(window.get(), "txtForm"), QStringLiteral("H2O"));
    QTest::keyClick(control(window.get(), "txtForm"), Qt::Key_Return);
    QCOMPARE(listLines(window.get(), "lstResults"),
             (QStringList{"Hydrogen (H) = 1.008 g/mol", "Oxygen (O) = 16 g/mol",
                          "H2O is 18.016 g/mol"}));
    typeAndEnter(window.get(), "txtForm", ""); // no formula, no mass
    QCOMPARE(listLines(window.get(), "lstResults"), QStringList());
    QCOMPARE(markOf(window.get(), "txtForm"), QStringLiteral("error"));
    // A line too long to lay out is shown shortened but kept whole.
    const QString digits(10000, '7');
    setText(window.get(), "txtForm", "H" + digits);
    click(window.get(), "cmdComp");
    QCOMPARE(listLines(window.get(), "lstResults").first(), "Count too large: " + digits);
    type(window.get(), "txtForm", "OXYGEN");
    click(window.get(), "cmdElem");
    QCOMPARE(listLines(window.get(), "lstResults"), QStringList{"Oxygen (O) = 16 g/mol"});
    // Symbols of no element: the lines say which, and no mass is given for what was not read.
    for (const auto &[formula, lines] :
         {std::pair{"h2so4",
                    QStringList{"Hydrogen (H) = 1.008 g/mol", "No chemical has symbol so"}},
          std::pair{"Xy2", QStringList{"No chemical has symbol Xy"}}}) {
        typeAndEnter(window.get(), "txtForm", formula);
        QCOMPARE(listLines(window.get(), "lstResults"), lines);
        QCOMPARE(markOf(window.get(), "txtForm"), QStringLiteral("error"));
    }
    type(window.get(), "txtForm", "Xx");
    click(window.get(), "cmdElem");
    QCOMPARE(listLines(window.get(), "lstResults"), QStringList{"No element is called Xx"});
    QCOMPARE(markOf(window.get(), "txtForm"), QStringLiteral("error"));
}

void TestScienceWindows::keepListAndSave() {
    MessageRecorder messages;
    const auto window = openWindow("RAMfrm");
    click(window.get(), "cmdComp");
    auto *results = control<QListWidget>(window.get(), "lstResults");
    auto *kept = control<QListWidget>(window.get(), "lstImportant");
    for (int row : {2, 0})
        doubleClickRow(results, results->model()->index(row, 0));
    QCOMPARE(listLines(window.get(), "lstImportant"),
             (QStringList{"H2O is 18.016 g/mol", "Hydrogen (H) = 1.008 g/mol"}));
    doubleClickRow(kept, kept->model()->index(0, 0));
    QCOMPARE(listLines(window.get(), "lstImportant"), QStringList{"Hydrogen (H) = 1.008 g/mol"});
    QTest::mouseClick(kept->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(kept->count(), 0);
    control<QAction>(window.get(), "Save")->trigger();
    QCOMPARE(fileContents("RelativeAtomicMass.txt"),
             QByteArray("Hydrogen (H) = 1.008 g/mol\r\nOxygen (O) = 16 g/mol\r\n"
                        "H2O is 18.016 g/mol\r\n"));
    QCOMPARE(messages.messages.last().text,
             savedMessage("Saved to the program's location!", "RelativeAtomicMass.txt"));
}

void TestScienceWindows::atomicNumbers() {
    const auto window = openWindow("RAMfrm");
    const auto probe = onNextModal([](QWidget *numbers) {
        QCOMPARE(numbers->windowTitle(), QStringLiteral("Atomic Numbers of Elements"));
        const QString text = textOf(numbers, "Text1");
        QVERIFY(text.startsWith("1) Hydrogen\n2) Helium\n"));
        QVERIFY(text.endsWith("109) Meitnerium\n"));
        QTest::keyClick(control(numbers, "Text1"), Qt::Key_Escape);
    });
    control<QAction>(window.get(), "AtomNo")->trigger();
    QCOMPARE(probe->openedName, QStringLiteral("RAMAtomNo"));
    QVERIFY(!probe->leftOpen);
}

void TestScienceWindows::resistorColours() {
    const auto window = openWindow("ResistorColor");
    QCOMPARE(control<QListWidget>(window.get(), "List3")->currentItem()->text(),
             QStringLiteral("Red"));
    QTest::keyClick(control(window.get(), "List1"), Qt::Key_Return);
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("100 ohms\n0.1 Kohms\n0.0001 Mohms"));
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("+/- 5%"));
    const std::pair<const char *, const char *> bands[] = {
        {"List1", "Yellow"}, {"List2", "Violet"}, {"List3", "Orange"}, {"List4", "None"}};
    for (const auto &[list, colour] : bands) {
        auto *box = control<QListWidget>(window.get(), list);
        box->setCurrentItem(box->findItems(colour, Qt::MatchExactly).value(0));
    }
    click(window.get(), "Command1");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("47000 ohms\n47 Kohms\n0.047 Mohms"));
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("+/- 20%"));
}

void TestScienceWindows::ohmsLaw() {
    const auto window = openWindow("OhmLaw");
    QVERIFY(control<QRadioButton>(window.get(), "Option1")->isChecked());
    setText(window.get(), "Text1", "12");
    typeAndEnter(window.get(), "Text2", "2");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("6"));
    typeAndEnter(window.get(), "Text2", "0"); // no current: no resistance
    QCOMPARE(textOf(window.get(), "Text3"), QString());
    QCOMPARE(markOf(window.get(), "Text2"), QStringLiteral("error"));
    setText(window.get(), "Text3", "6");
    control<QRadioButton>(window.get(), "Option3")->click();
    setText(window.get(), "Text1", "ignored");
    typeAndEnter(window.get(), "Text2", "3");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("18"));
    control<QRadioButton>(window.get(), "Option2")->click();
    click(window.get(), "Command1");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("3"));
}

void TestScienceWindows::electricalFormulas() {
    const auto window = openWindow("Electrical");
    auto *formulas = control<QComboBox>(window.get(), "Combo1");
    QCOMPARE(formulas->count(), 23);
    QCOMPARE(formulas->currentText(), QStringLiteral("AC Volts to Watts (Single Phase)"));
    QCOMPARE(textOf(window.get(), "Label3"), QStringLiteral("Power Factor"));
    QVERIFY(control(window.get(), "Text3")->isVisible());
    QVERIFY(!control(window.get(), "Text4")->isVisible());
    type(window.get(), "Text1", "230");
    type(window.get(), "Text2", "2");
    typeAndEnter(window.get(), "Text3", "0.8");
    QCOMPARE(textOf(window.get(), "Text5"), QStringLiteral("368"));
    QVERIFY(control<QLineEdit>(window.get(), "Text5")->isReadOnly());
    choose(window.get(), "Combo1", "Voltage Divider");
    QCOMPARE(textOf(window.get(), "Text5"), QString());
    QCOMPARE(textOf(window.get(), "Label2"), QStringLiteral("Resistance1"));
    QCOMPARE(textOf(window.get(), "Label3"), QStringLiteral("Resistance2"));
    type(window.get(), "Text1", "12");
    type(window.get(), "Text2", "1000");
    typeAndEnter(window.get(), "Text3", "3000");
    QCOMPARE(textOf(window.get(), "Text5"), QStringLiteral("V1 = 3   |   V2 = 9"));
    choose(window.get(), "Combo1", "Torque to Watts");
    QVERIFY(!control(window.get(), "Text3")->isVisible());
    QCOMPARE(textOf(window.get(), "Label1"), QStringLiteral("Torque (lb-ft)"));
    QCOMPARE(textOf(window.get(), "Text1"), QString());
    formulas->setEditText("torque to watts");
    typeAndEnter(window.get(), "Text1", "5252");
    QCOMPARE(textOf(window.get(), "Text5"), QString());
}

namespace {

// A registration program that records its arguments, one a line with NUL between them, on a
// PATH of its own for as long as it lives.
struct FakeRegistrationProgram {
    QTemporaryDir folder;
    QByteArray savedPath = qgetenv("PATH");
    explicit FakeRegistrationProgram(bool installed = true) {
        if (installed) {
            QFile script(folder.filePath("regsvr32"));
            script.open(QIODevice::WriteOnly);
            script.write(
                "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$0.part\"\n"
                "/bin/mv \"$0.part\" \"$0.args\"\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", folder.path().toLocal8Bit());
    }
    ~FakeRegistrationProgram() { qputenv("PATH", savedPath); }
    QStringList arguments() {
        QFile record(folder.filePath("regsvr32.args"));
        if (!waitForFile(record.fileName()) || !record.open(QIODevice::ReadOnly))
            return {};
        QStringList arguments = QString::fromLocal8Bit(record.readAll()).split(QChar(0));
        arguments.removeLast();
        QFile::remove(record.fileName());
        return arguments;
    }
};

void selectFile(QWidget *window, const QString &name) {
    auto *files = control<QListWidget>(window, "File1");
    files->setCurrentItem(files->findItems(name, Qt::MatchExactly).value(0));
}

} // namespace

void TestScienceWindows::registration() {
    FakeRegistrationProgram program;
    const QString hostile = QStringLiteral("a\"b;$(touch pwned)'\nx.dll");
    for (const QString &name :
         {QStringLiteral("my lib.dll"), QStringLiteral("other.ocx"), hostile}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    MessageRecorder messages;
    const auto window = openWindow("DllOcx");
    QCOMPARE(listLines(window.get(), "File1"), (QStringList{hostile, "my lib.dll"}));
    control<QRadioButton>(window.get(), "Option2")->click();
    QCOMPARE(listLines(window.get(), "File1"), QStringList{"other.ocx"});
    control<QRadioButton>(window.get(), "Option1")->click();

    click(window.get(), "cmdRegister"); // nothing selected
    QCOMPARE(messages.messages.last().text, QStringLiteral("Select a proper file!"));

    selectFile(window.get(), "my lib.dll");
    messages.answer = zq::MessageAnswer::No;
    click(window.get(), "cmdRegister");
    QCOMPARE(messages.messages.last().text,
             QStringLiteral("Do you want to Register the my lib.dll file?"));
    QCOMPARE(messages.messages.last().buttons, zq::MessageButtons::YesNo);
    QCOMPARE(messages.messages.last().icon, zq::MessageIcon::None);
    QCOMPARE(messages.messages.size(), 2);

    messages.answer = zq::MessageAnswer::Yes;
    click(window.get(), "cmdRegister");
    QCOMPARE(messages.messages.last().text, QStringLiteral("my lib.dll registration successful."));
    const QString path = QDir::current().absoluteFilePath("my lib.dll");
    QCOMPARE(program.arguments(), (QStringList{"/s", path}));
    QCOMPARE(static_cast<zq::DllOcx *>(window.get())->currentFile(), path);

    selectFile(window.get(), hostile);
    click(window.get(), "cmdUnregister");
    QCOMPARE(messages.messages.last().text, hostile + " unregistration successful.");
    QCOMPARE(program.arguments(),
             (QStringList{"/u", "/s", QDir::current().absoluteFilePath(hostile)}));
    QVERIFY(!QFile::exists("pwned"));

    const auto probe = onNextModal([](QWidget *help) {
        QVERIFY(
            textOf(help, "Label1").startsWith("- Windows must be started as Administrator.\n\n"));
        QTest::keyClick(help, Qt::Key_Escape);
    });
    control<QAction>(window.get(), "Help")->trigger();
    QCOMPARE(probe->openedName, QStringLiteral("DllOcxHelp"));
    QVERIFY(!probe->leftOpen);
    QTest::keyClick(control(window.get(), "File1"), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void TestScienceWindows::registrationMissingProgram() {
    FakeRegistrationProgram nothing(false);
    QFile file("lib.dll");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    MessageRecorder messages;
    messages.answer = zq::MessageAnswer::Yes;
    const auto window = openWindow("DllOcx");
    selectFile(window.get(), "lib.dll");
    click(window.get(), "cmdRegister");
    QCOMPARE(messages.messages.size(), 1); // the question, then silence
}

QTEST_MAIN(TestScienceWindows)
#include "tst_science_windows.moc"
