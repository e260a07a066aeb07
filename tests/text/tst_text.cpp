#include "common/code_page.h"
#include "common/random_source.h"
#include "test_support.h"
#include "text/digests.h"
#include "text/encoders.h"
#include "text/random_tools.h"
#include "text/text_encoding.h"

#include <QCryptographicHash>
#include <QProcess>
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
    void utf8AgainstTheStandardTools_data();
    void utf8AgainstTheStandardTools();
    void codePageHoldsOrSaysNo_data();
    void codePageHoldsOrSaysNo();
    void utf8Decoding_data();
    void utf8Decoding();
    void fileDigests_data();
    void fileDigests();
    void unreadableFile_data();
    void unreadableFile();
    void base64_data();
    void base64();
    void base64RoundTrips();
    void base64LikeTheStandardTool_data();
    void base64LikeTheStandardTool();
    void invalidBase64_data();
    void invalidBase64();
    void hexPairs();
    void htmlEscaping();
    void reverseAndCounts();
    void passwords();
    void lottery();
};

namespace {

// What a command-line tool prints for some input: the reference the tools must agree with.
QByteArray standardTool(const QString &program, const QStringList &arguments,
                        const QByteArray &input) {
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(HangBoundMs))
        return "<did not finish>";
    return process.readAllStandardOutput();
}

// md5sum and sha256sum print the digest, two spaces and a name.
QString standardDigest(DigestKind kind, const QByteArray &input) {
    const QString program = kind == DigestKind::MD5 ? "md5sum" : "sha256sum";
    return QString::fromLatin1(standardTool(program, {}, input)).section(' ', 0, 0);
}

} // namespace

void TestText::digestVectors_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("md5");
    QTest::addColumn<QString>("sha256");
    QTest::newRow("empty") << QByteArray() << "d41d8cd98f00b204e9800998ecf8427e"
                           << "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";
    QTest::newRow("a") << QByteArray("a") << "0cc175b9c0f1b6a831c399e269772661"
                       << "ca978112ca1bbdcafac231b39a23dc4da786eff8147c4e72b9807785afee48bb";
    QTest::newRow("abc") << QByteArray("abc") << "900150983cd24fb0d6963f7d28e17f72"
                         << "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    QTest::newRow("message digest")
        << QByteArray("message digest") << "f96b697d7cb7938d525a2f31aaf161d0"
        << "f7846f55cf23e14eebeab5b4e1550cad5b509e3348fbc4efa3a1413d393cb650";
    QTest::newRow("alphabet") << QByteArray("abcdefghijklmnopqrstuvwxyz")
                              << "c3fcd3d76192e4007dfb496cca67e13b"
                              << "71c480df93d6ae2f1efad1447c66c9525e316218cf51fc8d9ed832f2daf18b73";
    QTest::newRow("alphanumeric")
        << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")
        << "d174ab98d277d9f5a5611c2c9f419d9f"
        << "db4bfcbd4da0cd85a60c3c37d3fbd8805c77f15fc6b1fdfe614ee0a7c8fdb4c0";
    QTest::newRow("eight times 1234567890")
        << QByteArray("1234567890").repeated(8) << "57edf4a22be3c955ac49da2e2107b67a"
        << "f371bc4a311f2b009eef952dd83ca80e2b60026c8e935592d0f9c308453c813e";
    QTest::newRow("two blocks (FIPS)")
        << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
        << "8215ef0796a20bcaaae116d3876c664a"
        << "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1";
}

void TestText::digestVectors() {
    QFETCH(QByteArray, message);
    QFETCH(QString, md5);
    QFETCH(QString, sha256);
    QCOMPARE(Digest(DigestKind::MD5, message), md5);
    QCOMPARE(Digest(DigestKind::SHA256, message), sha256);
    const bool previous = allowShaInstructions(false);
    QCOMPARE(Digest(DigestKind::SHA256, message), sha256);
    allowShaInstructions(previous);
}

