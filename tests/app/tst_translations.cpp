// The translation files as a translator leaves them: every message finished, and every
// placeholder of a source text kept, none added.
#include "translation_files.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// %1 to %9 and %n, each as often as it stands.
QStringList placeholdersOf(const QString &text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void everyMessageFinished_data();
    void everyMessageFinished();
    void placeholdersKept_data() { everyMessageFinished_data(); }
    void placeholdersKept();
    void bothLanguagesHoldTheSameTexts();
};

void TestTranslations::everyMessageFinished_data() {
    QTest::addColumn<QString>("file");
    for (const char *language : {"tr", "de"})
        QTest::newRow(language) << translationFile(QLatin1String(language));
}

void TestTranslations::everyMessageFinished() {
    QFETCH(QString, file);
    const QList<Message> messages = messagesOf(file);
    QVERIFY(!messages.isEmpty());
    for (const Message &message : messages) {
        const bool empty = std::any_of(message.translations.begin(), message.translations.end(),
                                       [](const QString &text) { return text.isEmpty(); });
        QVERIFY2(message.finished && !message.translations.isEmpty() && !empty,
                 qPrintable(message.context + QStringLiteral(": ") + message.source));
    }
}

void TestTranslations::placeholdersKept() {
    QFETCH(QString, file);
    for (const Message &message : messagesOf(file)) {
        const QStringList wanted = placeholdersOf(message.source);
        for (const QString &translation : message.translations) {
            QVERIFY2(placeholdersOf(translation) == wanted,
                     qPrintable(message.context + QStringLiteral(": ") + message.source +
                                QStringLiteral(" -> ") + translation));
        }
    }
}

void TestTranslations::bothLanguagesHoldTheSameTexts() {
    QSet<QString> turkish, german;
    for (const Message &message : messagesOf(translationFile(QStringLiteral("tr"))))
        turkish.insert(message.context + QLatin1Char('\n') + message.source);
    for (const Message &message : messagesOf(translationFile(QStringLiteral("de"))))
        german.insert(message.context + QLatin1Char('\n') + message.source);
    QCOMPARE(turkish, german);
}

QTEST_APPLESS_MAIN(TestTranslations)
#include "tst_translations.moc"
