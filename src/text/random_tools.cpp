#include "text/random_tools.h"

#include "common/interface_language.h"
#include "common/random_source.h"

#include <QCoreApplication>

namespace zq {
namespace {

#define ZQ_LETTERS_DIGITS u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
#define ZQ_SYMBOLS u"\u00B6\u00A7\u00A6\u00E9!'^#+$%&/{([)]=}?*\\-<>|,;.:~\u20AC@"

constexpr PasswordAlphabet Alphabets[] = {
    {QT_TRANSLATE_NOOP("zq::RandomTools", "Number/Letter"), ZQ_LETTERS_DIGITS},
    {QT_TRANSLATE_NOOP("zq::RandomTools", "Number Only"), u"0123456789"},
    {QT_TRANSLATE_NOOP("zq::RandomTools", "Letter Only"),
     u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"},
    {QT_TRANSLATE_NOOP("zq::RandomTools", "Symbol Only"), ZQ_SYMBOLS},
    {QT_TRANSLATE_NOOP("zq::RandomTools", "Number/Letter/Symbol"), ZQ_LETTERS_DIGITS ZQ_SYMBOLS},
};

#undef ZQ_LETTERS_DIGITS
#undef ZQ_SYMBOLS

// Each number equal to another of the group (or to `extra`) is drawn again until it differs:
// a ticket never holds a number twice.
template <std::size_t N>
void redrawDuplicates(std::array<int, N> &numbers, int range, const int *extra = nullptr) {
    const auto duplicate = [&](std::size_t i) {
        for (std::size_t j = 0; j < N; ++j)
            if (j != i && numbers[j] == numbers[i])
                return true;
        return extra && numbers[i] == *extra;
    };
    for (std::size_t i = 0; i < N; ++i)
        while (duplicate(i))
            numbers[i] = RandomWhole(range);
}

template <std::size_t N> void exchangeSort(std::array<int, N> &numbers) {
    for (std::size_t i = 0; i + 1 < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (numbers[i] > numbers[j])
                std::swap(numbers[i], numbers[j]);
}

template <std::size_t N> void drawAll(std::array<int, N> &numbers, int range) {
    for (int &number : numbers)
        number = RandomWhole(range);
}

QString joined(const QStringList &numbers) {
    return numbers.join(QStringLiteral(" - "));
}

} // namespace

QString PasswordAlphabet::nameText() const {
    return QCoreApplication::translate("zq::RandomTools", name);
}

std::span<const PasswordAlphabet> PasswordAlphabets() {
    return Alphabets;
}

int FindPasswordAlphabet(const QString &name) {
    return IndexOfNamed(Alphabets, name, "zq::RandomTools",
                        [](const PasswordAlphabet &alphabet) { return alphabet.name; });
}

QString RandomPassword(std::int16_t length, const QString &alphabet) {
    QString password;
    for (int i = 0; i < length; ++i)
        password += alphabet[RandomWhole(int(alphabet.size())) - 1];
    return password;
}

LotteryTickets DrawLotteryTickets() {
    LotteryTickets tickets;
    for (int pass = 0; pass < 15; ++pass) {
        drawAll(tickets.lotto, 49);
        drawAll(tickets.mega, 56);
        tickets.megaBall = RandomWhole(46);
        drawAll(tickets.powerball, 59);
        tickets.powerBall = RandomWhole(35);
        redrawDuplicates(tickets.lotto, 49);
        redrawDuplicates(tickets.powerball, 59, &tickets.powerBall);
        redrawDuplicates(tickets.mega, 56);
        exchangeSort(tickets.lotto);
        exchangeSort(tickets.mega);
        exchangeSort(tickets.powerball);
    }
    return tickets;
}

QString LotteryFileText(const QStringList &lotto, const QStringList &powerball,
                        const QString &powerBall, const QStringList &mega,
                        const QString &megaBall) {
    const QString lineEnd = QStringLiteral("\r\n");
    return lineEnd + joined(lotto) + lineEnd + joined(powerball) + QStringLiteral(" + ") +
           powerBall + lineEnd + joined(mega) + QStringLiteral(" + ") + megaBall + lineEnd;
}

} // namespace zq
