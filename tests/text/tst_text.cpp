#include "common/code_page.h"
#include "common/random_source.h"
#include "test_support.h"
#include "text/digests.h"
#include "text/encoders.h"
#include "text/random_tools.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QTest>

#include <set>

using namespace zq;

namespace {

// Answers the random source from a fixed list, then fails the test if it runs dry.
struct FixedRandom {
    QList<double> values;
    qsizetype next = 0;
    RandomSource previous;
    explicit FixedRandom(QList<double> sequence) : values(std::move(sequence)) {
        previous = setRandomSource([this] { return next < values.size() ? values[next++] : 0.0; });
    }
    ~FixedRandom() { setRandomSource(previous); }
};

} // namespace

class TestText : public QObject {
    Q_OBJECT

private slots:
    void digestVectors_data();
    void digestVectors();
    void digestsAgainstQt();
    void md5File();
    void base64_data();
    void base64();
    void base64RoundTrips();
    void hexPairs();
    void htmlEscaping();
    void reverseAndCounts();
    void passwords();
    void lottery();
};

void TestText::digestVectors_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("md5");
    QTest::addColumn<QString>("sha256");
    QTest::newRow("empty") << ""
                           << "d41d8cd98f00b204e9800998ecf8427e"
                           << "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";
    QTest::newRow("a") << "a"
                       << "0cc175b9c0f1b6a831c399e269772661"
                       << "ca978112ca1bbdcafac231b39a23dc4da786eff8147c4e72b9807785afee48bb";
    QTest::newRow("abc") << "abc"
                         << "900150983cd24fb0d6963f7d28e17f72"
                         << "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    QTest::newRow("message digest")
        << "message digest"
        << "f96b697d7cb7938d525a2f31aaf161d0"
        << "f7846f55cf23e14eebeab5b4e1550cad5b509e3348fbc4efa3a1413d393cb650";
    QTest::newRow("alphabet") << "abcdefghijklmnopqrstuvwxyz"
                              << "c3fcd3d76192e4007dfb496cca67e13b"
                              << "71c480df93d6ae2f1efad1447c66c9525e316218cf51fc8d9ed832f2daf18b73";
    QTest::newRow("alphanumeric")
        << "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
        << "d174ab98d277d9f5a5611c2c9f419d9f"
        << "db4bfcbd4da0cd85a60c3c37d3fbd8805c77f15fc6b1fdfe614ee0a7c8fdb4c0";
    QTest::newRow("eight times 1234567890")
        << QString("1234567890").repeated(8) << "57edf4a22be3c955ac49da2e2107b67a"
        << "f371bc4a311f2b009eef952dd83ca80e2b60026c8e935592d0f9c308453c813e";
    QTest::newRow("two blocks (FIPS)")
        << "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"
        << "8215ef0796a20bcaaae116d3876c664a"
        << "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1";
}

void TestText::digestVectors() {
    QFETCH(QString, message);
    QFETCH(QString, md5);
    QFETCH(QString, sha256);
    QCOMPARE(MD5().Digest(message), md5);
    QCOMPARE(CSHA256().SHA256(message), sha256);
    const bool previous = allowShaInstructions(false);
    QCOMPARE(CSHA256().SHA256(message), sha256);
    allowShaInstructions(previous);
}

// Random texts of every length around the block edges and beyond, characters above U+00FF
// included: both digests against Qt's, of the texts' low bytes.
void TestText::digestsAgainstQt() {
    QRandomGenerator random(20261206);
    for (int length = 0; length < 300; ++length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(random.bounded(i % 3 == 0 ? 0x10000 : 0x100)));
        QByteArray low;
        for (QChar c : text)
            low += char(c.unicode() & 0xFF);
        QCOMPARE(
            MD5().Digest(text),
            QString::fromLatin1(QCryptographicHash::hash(low, QCryptographicHash::Md5).toHex()));
        for (bool instructions : {true, false}) {
            const bool previous = allowShaInstructions(instructions);
            QCOMPARE(CSHA256().SHA256(text),
                     QString::fromLatin1(
                         QCryptographicHash::hash(low, QCryptographicHash::Sha256).toHex()));
            allowShaInstructions(previous);
        }
    }
    QCOMPARE(MD5().Digest(QStringLiteral("a\u015Fb")), MD5().Digest("a_b"));
    QCOMPARE(
        MD5().Digest(QStringLiteral("\u00E9")),
        QString::fromLatin1(QCryptographicHash::hash("\xE9", QCryptographicHash::Md5).toHex()));
}

