#include "common/random_source.h"
#include "test_support.h"
#include "text/digest_windows.h"
#include "text/encoder_windows.h"
#include "text/random_windows.h"
#include "window_test_support.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTranslator>
#include <QUrl>

#include <memory>

namespace {
constexpr const char *CodePage = "Windows-1252", *Utf8 = "UTF-8";

// The password sets' names as another language would show them: unlike the English names even
// to a search that ignores case.
class MarkedSetNames : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override {
        return qstrcmp(context, "zq::RandomTools") == 0 ? "T: " + QString::fromUtf8(source)
                                                        : QString();
    }
};
} // namespace

class TestTextWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { m_folder.reset(); }
    void digests_data();
    void digests();
    void encodingRemembered();
    void fileDigests_data();
    void fileDigests();
    void unreadableFile();
    void longPastedTextIsHashedWhole();
    void converters_data();
    void converters();
    void adsenseInPlace();
    void characterCounts();
    void passwords_data();
    void passwords();
    void translatedPasswordSets();
    void passwordSave();
    void lottery();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestTextWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestTextWindows::init() {
    m_folder = std::make_unique<TemporaryWorkingFolder>();
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Zentiqua", "Zentiqua").clear();
}

// Digests as md5sum and sha256sum give them for the text's bytes in the chosen encoding.
void TestTextWindows::digests_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digest");
    QTest::addColumn<QString>("problem");
    const auto row = [](const char *name, const char *window, const char *encoding,
                        const char *text, const char *digest, const char *problem = "") {
        QTest::newRow(name) << window << encoding << QString::fromUtf8(text) << digest << problem;
    };
    row("abc", "MD5Ch", CodePage, "abc", "900150983cd24fb0d6963f7d28e17f72");
    row("empty", "MD5Ch", Utf8, "", "d41d8cd98f00b204e9800998ecf8427e");
    row("accents utf-8", "MD5Ch", Utf8, "Grüße", "49c5f675b49037b6044b803ac9d1a6d7");
    row("accents code page", "MD5Ch", CodePage, "Grüße", "2c987648c54e9054bf8c8c916b17d5c0");
    // The euro sign is byte 80 of the code page, no longer the byte of the not sign.
    row("euro", "MD5Ch", CodePage, "€", "8d39dd7eef115ea6975446ef4082951f");
    row("not sign", "MD5Ch", CodePage, "¬", "20a7f30fb9f8e145422b66b3d4f4da70");
    row("cjk emoji utf-8", "SHA256", Utf8, "日本😀",
        "78d4df4d900de4faadaae8dfd572f93749c832ac905806eebcab34204d58a725");
    row("accents sha utf-8", "SHA256", Utf8, "Grüße",
        "f83e039796c6453a10f5519e39fd113901572316a1a8ea07cb525d2801dfd074");
    row("cjk code page", "SHA256", CodePage, "a日本", "",
        "Windows-1252 has no character \"日\" (character 2 of the text). Choose UTF-8 for this "
        "text.");
    row("emoji code page", "MD5Ch", CodePage, "€😀x", "",
        "Windows-1252 has no character \"😀\" (character 2 of the text). Choose UTF-8 for this "
        "text.");
}

void TestTextWindows::digests() {
    QFETCH(QString, window);
    QFETCH(QString, encoding);
    QFETCH(QString, text);
    QFETCH(QString, digest);
    QFETCH(QString, problem);
    const auto shown = openWindow(window);
    choose(shown.get(), "cmbEncoding", encoding);
    typeAndEnter(shown.get(), "Text1", "x"); // an earlier result a problem must not leave
    MessageRecorder messages;
    typeAndEnter(shown.get(), "Text1", text);
    QCOMPARE(textOf(shown.get(), "Text2"), digest);
    QCOMPARE(messages.messages.size(), problem.isEmpty() ? 0 : 1);
    if (!problem.isEmpty())
        QCOMPARE(messages.messages.front().text, problem);
}

// A choice of encoding holds for every text tool, in this run and the next.
void TestTextWindows::encodingRemembered() {
    const QStringList windows{"MD5Ch", "SHA256", "Base64String", "hex2ascii", "CharacterNumber"};
    for (const QString &name : windows)
        QCOMPARE(control<QComboBox>(openWindow(name).get(), "cmbEncoding")->currentText(),
                 QString(CodePage));
    for (const char *chosen : {Utf8, CodePage}) {
        choose(openWindow("hex2ascii").get(), "cmbEncoding", chosen);
        for (const QString &name : windows)
            QCOMPARE(control<QComboBox>(openWindow(name).get(), "cmbEncoding")->currentText(),
                     QString(chosen));
    }
}

namespace {

// Gives a file to a digest window as the user does: through the File... dialog, or by a drop.
void giveFile(QWidget *window, const QString &fileName, bool drop) {
    if (drop) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(fileName)});
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window, &dropped);
        return;
    }
    const auto probe = onNextModal([fileName](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        dialog->selectFile(fileName);
        static_cast<QDialog *>(dialog)->accept(); // as the Open button does
    });
    click(window, "cmdFile");
    QVERIFY(!probe->leftOpen);
}

} // namespace

