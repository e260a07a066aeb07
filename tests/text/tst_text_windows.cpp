#include "common/random_source.h"
#include "test_support.h"
#include "text/text_windows.h"
#include "window_test_support.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

class TestTextWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_folder = std::make_unique<TemporaryWorkingFolder>(); }
    void cleanup() { m_folder.reset(); }
    void digestWindows();
    void longPastedTextIsHashedWhole();
    void converters_data();
    void converters();
    void adsenseInPlace();
    void characterCounts();
    void passwords_data();
    void passwords();
    void passwordSave();
    void lottery();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestTextWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestTextWindows::digestWindows() {
    const auto md5 = openWindow("MD5Ch");
    typeAndEnter(md5.get(), "Text1", "abc");
    QCOMPARE(textOf(md5.get(), "Text2"), QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
    typeAndEnter(md5.get(), "Text1", "");
    QCOMPARE(textOf(md5.get(), "Text2"), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    const auto sha = openWindow("SHA256");
    typeAndEnter(sha.get(), "Text1", " abc ");
    QCOMPARE(
        textOf(sha.get(), "Text2"),
        QString::fromLatin1(QCryptographicHash::hash(" abc ", QCryptographicHash::Sha256).toHex()));
}

void TestTextWindows::longPastedTextIsHashedWhole() {
    const QString big = QString("0123456789").repeated(10000); // 100,000 characters
    QApplication::clipboard()->setText(big);
    for (const auto &[window, algorithm] : {std::pair{"MD5Ch", QCryptographicHash::Md5},
                                            std::pair{"SHA256", QCryptographicHash::Sha256}}) {
        const auto shown = openWindow(window);
        auto *box = control<QLineEdit>(shown.get(), "Text1");
        box->setFocus();
        box->paste();
        QCOMPARE(box->text().size(), big.size());
        click(shown.get(), "Command1");
        QCOMPARE(textOf(shown.get(), "Text2"),
                 QString::fromLatin1(QCryptographicHash::hash(big.toLatin1(), algorithm).toHex()));
    }
}

void TestTextWindows::converters_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output"); // in Text2, or in Text1 for the in-place windows
    QTest::newRow("decode") << "Base64String"
                            << "Option1"
                            << "Zm9vYmFy"
                            << "foobar";
    QTest::newRow("decode padded") << "Base64String"
                                   << "Option1"
                                   << "Zm9vYg=="
                                   << "foob";
    QTest::newRow("encode") << "Base64String"
                            << "Option2"
                            << "foob"
                            << "Zm9vYg";
    QTest::newRow("encode lines") << "Base64String"
                                  << "Option2"
                                  << "a\nb"
                                  << "YQ0KYg";
    QTest::newRow("hex blanks") << "hex2ascii"
                                << "Option1"
                                << "48 65 6C 6C 6F"
                                << "Hello";
    QTest::newRow("hex percents") << "hex2ascii"
                                  << "Option1"
                                  << "48%65%6C%6C%6F"
                                  << "Hello";
    QTest::newRow("hex colons") << "hex2ascii"
                                << "Option1"
                                << "48:65:6C:6C:6F"
                                << "Hello";
    QTest::newRow("to hex") << "hex2ascii"
                            << "Option2"
                            << "Hello"
                            << "48 65 6C 6C 6F ";
    QTest::newRow("reverse") << "Reverse"
                             << ""
                             << "abc"
                             << "cba";
    QTest::newRow("reverse empty") << "Reverse"
                                   << ""
                                   << ""
                                   << "";
}

void TestTextWindows::converters() {
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(QString, output);
    const auto shown = openWindow(window);
    setText(shown.get(), "Text1", input);
    if (!option.isEmpty())
        control<QRadioButton>(shown.get(), option)->click();
    click(shown.get(), "Command1");
    const bool inPlace = window == "hex2ascii";
    QCOMPARE(textOf(shown.get(), inPlace ? "Text1" : "Text2"), output);
    if (inPlace) {
        click(shown.get(), "Command2");
        QCOMPARE(textOf(shown.get(), "Text1"), QString());
    }
}

void TestTextWindows::adsenseInPlace() {
    const auto window = openWindow("AdsenseCC");
    QCOMPARE(window->windowTitle(), QStringLiteral("Adsense Code Converter for Blogger"));
    auto *box = control<QPlainTextEdit>(window.get(), "Text1");
    box->setPlainText("<ins class='ad'>a & b</ins>\n<script>");
    click(window.get(), "Command1");
    QCOMPARE(
        box->toPlainText(),
        QStringLiteral("&lt;ins class=&#039;ad&#039;&gt;a &amp; b&lt;/ins&gt;\n&lt;script&gt;"));
    QVERIFY(box->hasFocus() || !window->isActiveWindow());
    QCOMPARE(box->textCursor().position(), box->toPlainText().size());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box->textCursor().selectedText().size(), box->toPlainText().size());
    click(window.get(), "Command2");
    QCOMPARE(box->toPlainText(), QString());
}