void TestText::md5File() {
    TemporaryWorkingFolder folder;
    QByteArray bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += char(i * 31);
    QFile file("data.bin");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QCOMPARE(MD5().MD5File("data.bin"),
             QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()));
    QCOMPARE(MD5().MD5File("missing.bin"), QString());
}

void TestText::base64_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("base64");
    // RFC 4648 vectors without their padding.
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("f") << "f"
                       << "Zg";
    QTest::newRow("fo") << "fo"
                        << "Zm8";
    QTest::newRow("foo") << "foo"
                         << "Zm9v";
    QTest::newRow("foob") << "foob"
                          << "Zm9vYg";
    QTest::newRow("fooba") << "fooba"
                           << "Zm9vYmE";
    QTest::newRow("foobar") << "foobar"
                            << "Zm9vYmFy";
    QTest::newRow("code page") << QStringLiteral("\u20AC\u00E9") << "gOk";     // 0x80 0xE9
    QTest::newRow("not in the code page") << QStringLiteral("\u015F") << "Pw"; // "?"
}

void TestText::base64() {
    QFETCH(QString, text);
    QFETCH(QString, base64);
    QCOMPARE(Base64Encode(text), base64);
    QCOMPARE(Base64Decode(base64), text == QStringLiteral("\u015F") ? "?" : text);
    QString padded = base64;
    while (padded.size() % 4)
        padded += '=';
    QCOMPARE(Base64Decode(padded), Base64Decode(base64));
}

void TestText::base64RoundTrips() {
    QRandomGenerator random(7);
    for (int length = 0; length < 200; ++length) {
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes += char(random.bounded(256));
        const QString text = fromCodePage(bytes);
        QCOMPARE(Base64Encode(text),
                 QString::fromLatin1(
                     bytes.toBase64(QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals)));
    }
    const QString big = QString("Zentiqua ").repeated(20000); // beyond 16-bit counters
    QCOMPARE(Base64Decode(Base64Encode(big)), big);
    QCOMPARE(Base64Value("A"), 0);
    QCOMPARE(Base64Value("/"), 63);
    QCOMPARE(Base64Value("="), -1);
    QCOMPARE(Base64Value(""), -1);
    QCOMPARE(Base64Value("AB"), -1);
    // A line break inside a group: its -1 suppresses a byte and corrupts the next.
    QCOMPARE(Base64Decode("Zm9v\r\nYmFy").left(3), QStringLiteral("foo"));
    QVERIFY(Base64Decode("Zm9v\r\nYmFy") != QStringLiteral("foobar"));
    // An invalid first character still yields its group's bytes: (1 - 4) AND 255 is 0xFD.
    QCOMPARE(Base64Decode("*Zm9"), QStringLiteral("\u00FD\u2122\u00BD"));
}

void TestText::hexPairs() {
    QCOMPARE(HexPairsToText("48656C6C6F"), QStringLiteral("Hello"));
    QCOMPARE(HexPairsToText("4a"), QStringLiteral("J"));
    QCOMPARE(HexPairsToText("4G"), QString(QChar(4)));
    QCOMPARE(HexPairsToText("ZZ"), QString(QChar(0)));
    QCOMPARE(HexPairsToText("414"), QStringLiteral("A\u0004"));
    QCOMPARE(HexPairsToText("80"), QStringLiteral("\u20AC"));
    QCOMPARE(TextToHexPairs("Hello"), QStringLiteral("48 65 6C 6C 6F "));
    QCOMPARE(TextToHexPairs(QStringLiteral("\u015F\n")), QStringLiteral("5F 0A "));
    QCOMPARE(TextToHexPairs(""), QString());
}

void TestText::htmlEscaping() {
    QCOMPARE(EscapeHtmlForBlogger("a & b"), QStringLiteral("a &amp; b"));
    QCOMPARE(EscapeHtmlForBlogger("a&b"), QStringLiteral("a&b"));
    QCOMPARE(EscapeHtmlForBlogger("<p>"), QStringLiteral("&lt;p&gt;"));
    QCOMPARE(EscapeHtmlForBlogger("<a href=\"x\" title='y'>& </a>"),
             QStringLiteral("&lt;a href=&quot;x&quot; title=&#039;y&#039;&gt;&amp; &lt;/a&gt;"));
}