// Random bytes of every length around the block edges, whole and in pieces, against Qt's.
void TestText::digestsAgainstQt() {
    QRandomGenerator random(20261206);
    for (int length = 0; length < 300; ++length) {
        QByteArray bytes(length, Qt::Uninitialized);
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        const auto qt = [&](QCryptographicHash::Algorithm algorithm) {
            return QString::fromLatin1(QCryptographicHash::hash(bytes, algorithm).toHex());
        };
        QCOMPARE(Digest(DigestKind::MD5, bytes), qt(QCryptographicHash::Md5));
        for (bool instructions : {true, false}) {
            const bool previous = allowShaInstructions(instructions);
            Digester pieces(DigestKind::SHA256);
            for (qsizetype at = 0; at < length; at += 7)
                pieces.add(bytes.constData() + at, std::min<qsizetype>(7, length - at));
            QCOMPARE(pieces.finish(), qt(QCryptographicHash::Sha256));
            allowShaInstructions(previous);
        }
    }
}

void TestText::utf8AgainstTheStandardTools_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("accents") << QStringLiteral("Grüße, café, naïve");
    QTest::newRow("CJK") << QStringLiteral("漢字かな混じり文");
    QTest::newRow("emoji") << QStringLiteral("\U0001F600 \U0001F4A9 and \u20AC");
    QTest::newRow("NUL byte") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    QTest::newRow("line breaks") << QStringLiteral("one\r\ntwo\r\n");
    QTest::newRow("byte-order mark first") << QStringLiteral("\uFEFFx");
    QTest::newRow("empty") << QString();
}

// With UTF-8 chosen the digests are md5sum's and sha256sum's, Base64 is "base64 -w0"'s, and it
// decodes back to the text.
void TestText::utf8AgainstTheStandardTools() {
    QFETCH(QString, text);
    const EncodedText encoded = encodeText(text, TextEncoding::Utf8);
    QVERIFY(encoded.problem.isEmpty());
    for (DigestKind kind : {DigestKind::MD5, DigestKind::SHA256})
        QCOMPARE(Digest(kind, encoded.bytes), standardDigest(kind, encoded.bytes));
    const QString base64 = Base64Encode(encoded.bytes, Base64Padding::Padded);
    QCOMPARE(base64, QString::fromLatin1(standardTool("base64", {"-w0"}, encoded.bytes)));
    QCOMPARE(decodeText(Base64Decode(base64).bytes, TextEncoding::Utf8).text, text);
}

void TestText::codePageHoldsOrSaysNo_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("accents, as the code page has them") << QStringLiteral("Grüße")
                                                        << QByteArray("Gr\xFC\xDF"
                                                                      "e")
                                                        << QString();
    QTest::newRow("euro sign, not the byte of the not sign")
        << QStringLiteral("\u20AC") << QByteArray("\x80") << QString();
    QTest::newRow("a letter it lacks")
        << QStringLiteral("Kuşadası") << QByteArray()
        << QStringLiteral("Windows-1252 has no character \"ş\" (character 3 of the text). "
                          "Choose UTF-8 for this text.");
    QTest::newRow("after a character of two units")
        << QStringLiteral("\U0001F600x") << QByteArray()
        << QStringLiteral("Windows-1252 has no character \"\U0001F600\" (character 1 of the "
                          "text). Choose UTF-8 for this text.");
    QTest::newRow("a control character it lacks")
        << QStringLiteral("ab\u0085") << QByteArray()
        << QStringLiteral("Windows-1252 has no character \"\u0085\" (character 3 of the text). "
                          "Choose UTF-8 for this text.");
}

// The code page keeps its own bytes and never stands one character in for another.
void TestText::codePageHoldsOrSaysNo() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const EncodedText encoded = encodeText(text, TextEncoding::CodePage);
    QCOMPARE(encoded.bytes, bytes);
    QCOMPARE(encoded.problem, problem);
    if (problem.isEmpty())
        QCOMPARE(decodeText(bytes, TextEncoding::CodePage).text, text);
}

void TestText::utf8Decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("valid") << QByteArray("caf\xC3\xA9") << QString();
    QTest::newRow("a lone continuation byte")
        << QByteArray("ab\x80")
        << "These bytes are not UTF-8 text: byte 3 (80 in hexadecimal) "
           "cannot begin or continue a character.";
    QTest::newRow("cut short") << QByteArray("\xE2\x82")
                               << "These bytes are not UTF-8 text: byte 1 (E2 in hexadecimal) "
                                  "cannot begin or continue a character.";
    QTest::newRow("overlong") << QByteArray("\xC0\xAF")
                              << "These bytes are not UTF-8 text: byte 1 (C0 in hexadecimal) "
                                 "cannot begin or continue a character.";
    QTest::newRow("a surrogate") << QByteArray("x\xED\xA0\x80")
                                 << "These bytes are not UTF-8 text: byte 2 (ED in hexadecimal) "
                                    "cannot begin or continue a character.";
}