void TestTextWindows::characterCounts() {
    const auto window = openWindow("CharacterNumber");
    QCOMPARE(control<QLineEdit>(window.get(), "Text2")->maxLength(), 1);
    setText(window.get(), "Text1", "ab\nc");
    click(window.get(), "Command1");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("There are 0 characters."));
    click(window.get(), "Command2");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("There are 5 characters."));
    typeAndEnter(window.get(), "Text2", "b");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("There are 1 characters."));
}

void TestTextWindows::passwords_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("password"); // "old" when nothing is generated
    QTest::newRow("digits") << "Number Only"
                            << "4"
                            << "0950";
    QTest::newRow("2.5 rounds to 2") << "Number Only"
                                     << "2.5"
                                     << "09";
    QTest::newRow("3.5 rounds to 4") << "Number Only"
                                     << "3.5"
                                     << "0950";
    QTest::newRow("zero") << "Number Only"
                          << "0"
                          << "";
    QTest::newRow("negative") << "Letter Only"
                              << "-5"
                              << "";
    QTest::newRow("empty length") << "Number Only"
                                  << ""
                                  << "old";
    QTest::newRow("not a number") << "Number Only"
                                  << "ten"
                                  << "old";
    QTest::newRow("unknown set") << "Digits"
                                 << "4"
                                 << "old";
    QTest::newRow("symbols") << "Symbol Only"
                             << "3" << QStringLiteral("\u00B6@!");
}

void TestTextWindows::passwords() {
    QFETCH(QString, set);
    QFETCH(QString, length);
    QFETCH(QString, password);
    QList<double> sequence = {0.0, 0.999999, 0.5, 0.05};
    if (set == "Symbol Only")
        sequence = {0.0, 0.999, 4.5 / 34};
    qsizetype next = 0;
    const zq::RandomSource previous =
        zq::setRandomSource([&] { return next < sequence.size() ? sequence[next++] : 0.0; });
    const auto window = openWindow("RandomNumber");
    QCOMPARE(control<QComboBox>(window.get(), "Combo1")->currentText(),
             QStringLiteral("Number/Letter"));
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("10"));
    setText(window.get(), "Text1", "old");
    control<QComboBox>(window.get(), "Combo1")->setEditText(set);
    typeAndEnter(window.get(), "Text2", length);
    QCOMPARE(textOf(window.get(), "Text1"), password);
    zq::setRandomSource(previous);
}

void TestTextWindows::passwordSave() {
    MessageRecorder messages;
    const auto window = openWindow("RandomNumber");
    click(window.get(), "Command1");
    const QString password = textOf(window.get(), "Text1");
    QCOMPARE(password.size(), 10);
    control<QAction>(window.get(), "Save")->trigger();
    control<QAction>(window.get(), "Save")->trigger();
    const QByteArray record = "\r\n" + password.toLatin1() + "\r\n";
    QCOMPARE(fileContents("RandomPasswords.txt"), record + record);
    QCOMPARE(messages.messages.last().text, QStringLiteral("Saved to the program's location."));
}

void TestTextWindows::lottery() {
    MessageRecorder messages;
    const auto window = openWindow("Lotto");
    auto *lotto = static_cast<zq::Lotto *>(window.get());
    QVERIFY(!lotto->Command1->isDefault() && !lotto->Command1->autoDefault());
    control<QAction>(window.get(), "Save")->trigger(); // before any draw
    QCOMPARE(fileContents("Lottery.txt"),
             QByteArray("\r\n -  -  -  -  - \r\n -  -  -  -  + \r\n -  -  -  -  + \r\n\r\n"));
    click(window.get(), "Command1");
    QStringList lotto649;
    for (int label = 1; label <= 6; ++label)
        lotto649 << lotto->numberLabel(label)->text();
    for (int i = 0; i < 6; ++i) {
        QVERIFY(lotto649[i].toInt() >= 1 && lotto649[i].toInt() <= 49);
        QVERIFY(i == 0 || lotto649[i - 1].toInt() <= lotto649[i].toInt());
    }
    QVERIFY(lotto->numberLabel(30)->text().toInt() >= 1);
    QCOMPARE(control<QLabel>(window.get(), "Label13")->text(), lotto->numberLabel(13)->text());
    control<QAction>(window.get(), "Save")->trigger();
    QVERIFY(
        fileContents("Lottery.txt").contains("\r\n" + lotto649.join(" - ").toLatin1() + "\r\n"));
    QCOMPARE(messages.messages.size(), 2);
}

QTEST_MAIN(TestTextWindows)
#include "tst_text_windows.moc"