void TestText::reverseAndCounts() {
    QCOMPARE(ReverseText(""), QString());
    QCOMPARE(ReverseText("abc"), QStringLiteral("cba"));
    QCOMPARE(ReverseText("ab\r\nc"), QStringLiteral("c\n\rba"));
    QCOMPARE(ReverseText(QStringLiteral("\u20AC\u015F")), QStringLiteral("?\u20AC"));
    QCOMPARE(CountCharacter("banana", "a"), 3);
    QCOMPARE(CountCharacter("banana", "A"), 0);
    QCOMPARE(CountCharacter("banana", ""), 0);
    QCOMPARE(CountAll("ab\r\nc"), 5);
    QCOMPARE(CountCharacter(QString("x").repeated(40000), "x"), 40000);
}

void TestText::passwords() {
    const auto alphabets = PasswordAlphabets();
    QCOMPARE(alphabets.size(), std::size_t(5));
    const int sizes[] = {62, 10, 52, 34, 96};
    for (std::size_t i = 0; i < 5; ++i) {
        const QString characters = alphabets[i].charactersText();
        QCOMPARE(characters.size(), sizes[i]);
        QCOMPARE(std::set<QChar>(characters.begin(), characters.end()).size(),
                 std::size_t(sizes[i]));
    }
    QVERIFY(
        alphabets[3].charactersText().startsWith(QStringLiteral("\u00B6\u00A7\u00A6\u00E9!'^")));
    QVERIFY(alphabets[3].charactersText().endsWith(QStringLiteral("~\u20AC@")));
    QCOMPARE(alphabets[4].charactersText(),
             alphabets[0].charactersText() + alphabets[3].charactersText());
    {
        FixedRandom random({0.0, 0.999999, 0.5, 0.05});
        QCOMPARE(RandomPassword(4, "0123456789"), QStringLiteral("0950"));
    }
    QCOMPARE(RandomPassword(0, "abc"), QString());
    QCOMPARE(RandomPassword(-3, "abc"), QString());
    // The secure source: two passwords of 32 letters do not repeat.
    QVERIFY(RandomPassword(32, alphabets[0].charactersText()) !=
            RandomPassword(32, alphabets[0].charactersText()));
}

void TestText::lottery() {
    // Fourteen passes without duplicates, then one whose numbers are known: 6/49 draws 5, 5, 49, 1,
    // 20, 3 (the first 5 is drawn again as 49, a duplicate too, and then as 10), Mega Millions
    // 56, 1, 2, 3, 4 and 46, Powerball 7, 8, 9, 10, 35 with the Powerball 35 (the 35 is drawn
    // again as 59).
    auto fraction = [](int number, int range) { return (number - 1 + 0.5) / range; };
    QList<double> sequence;
    for (int pass = 0; pass < 14; ++pass) { // no duplicates: no redraws
        for (int n = 1; n <= 6; ++n)
            sequence << fraction(n, 49);
        for (int n = 1; n <= 5; ++n)
            sequence << fraction(n, 56);
        sequence << fraction(1, 46);
        for (int n = 1; n <= 5; ++n)
            sequence << fraction(n, 59);
        sequence << fraction(6, 35);
    }
    for (int n : {5, 5, 49, 1, 20, 3})
        sequence << fraction(n, 49);
    for (int n : {56, 1, 2, 3, 4})
        sequence << fraction(n, 56);
    sequence << fraction(46, 46);
    for (int n : {7, 8, 9, 10, 35})
        sequence << fraction(n, 59);
    sequence << fraction(35, 35);
    sequence << fraction(49, 49) << fraction(10, 49) << fraction(59, 59);
    FixedRandom random(sequence);
    const LotteryTickets tickets = DrawLotteryTickets();
    QCOMPARE(random.next, sequence.size());
    QCOMPARE(tickets.lotto, (std::array<int, 6>{1, 3, 5, 10, 20, 49}));
    QCOMPARE(tickets.mega, (std::array<int, 5>{1, 2, 3, 4, 56}));
    QCOMPARE(tickets.megaBall, 46);
    QCOMPARE(tickets.powerball, (std::array<int, 5>{7, 8, 9, 10, 59}));
    QCOMPARE(tickets.powerBall, 35);
    QCOMPARE(LotteryFileText({"1", "3", "5", "10", "20", "49"}, {"7", "8", "9", "10", "59"}, "35",
                             {"1", "2", "3", "4", "56"}, "46"),
             QStringLiteral("\r\n1 - 3 - 5 - 10 - 20 - 49\r\n7 - 8 - 9 - 10 - 59 + 35\r\n"
                            "1 - 2 - 3 - 4 - 56 + 46\r\n"));
    QCOMPARE(LotteryFileText(QStringList(6), QStringList(5), "", QStringList(5), ""),
             QStringLiteral("\r\n -  -  -  -  - \r\n -  -  -  -  + \r\n -  -  -  -  + \r\n"));
}

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