void TestText::utf8Decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const DecodedText decoded = decodeText(bytes, TextEncoding::Utf8);
    QCOMPARE(decoded.problem, problem);
    QCOMPARE(decoded.text, problem.isEmpty() ? QString::fromUtf8(bytes) : QString());
}

void TestText::fileDigests_data() {
    QTest::addColumn<qint64>("size");
    QTest::newRow("empty") << qint64(0);
    QTest::newRow("one byte") << qint64(1);
    QTest::newRow("beyond one block") << qint64((1 << 20) * 2 + 77);
}

// A file's digest is md5sum's and sha256sum's of it, and progress is told block by block.
void TestText::fileDigests() {
    QFETCH(qint64, size);
    TemporaryWorkingFolder folder;
    const QByteArray bytes = writePatternedFile("data.bin", size);
    QCOMPARE(bytes.size(), size);
    for (DigestKind kind : {DigestKind::MD5, DigestKind::SHA256}) {
        qint64 told = 0;
        const FileDigest digest = DigestFile(kind, "data.bin", [&](qint64 done, qint64 total) {
            told = done;
            return total == size;
        });
        QCOMPARE(digest.digest, standardDigest(kind, bytes));
        QVERIFY(digest.problem.isEmpty() && !digest.cancelled);
        QCOMPARE(told, size);
    }
    if (size > (1 << 20)) { // a stop after the first block
        const FileDigest stopped =
            DigestFile(DigestKind::MD5, "data.bin", [](qint64, qint64) { return false; });
        QVERIFY(stopped.cancelled && stopped.digest.isEmpty());
    }
}

void TestText::unreadableFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing") << "missing.bin"
                             << "Cannot read \"missing.bin\": No such file or directory.";
    QTest::newRow("a folder") << "."
                              << "Cannot read \".\": file to open is a directory.";
}

void TestText::unreadableFile() {
    QFETCH(QString, name);
    QFETCH(QString, problem);
    TemporaryWorkingFolder folder;
    const FileDigest digest = DigestFile(DigestKind::SHA256, name);
    QCOMPARE(digest.problem, problem);
    QVERIFY(digest.digest.isEmpty() && !digest.cancelled);
}

void TestText::base64_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("unpadded");
    QTest::addColumn<QString>("padded");
    // RFC 4648's vectors.
    QTest::newRow("empty") << QByteArray() << ""
                           << "";
    QTest::newRow("f") << QByteArray("f") << "Zg"
                       << "Zg==";
    QTest::newRow("fo") << QByteArray("fo") << "Zm8"
                        << "Zm8=";
    QTest::newRow("foo") << QByteArray("foo") << "Zm9v"
                         << "Zm9v";
    QTest::newRow("foob") << QByteArray("foob") << "Zm9vYg"
                          << "Zm9vYg==";
    QTest::newRow("fooba") << QByteArray("fooba") << "Zm9vYmE"
                           << "Zm9vYmE=";
    QTest::newRow("foobar") << QByteArray("foobar") << "Zm9vYmFy"
                            << "Zm9vYmFy";
}

void TestText::base64() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, unpadded);
    QFETCH(QString, padded);
    QCOMPARE(Base64Encode(bytes, Base64Padding::Unpadded), unpadded);
    QCOMPARE(Base64Encode(bytes, Base64Padding::Padded), padded);
    for (const QString &text : {unpadded, padded}) {
        const Base64Decoded decoded = Base64Decode(text);
        QCOMPARE(decoded.bytes, bytes);
        QVERIFY(decoded.problem.isEmpty());
    }
}

