#include "common/calc_error.h"
#include "common/error_rules.h"
#include "common/messages.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/tool_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

using namespace zq;

namespace {

// A tool window as the tools build them: an input box, a multi-line box, a default button.
class SampleTool : public ToolWindow {
public:
    explicit SampleTool(bool withCancelButton = false) {
        Text1 = new QLineEdit(this);
        Text2 = new QPlainTextEdit(this);
        Command1 = new QPushButton(QStringLiteral("Calculate"), this);
        Command2 = new QPushButton(QStringLiteral("Close"), this);
        auto *layout = new QVBoxLayout(this);
        for (QWidget *control :
             {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
              static_cast<QWidget *>(Command1), static_cast<QWidget *>(Command2)})
            layout->addWidget(control);
        DefaultButton(Command1);
        if (withCancelButton)
            CancelButton(Command2);
        connect(Command1, &QPushButton::clicked, this, [this] { ++calculations; });
        connect(Command2, &QPushButton::clicked, this, [this] {
            ++closeClicks;
            close();
        });
    }
    QLineEdit *Text1;
    QPlainTextEdit *Text2;
    QPushButton *Command1;
    QPushButton *Command2;
    int calculations = 0;
    int closeClicks = 0;
    int keysSeen = 0;

protected:
    bool Form_KeyDown(QKeyEvent *event) override {
        ++keysSeen;
        return ToolWindow::Form_KeyDown(event);
    }
};

} // namespace

class TestCommonWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void escapeClosesWhateverHasFocus_data();
    void escapeClosesWhateverHasFocus();
    void escapeClicksCancelButton();
    void keyPreviewSeesEachKeyOnce();
    void enterClicksDefaultButton();
    void enterInMultiLineBoxIsText();
    void ctrlASelectsAll();
    void readNumberField_data();
    void readNumberField();
    void multiLineText();
    void errorRules();
    void saveTwiceAppendsTwice();
    void saveFailureIsReported_data();
    void saveFailureIsReported();
    void longSaveCanBeCancelled();
    void realMessageBox();
    void firstKeysGoToFirstBox_data();
    void firstKeysGoToFirstBox();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestCommonWindows::init() {
    m_folder = std::make_unique<TemporaryWorkingFolder>();
}

void TestCommonWindows::cleanup() {
    m_folder.reset();
}

void TestCommonWindows::escapeClosesWhateverHasFocus_data() {
    QTest::addColumn<int>("control");
    QTest::newRow("input box") << 0;
    QTest::newRow("multi-line box") << 1;
    QTest::newRow("button") << 2;
}

void TestCommonWindows::escapeClosesWhateverHasFocus() {
    QFETCH(int, control);
    QPointer<SampleTool> window = new SampleTool;
    window->show();
    QWidget *target = control == 0   ? static_cast<QWidget *>(window->Text1)
                      : control == 1 ? static_cast<QWidget *>(window->Text2)
                                     : static_cast<QWidget *>(window->Command1);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), HangBoundMs); // deleted: the next opening is afresh
}

void TestCommonWindows::escapeClicksCancelButton() {
    QPointer<SampleTool> window = new SampleTool(true);
    window->show();
    int clicks = 0;
    connect(window->Command2, &QPushButton::clicked, [&clicks] { ++clicks; });
    QTest::keyClick(window->Text1, Qt::Key_Escape);
    QCOMPARE(clicks, 1);
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), HangBoundMs);
}

void TestCommonWindows::keyPreviewSeesEachKeyOnce() {
    SampleTool window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    // F5 is ignored by the input box and travels up to the window: still seen once.
    QTest::keyClick(window.Text1, Qt::Key_F5);
    QCOMPARE(window.keysSeen, 1);
    QTest::keyClick(window.Text1, Qt::Key_A);
    QCOMPARE(window.keysSeen, 2);
    QCOMPARE(window.Text1->text(), QStringLiteral("a"));
}

void TestCommonWindows::enterClicksDefaultButton() {
    SampleTool window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    window.Text1->setFocus();
    QTest::keyClick(window.Text1, Qt::Key_Return);
    QTest::keyClick(window.Text1, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(window.calculations, 2);
    QCOMPARE(window.closeClicks, 0);
}

void TestCommonWindows::enterInMultiLineBoxIsText() {
    SampleTool window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    window.Text2->setFocus();
    QTest::keyClicks(window.Text2, "ab");
    QTest::keyClick(window.Text2, Qt::Key_Return);
    QCOMPARE(window.calculations, 0);
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("ab\n"));
}

void TestCommonWindows::ctrlASelectsAll() {
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("first line\nsecond"));
    box.setReadOnly(true);
    SelectAllOnCtrlA(&box);
    box.show();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box.textCursor().selectionStart(), 0);
    QCOMPARE(box.textCursor().selectionEnd(), box.toPlainText().size());
}

void TestCommonWindows::readNumberField_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");
    QTest::newRow("comma becomes point") << "1,5"
                                         << "1.5" << 1.5;
    QTest::newRow("every comma") << "1,2,3"
                                 << "1.2.3" << 1.2;
    QTest::newRow("blanks kept in box") << " 7 "
                                        << " 7 " << 7.0;
    QTest::newRow("letters") << "abc"
                             << "abc" << 0.0;
    QTest::newRow("unit") << "12,5kg"
                          << "12.5kg" << 12.5;
}

void TestCommonWindows::readNumberField() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(double, value);
    QLineEdit box(typed);
    QCOMPARE(exact(ReadNumberField(&box)), exact(value));
    QCOMPARE(box.text(), shown);
}

