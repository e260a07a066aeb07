#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <span>

namespace zq {

// A password character set: its name in the list (English, translated where shown) and its
// characters.
struct PasswordAlphabet {
    const char *name;
    const char16_t *characters;

    QString englishName() const { return QString::fromUtf8(name); }
    QString nameText() const; // as the list shows it
    QString charactersText() const { return QString::fromUtf16(characters); }
};

// The five sets in the order of the list.
std::span<const PasswordAlphabet> PasswordAlphabets();

// The position of the set a typed name stands for, as the list shows it or in English; -1 for
// none.
int FindPasswordAlphabet(const QString &name);

// `length` characters drawn from the alphabet; empty for a length of 0 or less.
QString RandomPassword(std::int16_t length, const QString &alphabet);

struct LotteryTickets {
    std::array<int, 6> lotto{};     // 6/49
    std::array<int, 5> mega{};      // Mega Millions main numbers, 1-56
    int megaBall = 0;               // 1-46
    std::array<int, 5> powerball{}; // Powerball main numbers, 1-59
    int powerBall = 0;              // 1-35
};

// Fifteen passes of a draw, each redrawing a duplicate main number until it differs and sorting
// each game's main numbers; the last pass is the ticket.
LotteryTickets DrawLotteryTickets();

// The record appended to "Lottery.txt", from the numbers as the labels show them: an empty
// line, then 6/49, Powerball and Mega Millions, each line ended by CR LF.
QString LotteryFileText(const QStringList &lotto, const QStringList &powerball,
                        const QString &powerBall, const QStringList &mega, const QString &megaBall);

} // namespace zq
