#include "common/code_page.h"
#include "common/result_file.h"

#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zq;

class TestCodePage : public QObject {
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void everyByteRoundTrips();
    void appendCreatesAndAppends();
    void appendKeepsEmbeddedLineBreaks();
    void appendFailures_data();
    void appendFailures();

    // Each test works in a fresh temporary folder.
    void init() { m_folder = std::make_unique<TemporaryWorkingFolder>(); }
    void cleanup() { m_folder.reset(); }

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestCodePage::encode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "Abc 123\r\n" << QByteArray("Abc 123\r\n");
    QTest::newRow("latin-1 letters")
        << QStringLiteral("Dönüm é ø °") << QByteArray("D\xF6n\xFCm \xE9 \xF8 \xB0");
    QTest::newRow("euro and quotes")
        << QStringLiteral("\u20AC\u201C\u201D\u2122") << QByteArray("\x80\x93\x94\x99");
    QTest::newRow("Y with diaeresis") << QStringLiteral("\u0178") << QByteArray("\x9F");
    QTest::newRow("undefined byte kept") << QStringLiteral("\u0081") << QByteArray("\x81");
    QTest::newRow("control without byte") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("turkish letters") << QStringLiteral("şığ") << QByteArray("???");
    QTest::newRow("emoji per unit") << QStringLiteral("\U0001F600") << QByteArray("??");
}

void TestCodePage::encode() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toCodePage(text), bytes);
}

void TestCodePage::everyByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromCodePage(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0xE9), QChar(0xE9));
    QCOMPARE(toCodePage(text), all);
}

void TestCodePage::appendCreatesAndAppends() {
    QVERIFY(!QFile::exists("Result.txt"));
    QCOMPARE(appendResultRecord("Result.txt", {"12 * 3 = 36", QStringLiteral("é")}), QString());
    QCOMPARE(fileContents("Result.txt"), QByteArray("12 * 3 = 36\r\n\xE9\r\n"));
    QCOMPARE(appendResultRecord("Result.txt", {"second"}), QString());
    QCOMPARE(fileContents("Result.txt"), QByteArray("12 * 3 = 36\r\n\xE9\r\nsecond\r\n"));
}

void TestCodePage::appendKeepsEmbeddedLineBreaks() {
    QCOMPARE(appendResultRecord("Lines.txt", {"\r\nheader", "", "tail\r\n"}), QString());
    QCOMPARE(fileContents("Lines.txt"), QByteArray("\r\nheader\r\n\r\ntail\r\n\r\n"));
}

void TestCodePage::appendFailures_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("mustNotExist");
    QTest::newRow("folder in the way") << "Blocked.txt" << false;
    QTest::newRow("missing folder") << "no-such-folder/Result.txt" << true;
#ifdef Q_OS_LINUX
    // Not writable even for root.
    QTest::newRow("read-only folder") << "/proc/Result.txt" << true;
    QTest::newRow("disk full") << "/dev/full" << false;
#endif
}

void TestCodePage::appendFailures() {
    QFETCH(QString, fileName);
    QFETCH(bool, mustNotExist);
    QVERIFY(QDir().mkpath("Blocked.txt"));
    const QString reason = appendResultRecord(fileName, {"line"});
    QVERIFY2(!reason.isEmpty(), "a failed write must give its reason");
    if (mustNotExist)
        QVERIFY(!QFile::exists(fileName));
    QVERIFY(QFileInfo("Blocked.txt").isDir());
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_code_page.moc"