void TestCommonWindows::multiLineText() {
    QPlainTextEdit box;
    setMultiLineText(&box, QStringLiteral("a\r\nb\r\n"));
    QCOMPARE(box.toPlainText(), QStringLiteral("a\nb\n"));
    QCOMPARE(zq::multiLineText(&box), QStringLiteral("a\r\nb\r\n"));
}

void TestCommonWindows::errorRules() {
    QStringList done;
    const auto fail = [] { throw CalcError(CalcError::Kind::Overflow); };
    silentErrorExit([&] {
        done << "first";
        fail();
        done << "never";
    });
    QCOMPARE(done, QStringList{"first"});
    done.clear();
    skipFailingSteps([&] { done << "one"; }, fail, [&] { done << "three"; });
    QCOMPARE(done, (QStringList{"one", "three"}));
}

void TestCommonWindows::saveTwiceAppendsTwice() {
    MessageRecorder recorder;
    const QString saved = QStringLiteral("Saved to the program's location.");
    QVERIFY(SaveResultText(nullptr, "PrimeFactors.txt", {"12 = 2 * 2 * 3 * "}, saved));
    QVERIFY(SaveResultText(nullptr, "PrimeFactors.txt", {"12 = 2 * 2 * 3 * "}, saved));
    QCOMPARE(fileContents("PrimeFactors.txt"),
             QByteArray("12 = 2 * 2 * 3 * \r\n12 = 2 * 2 * 3 * \r\n"));
    QCOMPARE(recorder.messages.size(), 2);
    for (const Message &message : recorder.messages) {
        QCOMPARE(message.text, savedMessage(saved, "PrimeFactors.txt"));
        QCOMPARE(int(message.icon), int(MessageIcon::Information));
        QCOMPARE(message.caption, QStringLiteral("Zentiqua"));
    }
}

void TestCommonWindows::saveFailureIsReported_data() {
    QTest::addColumn<QString>("fileName");
    // A folder standing where the file should be cannot be written, even by root.
    QTest::newRow("folder in the way") << "Result.txt";
#ifdef Q_OS_LINUX
    QTest::newRow("read-only folder") << "/proc/Result.txt";
#endif
}

void TestCommonWindows::saveFailureIsReported() {
    QFETCH(QString, fileName);
    MessageRecorder recorder;
    QVERIFY(QDir().mkdir("Result.txt"));
    QVERIFY(!SaveResultText(nullptr, fileName, {"line"}, "Saved!"));
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(int(recorder.messages[0].icon), int(MessageIcon::Critical));
    QVERIFY(recorder.messages[0].text.contains("Result.txt"));
    QVERIFY(!recorder.messages[0].text.contains("Saved!"));
    QVERIFY(QFileInfo("Result.txt").isDir()); // nothing partial left behind
    QVERIFY(!QFileInfo("/proc/Result.txt").exists());
}

void TestCommonWindows::longSaveCanBeCancelled() {
    MessageRecorder recorder;
    QWidget window;
    int chunks = 0;
    const auto lines = [&](qint64 first, qint64 count) {
        // The user presses Cancel while the second chunk is being made.
        if (++chunks == 2)
            window.findChild<QProgressDialog *>()->cancel();
        QStringList made;
        for (qint64 k = 0; k < count; ++k)
            made << QString::number(first + k + 1);
        return made;
    };
    QVERIFY(!SaveResultLines(&window, "Lines.txt", 1000000, lines, "Saved!"));
    QCOMPARE(chunks, 2);
    QVERIFY(recorder.messages.isEmpty());
    // Whole lines only: the chunk being written when Cancel came is finished, then it stops.
    const QList<QByteArray> written = fileContents("Lines.txt").split('\n');
    QCOMPARE(written.size(), 2 * 65536 + 1);
    QCOMPARE(written[2 * 65536 - 1], QByteArray("131072\r"));
}

void TestCommonWindows::realMessageBox() {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::No)->click();
    });
    const MessageAnswer answer =
        ShowMessage(nullptr, "Continue?", MessageIcon::Critical, MessageButtons::YesNo);
    QCOMPARE(int(answer), int(MessageAnswer::No));
    QCOMPARE(title, QStringLiteral("Zentiqua"));
    QCOMPARE(text, QStringLiteral("Continue?"));
    QCOMPARE(int(icon), int(QMessageBox::Critical));
}

// A window opens ready for typing: the first keys go into its first box, even where a check
// box or option button comes before it; without a box the first control has the focus.
void TestCommonWindows::firstKeysGoToFirstBox_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focused");
    const std::initializer_list<std::pair<const char *, const char *>> rows = {
        {"BodyMass", "Text1"},  {"HexDecA", "Text1"},        {"FahrenheitC", "Text2"},
        {"KgPound", "Text1"},   {"QuadraticEq", "txtA"},     {"PrimeFactor", "Text1"},
        {"AdsenseCC", "Text1"}, {"EquationSolver", "Text4"}, {"Stopwatch", "Command1"},
        {"About", "Command1"},
    };
    for (const auto &[window, focused] : rows)
        QTest::newRow(window) << window << focused;
}

void TestCommonWindows::firstKeysGoToFirstBox() {
    QFETCH(QString, window);
    QFETCH(QString, focused);
    const auto opened = openWindow(window);
    QWidget *focus = opened->focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), focused);
    if (qobject_cast<QLineEdit *>(focus) || qobject_cast<QPlainTextEdit *>(focus)) {
        QTest::keyClicks(focus, "12");
        QCOMPARE(textOf(opened.get(), focused), QStringLiteral("12"));
    }
}

QTEST_MAIN(TestCommonWindows)
#include "tst_common_windows.moc"