void TestText::base64RoundTrips() {
    QRandomGenerator random(7);
    for (int length = 0; length < 200; ++length) {
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes += char(random.bounded(256));
        const QString padded = Base64Encode(bytes, Base64Padding::Padded);
        QCOMPARE(padded, QString::fromLatin1(bytes.toBase64()));
        QCOMPARE(Base64Decode(padded).bytes, bytes);
    }
    const QByteArray big = QByteArray("Zentiqua ").repeated(20000); // beyond 16-bit counters
    QCOMPARE(Base64Decode(Base64Encode(big, Base64Padding::Unpadded)).bytes, big);
    QCOMPARE(Base64Value("A"), 0);
    QCOMPARE(Base64Value("/"), 63);
    QCOMPARE(Base64Value("="), -1);
    QCOMPARE(Base64Value(" "), -1);
    QCOMPARE(Base64Value(""), -1);
    QCOMPARE(Base64Value("AB"), -1);
}

void TestText::base64LikeTheStandardTool_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("lines of four") << "Zm9v\nYmFy\n" << QStringList{"-d"};
    QTest::newRow("line break inside a group") << "Zm9vYm\nFy" << QStringList{"-d"};
    QTest::newRow("CR LF, which the tool counts as garbage")
        << "Zm9v\r\nYmFy" << QStringList{"-d", "-i"};
    QTest::newRow("wrapped at 76")
        << QString::fromLatin1(QByteArray(100, 'x').toBase64()).insert(76, '\n')
        << QStringList{"-d"};
    QTest::newRow("spaces between groups") << "Zm9v YmFy" << QStringList{"-d", "-i"};
    QTest::newRow("padding then a line break") << "Zm8=\n" << QStringList{"-d"};
}

// Valid Base64 broken into lines or spaced decodes as "base64 -d" decodes it.
void TestText::base64LikeTheStandardTool() {
    QFETCH(QString, text);
    QFETCH(QStringList, options);
    const Base64Decoded decoded = Base64Decode(text);
    QVERIFY2(decoded.problem.isEmpty(), qPrintable(decoded.problem));
    QCOMPARE(decoded.bytes, standardTool("base64", options, text.toLatin1()));
}

void TestText::invalidBase64_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a character outside the alphabet")
        << "Zm9v*mFy"
        << "Not Base64: \"*\" (character 5) is not one of its letters, digits, "
           "\"+\" and \"/\".";
    QTest::newRow("a letter from elsewhere") << QStringLiteral("Zm\u00E9v")
                                             << "Not Base64: \"é\" (character 3) is not one of its "
                                                "letters, digits, \"+\" and \"/\".";
    QTest::newRow("a wrong length") << "Zm9vY"
                                    << "Not Base64: the last group has one character, too few "
                                       "for a byte.";
    QTest::newRow("padding in the middle")
        << "Zm8=Zm9v"
        << "Not Base64: padding \"=\" (character 4) comes before the end.";
    QTest::newRow("too much padding")
        << "Zm9v===="
        << "Not Base64: the padding at the end does not fit the last group.";
    QTest::newRow("padding short of a group")
        << "Zg="
        << "Not Base64: the padding at the end does not fit the last group.";
}

// Text that is not Base64 says what is wrong with it and gives no bytes.
void TestText::invalidBase64() {
    QFETCH(QString, text);
    QFETCH(QString, problem);
    const Base64Decoded decoded = Base64Decode(text);
    QCOMPARE(decoded.problem, problem);
    QVERIFY(decoded.bytes.isEmpty());
}

void TestText::hexPairs() {
    QCOMPARE(HexPairsToBytes("48656C6C6F"), QByteArray("Hello"));
    QCOMPARE(HexPairsToBytes("4a"), QByteArray("J"));
    QCOMPARE(HexPairsToBytes("4G"), QByteArray("\x04"));
    QCOMPARE(HexPairsToBytes("ZZ"), QByteArray(1, '\0'));
    QCOMPARE(HexPairsToBytes("414"), QByteArray("A\x04"));
    QCOMPARE(TextToHexPairs("Hello"), QStringLiteral("48 65 6C 6C 6F "));
    QCOMPARE(TextToHexPairs("\x80\n"), QStringLiteral("80 0A "));
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
    QCOMPARE(characterCount("ab\r\nc", TextEncoding::CodePage), 5);
    QCOMPARE(characterCount(QStringLiteral("a\U0001F600\r\n"), TextEncoding::Utf8), 4);
    QCOMPARE(characterCount(QStringLiteral("a\U0001F600\r\n"), TextEncoding::CodePage), 5);
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