// Files hashed whole in blocks: the digest equals Qt's of the whole contents.
void TestTextWindows::fileDigests_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("drop");
    for (const char *window : {"MD5Ch", "SHA256"})
        for (int size : {0, (2 << 20) + 77}) // empty; two blocks and a part
            for (bool drop : {false, true})
                QTest::addRow("%s %d bytes %s", window, size, drop ? "dropped" : "chosen")
                    << window << size << drop;
}

void TestTextWindows::fileDigests() {
    QFETCH(QString, window);
    QFETCH(int, size);
    QFETCH(bool, drop);
    const QByteArray contents = writePatternedFile("data.bin", size);
    QCOMPARE(contents.size(), size);
    const auto shown = openWindow(window);
    giveFile(shown.get(), QFileInfo("data.bin").absoluteFilePath(), drop);
    const auto algorithm = window == "MD5Ch" ? QCryptographicHash::Md5 : QCryptographicHash::Sha256;
    QCOMPARE(textOf(shown.get(), "Text2"),
             QString::fromLatin1(QCryptographicHash::hash(contents, algorithm).toHex()));
    QCOMPARE(textOf(shown.get(), "lblSource"), QStringLiteral("Digest of the file \"data.bin\""));
    typeAndEnter(shown.get(), "Text1", "abc"); // the text's digest again, not the file's
    QCOMPARE(textOf(shown.get(), "lblSource"), QString());
}

// A file that cannot be read says why, and leaves no digest on screen.
void TestTextWindows::unreadableFile() {
    const auto shown = openWindow("SHA256");
    typeAndEnter(shown.get(), "Text1", "abc");
    const QString before = textOf(shown.get(), "Text2");
    MessageRecorder messages;
    giveFile(shown.get(), QDir::currentPath(), true);
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.front().text,
             QStringLiteral("Cannot read \"%1\": file to open is a directory.")
                 .arg(QDir::currentPath()));
    QCOMPARE(messages.messages.front().icon, zq::MessageIcon::Critical);
    QVERIFY(!before.isEmpty());
    QCOMPARE(textOf(shown.get(), "Text2"), QString());
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
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output"); // in Text2, or in Text1 for the in-place windows
    QTest::addColumn<QString>("problem");
    const auto row = [](const char *name, const char *window, const char *option,
                        const char *encoding, const char *input, const char *output,
                        const char *problem = "") {
        QTest::newRow(name) << window << option << encoding << QString::fromUtf8(input)
                            << QString::fromUtf8(output) << problem;
    };
    row("decode", "Base64String", "Option1", CodePage, "Zm9vYmFy", "foobar");
    row("decode padded", "Base64String", "Option1", CodePage, "Zm9vYg==", "foob");
    row("decode lines", "Base64String", "Option1", Utf8, "Zm9v\nYmFy\n", "foobar");
    row("decode spaces", "Base64String", "Option1", Utf8, " Zm9v YmFy ", "foobar");
    row("decode utf-8", "Base64String", "Option1", Utf8, "R3LDvMOfZQ==", "Grüße");
    row("decode utf-8 as code page", "Base64String", "Option1", CodePage,
        "R3LDvMOfZQ==", "GrÃ¼ÃŸe");
    row("decode cjk emoji", "Base64String", "Option1", Utf8, "5pel5pys8J+YgA==", "日本😀");
    row("decode not utf-8", "Base64String", "Option1", Utf8, "QUL/", "",
        "These bytes are not UTF-8 text: byte 3 (FF in hexadecimal) cannot begin or continue a "
        "character.");
    row("decode outside alphabet", "Base64String", "Option1", Utf8, "Zm9v!mFy", "",
        "Not Base64: \"!\" (character 5) is not one of its letters, digits, \"+\" and \"/\".");
    row("decode padding inside", "Base64String", "Option1", Utf8, "Zm8=YmFy", "",
        "Not Base64: padding \"=\" (character 4) comes before the end.");
    row("decode wrong length", "Base64String", "Option1", Utf8, "Zm9vY", "",
        "Not Base64: the last group has one character, too few for a byte.");
    row("encode", "Base64String", "Option2", CodePage, "foob", "Zm9vYg");
    row("encode lines", "Base64String", "Option2", CodePage, "a\nb", "YQ0KYg");
    row("encode utf-8", "Base64String", "Option2", Utf8, "Grüße", "R3LDvMOfZQ==");
    row("encode code page", "Base64String", "Option2", CodePage, "Grüße", "R3L832U");
    row("encode lacking", "Base64String", "Option2", CodePage, "日", "",
        "Windows-1252 has no character \"日\" (character 1 of the text). Choose UTF-8 for this "
        "text.");
    row("hex blanks", "hex2ascii", "Option1", CodePage, "48 65 6C 6C 6F", "Hello");
    row("hex percents", "hex2ascii", "Option1", CodePage, "48%65%6C%6C%6F", "Hello");
    row("hex colons", "hex2ascii", "Option1", CodePage, "48:65:6C:6C:6F", "Hello");
    row("hex utf-8", "hex2ascii", "Option1", Utf8, "47 72 C3 BC C3 9F 65", "Grüße");
    row("hex not utf-8", "hex2ascii", "Option1", Utf8, "47 FC", "47 FC",
        "These bytes are not UTF-8 text: byte 2 (FC in hexadecimal) cannot begin or continue a "
        "character.");
    row("to hex", "hex2ascii", "Option2", CodePage, "Hello", "48 65 6C 6C 6F ");
    row("to hex utf-8", "hex2ascii", "Option2", Utf8, "Grüße", "47 72 C3 BC C3 9F 65 ");
    row("to hex euro", "hex2ascii", "Option2", CodePage, "€", "80 ");
    row("to hex lacking", "hex2ascii", "Option2", CodePage, "a😀", "a😀",
        "Windows-1252 has no character \"😀\" (character 2 of the text). Choose UTF-8 for this "
        "text.");
    row("reverse", "Reverse", "", "", "abc", "cba");
    row("reverse empty", "Reverse", "", "", "", "");
}

