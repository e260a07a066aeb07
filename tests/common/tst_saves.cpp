// Every file the program appends to keeps what it holds: a save into a folder that cannot be
// written or onto a full disk reports it and changes nothing; two programs saving at once each
// append whole records.
#include "app/translations.h"
#include "app/window_registry.h"
#include "common/messages.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

// A tool that saves: its window, its file, the steps that give it something to save ("Box=text"
// types, "enter:Box", "click:Button", "tick:Check"; %1 is the variant, 1 or 2) and the save.
struct SaveCase {
    const char *window;
    const char *file;
    QStringList steps;
    const char *save; // "trigger:Action" or "click:Button"
};

const QList<SaveCase> &saveCases() {
    static const QList<SaveCase> cases = {
        {"PrimeFactor", "PrimeFactors.txt", {"Text1=1%1", "enter:Text1"}, "trigger:Save"},
        {"SquareCubeRoot", "SquareCubeRoot.txt", {"Text1=%1"}, "trigger:Save"},
        {"nthRoot", "nthRoot.txt", {"Text2=3", "Text1=2%1"}, "trigger:Save"},
        {"PrimeNonPrime",
         "PrimeNon-PrimeNumbers.txt",
         {"Text1=1%1", "enter:Text1"},
         "trigger:Save"},
        {"EquationSolver",
         "EquationSolver.txt",
         {"Text4=3", "Text3=5", "Text2=2%1", "enter:Text2"},
         "trigger:save"},
        {"Lotto", "Lottery.txt", {"click:Command1"}, "trigger:Save"},
        {"RandomNumber", "RandomPasswords.txt", {"click:Command1"}, "trigger:Save"},
        {"Hijri",
         "HijriGregorian.txt",
         {"Text1=1", "Text2=9", "Text3=144%1", "enter:Text3"},
         "trigger:Save"},
        {"RAMfrm", "RelativeAtomicMass.txt", {"txtForm=H%1O", "enter:txtForm"}, "trigger:Save"},
        {"GeometricProgression",
         "GeometricProgression.txt",
         {"Text1=1", "Text2=2", "Text3=1%1", "enter:Text3"},
         "trigger:Save"},
        {"ArithmeticProgression",
         "ArithmeticProgression.txt",
         {"Text1=1", "Text2=2", "Text3=1%1", "enter:Text3"},
         "trigger:Save"},
        {"Pascal", "PascalsTriangle.txt", {"Text1=%1", "enter:Text1"}, "trigger:Save"},
        {"MenuTracking",
         "Bill Summary.dat",
         {"tick:Check1", "Text31=%1", "click:Command1"},
         "click:Command2"},
    };
    return cases;
}

struct OpenTool {
    std::unique_ptr<QWidget> window;
    const SaveCase &tool;

    OpenTool(const SaveCase &saveCase, int variant)
        : window(zq::createWindow(QLatin1String(saveCase.window))), tool(saveCase) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        for (const QString &step : saveCase.steps)
            act(step.contains(QLatin1String("%1")) ? step.arg(variant) : step);
    }
    void act(const QString &step) {
        const QString name = step.section(QLatin1Char(':'), 1);
        if (step.startsWith("enter:"))
            QTest::keyClick(window->findChild<QWidget *>(name), Qt::Key_Return);
        else if (step.startsWith("click:"))
            window->findChild<QAbstractButton *>(name)->click();
        else if (step.startsWith("tick:"))
            window->findChild<QCheckBox *>(name)->setChecked(true);
        else if (step.startsWith("trigger:"))
            window->findChild<QAction *>(name)->trigger();
        else
            window->findChild<QLineEdit *>(step.section('=', 0, 0))->setText(step.section('=', 1));
    }
    void save() { act(QLatin1String(tool.save)); }
};

// Saves `count` times into the shared folder, after one save in a folder of its own whose
// record it writes out, Base64, for the test to look for.
int saveWorker(int index, int variant, int count, const QString &sharedFolder) {
    zq::setMessageHandler([](QWidget *, const zq::Message &) { return zq::MessageAnswer::Ok; });
    const SaveCase &saveCase = saveCases().at(index);
    OpenTool tool(saveCase, variant);
    {
        TemporaryWorkingFolder own;
        tool.save();
        std::fputs(fileContents(QLatin1String(saveCase.file)).toBase64().constData(), stdout);
    }
    QDir::setCurrent(sharedFolder);
    for (int i = 0; i < count; ++i)
        tool.save();
    return 0;
}

QList<zq::Message> savedMessages(const std::function<void()> &act) {
    QList<zq::Message> messages;
    const zq::MessageHandler previous =
        zq::setMessageHandler([&](QWidget *, const zq::Message &message) {
            messages << message;
            return zq::MessageAnswer::Ok;
        });
    act();
    zq::setMessageHandler(previous);
    return messages;
}

bool reportedFailure(const QList<zq::Message> &messages, const QString &file) {
    return !messages.isEmpty() && messages.last().icon == zq::MessageIcon::Critical &&
           messages.last().text.contains(file);
}

} // namespace