void TestTextWindows::converters() {
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, encoding);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, problem);
    const auto shown = openWindow(window);
    const bool inPlace = window == "hex2ascii";
    if (!inPlace) // an earlier result, which a problem must not leave
        control<QPlainTextEdit>(shown.get(), "Text2")->setPlainText("old");
    setText(shown.get(), "Text1", input);
    if (!option.isEmpty())
        control<QRadioButton>(shown.get(), option)->click();
    if (!encoding.isEmpty())
        choose(shown.get(), "cmbEncoding", encoding);
    MessageRecorder messages;
    click(shown.get(), "Command1");
    QCOMPARE(textOf(shown.get(), inPlace ? "Text1" : "Text2"), output);
    QCOMPARE(messages.messages.size(), problem.isEmpty() ? 0 : 1);
    if (!problem.isEmpty())
        QCOMPARE(messages.messages.front().text, problem);
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
    // An emoji is one character in UTF-8, and one the code page lacks.
    setText(window.get(), "Text1", QString::fromUtf8("a😀\nb"));
    choose(window.get(), "cmbEncoding", Utf8);
    click(window.get(), "Command2");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("There are 5 characters."));
    choose(window.get(), "cmbEncoding", CodePage);
    MessageRecorder messages;
    click(window.get(), "Command2");
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(messages.messages.front().text.contains(QString::fromUtf8("\"😀\" (character 2")));
    QCOMPARE(textOf(window.get(), "Text3"), QString());
    QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("error"));
}

void TestTextWindows::passwords_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("password"); // "Box#error" when nothing is generated
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
                                  << "Text2#error";
    QTest::newRow("not a number") << "Number Only"
                                  << "ten"
                                  << "Text2#error";
    QTest::newRow("unknown set") << "Digits"
                                 << "4"
                                 << "Combo1#error";
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
    const auto restore = qScopeGuard([&] { zq::setRandomSource(previous); });
    const auto window = openWindow("RandomNumber");
    QCOMPARE(control<QComboBox>(window.get(), "Combo1")->currentText(),
             QStringLiteral("Number/Letter"));
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("10"));
    setText(window.get(), "Text1", "old");
    control<QComboBox>(window.get(), "Combo1")->setEditText(set);
    typeAndEnter(window.get(), "Text2", length);
    const bool refused = password.contains('#');
    QCOMPARE(textOf(window.get(), "Text1"), refused ? QString() : password);
    if (refused)
        QCOMPARE(markOf(window.get(), password.section('#', 0, 0)), password.section('#', 1));
}

// Translated, the sets are picked from the list or typed by their shown or English names.
void TestTextWindows::translatedPasswordSets() {
    MarkedSetNames translation;
    QCoreApplication::installTranslator(&translation);
    const auto remove = qScopeGuard([&] { QCoreApplication::removeTranslator(&translation); });
    const auto window = openWindow("RandomNumber");
    const auto generated = [&](const QString &pattern) {
        typeAndEnter(window.get(), "Text2", "8");
        return QRegularExpression(pattern).match(textOf(window.get(), "Text1")).hasMatch();
    };
    choose(window.get(), "Combo1", "T: Number Only");
    QVERIFY(generated("^[0-9]{8}$"));
    control<QComboBox>(window.get(), "Combo1")->setEditText("T: Letter Only");
    QVERIFY(generated("^[A-Za-z]{8}$"));
    control<QComboBox>(window.get(), "Combo1")->setEditText("Number Only");
    QVERIFY(generated("^[0-9]{8}$"));
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
    QCOMPARE(messages.messages.last().text,
             savedMessage("Saved to the program's location.", "RandomPasswords.txt"));
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