class TestSaves : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(pointLocale());
        std::signal(SIGXFSZ, SIG_IGN); // a write past the file-size limit fails, no signal
    }
    void everySave_data();
    void folderThatCannotBeWritten();
    void folderThatCannotBeWritten_data() { everySave_data(); }
    void fullDisk();
    void fullDisk_data() { everySave_data(); }
    void twoProgramsAtOnce();
    void twoProgramsAtOnce_data() { everySave_data(); }
    void sameFileInEveryLanguage();
    void sameFileInEveryLanguage_data() { everySave_data(); }
};

void TestSaves::everySave_data() {
    QTest::addColumn<int>("index");
    for (qsizetype i = 0; i < saveCases().size(); ++i)
        QTest::newRow(saveCases()[i].window) << int(i);
}

void TestSaves::folderThatCannotBeWritten() {
    QFETCH(int, index);
    const SaveCase &saveCase = saveCases()[index];
    TemporaryWorkingFolder folder;
    OpenTool tool(saveCase, 1);
    QDir().mkdir("gone");
    QDir::setCurrent("gone");
    QVERIFY(QDir("..").rmdir("gone")); // the working folder no longer exists
    const auto messages = savedMessages([&] { tool.save(); });
    QVERIFY(reportedFailure(messages, saveCase.file));
    QCOMPARE(messages.size(), 1);
}

// A disk that fills up during the save (the file-size limit stands in for it), and a file that
// is the full device itself: the failure is reported, the earlier records stay as they were.
void TestSaves::fullDisk() {
    QFETCH(int, index);
    const SaveCase &saveCase = saveCases()[index];
    TemporaryWorkingFolder folder;
    OpenTool tool(saveCase, 1);
    savedMessages([&] { tool.save(); });
    const QByteArray earlier = fileContents(saveCase.file);
    QVERIFY(!earlier.isEmpty());
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = rlim_t(earlier.size() + 8);
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto messages = savedMessages([&] { tool.save(); });
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(reportedFailure(messages, saveCase.file));
    QCOMPARE(fileContents(saveCase.file), earlier);

    QFile::remove(saveCase.file);
    QVERIFY(QFile::link("/dev/full", saveCase.file));
    QVERIFY(reportedFailure(savedMessages([&] { tool.save(); }), saveCase.file));
}

void TestSaves::twoProgramsAtOnce() {
    QFETCH(int, index);
    const SaveCase &saveCase = saveCases()[index];
    QTemporaryDir shared;
    constexpr int Count = 1000;
    QProcess workers[2];
    for (int variant : {1, 2}) {
        QProcess &worker = workers[variant - 1];
        worker.setProcessChannelMode(QProcess::SeparateChannels);
        worker.start(QCoreApplication::applicationFilePath(),
                     {"--save-worker", QString::number(index), QString::number(variant),
                      QString::number(Count), shared.path()});
    }
    QByteArray records[2];
    for (int i = 0; i < 2; ++i) {
        QVERIFY(workers[i].waitForFinished(120000));
        QCOMPARE(workers[i].exitCode(), 0);
        records[i] = QByteArray::fromBase64(workers[i].readAllStandardOutput());
        QVERIFY(!records[i].isEmpty());
    }
    const QByteArray file = fileContents(QDir(shared.path()).filePath(saveCase.file));
    int counts[2] = {0, 0};
    for (qsizetype at = 0; at < file.size();) {
        // Where both records fit, the longer one is the one written (a record may begin with
        // the other when they differ only at their ends).
        const int first = records[0].size() >= records[1].size() ? 0 : 1;
        int matched = -1;
        for (int i : {first, 1 - first})
            if (matched < 0 && QByteArrayView(file).sliced(at).startsWith(records[i]))
                matched = i;
        QVERIFY2(matched >= 0, qPrintable(QStringLiteral("a broken record at byte %1").arg(at)));
        ++counts[matched];
        at += records[matched].size();
    }
    QCOMPARE(counts[0] + counts[1], 2 * Count);
    if (records[0] != records[1]) {
        QCOMPARE(counts[0], Count);
        QCOMPARE(counts[1], Count);
    }
}

// A file saved while the program speaks Turkish or German holds the English words it holds
// when saved in English, so that any language reads it back.
void TestSaves::sameFileInEveryLanguage() {
    QFETCH(int, index);
    const SaveCase &saveCase = saveCases()[index];
    if (QByteArray("Lotto RandomNumber").contains(saveCase.window))
        QSKIP("a new random draw each time");
    const auto savedIn = [&](const char *language) {
        zq::loadTranslations(QLocale(QLatin1String(language)));
        TemporaryWorkingFolder folder;
        savedMessages([&] { OpenTool(saveCase, 1).save(); });
        static const QRegularExpression moment(QStringLiteral("\r[^\r\n]*(?=     Table No: )"));
        return QString::fromUtf8(fileContents(saveCase.file)).replace(moment, "\r(moment)");
    };
    const QString english = savedIn("en");
    QVERIFY(!english.isEmpty());
    for (const char *language : {"tr", "de"})
        QCOMPARE(savedIn(language), english);
    zq::loadTranslations(QLocale(QLatin1String("en")));
}

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc == 6 && QByteArray(argv[1]) == "--save-worker") {
        QLocale::setDefault(pointLocale());
        return saveWorker(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt(),
                          QByteArray(argv[4]).toInt(), QString::fromLocal8Bit(argv[5]));
    }
    TestSaves test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_saves.moc"
