#include "everyday/calendar_windows.h"

#include "common/calc_error.h"
#include "common/computation.h"
#include "common/controls.h"
#include "common/date_text.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "everyday/calendar.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zq {
namespace {

// What the date tools say of day, month and year texts that make no date.
QString noSuchDate() {
    return QCoreApplication::translate("zq::CalendarWindows", "No such date");
}

// A year of two digits is read as one of 1930 to 2029: the box says which. Marks the box
// fine otherwise.
void markGuessedCentury(QWidget *box, const QString &date) {
    const std::optional<ReadDate> read = ReadDateText(date);
    const bool guessed = read && read->centuryGuessed;
    MarkInput(box, guessed ? InputState::Warning : InputState::Fine,
              guessed ? QCoreApplication::translate("zq::CalendarWindows", "Year read as %1")
                            .arg(read->date.year())
                      : QString());
}

qint64 monotonicNanoseconds() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.nsecsElapsed();
}

} // namespace

Hijri::Hijri(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Hijri"));
    setWindowTitle(tr("Hijri to Gregorian"));
    DescribeBoxes(this, {{"Text4", tr("Converted date")}});
    const Form form =
        FieldForm(this, {{"Label1", tr("Day"), "Text1"},
                         {"Label2", tr("Month"), "Text2"},
                         {"Label3", tr("Year"), "Text3"},
                         {nullptr, tr("Converted date"), "Text4", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2], Text4 = form.boxes[3];
    Option1 = OptionButton(tr("Hijri to Gregorian"), "Option1", this);
    Option2 = OptionButton(tr("Gregorian to Hijri"), "Option2", this);
    Option1->setChecked(true);
    const int row = form.grid->rowCount();
    form.grid->addWidget(Option1, row, 0, 1, 2);
    form.grid->addWidget(Option2, row + 1, 0, 1, 2);
    Command1 = ComputeButton(tr("Convert"), "Command1", this, form.grid);
    Label4 = NoteRow(tr("If it displays wrong date, replace the month with day."), "Label4", this,
                     form.grid);
    Save = MenuBarItem("Save", tr("Save"));
    connect(Command1, &QPushButton::clicked, this, &Hijri::Command1_Click);
    connect(Save, &QAction::triggered, this, &Hijri::Save_Click);
    RecomputeOnChange(Command1, {Option1, Option2});
}

void Hijri::Command1_Click() {
    const Computation computing(this);
    Text4->clear();
    silentErrorExit([&] {
        // A Hijri year is taken as typed; a Gregorian one of two digits falls in the window.
        if (Option2->isChecked())
            markGuessedCentury(Text3, Text1->text() + QLatin1Char('-') + Text2->text() +
                                          QLatin1Char('-') + Text3->text());
        Text4->setText(RejectOnFailure({Text1, Text2, Text3}, noSuchDate(), [&] {
            return ConvertHijriText(Text1->text(), Text2->text(), Text3->text(),
                                    Option1->isChecked());
        }));
    });
}

void Hijri::Save_Click() {
    SaveResultText(this, QStringLiteral("HijriGregorian.txt"),
                   {QStringLiteral("\r\n") + Text1->text() + QLatin1Char('.') + Text2->text() +
                    QLatin1Char('.') + Text3->text() + QStringLiteral(" = ") + Text4->text()},
                   SavedMessage());
}

DateCalculate::DateCalculate(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("DateCalculate"));
    setWindowTitle(tr("Date Calculator"));
    const Form form = FieldForm(
        this, {{"Label1", tr("First Date"), "Text1"},
               {"Label2", tr("Last Date"), "Text2"},
               {"Label3", tr("Elapsed / Remaining"), "Text3", tr("days"), "lblDays", true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Command2 = ComputeButton(tr("Calculate"), "Command2", this, form.grid);
    Label4 = NoteRow(tr("Tip: Can type all manner of date format."), "Label4", this, form.grid);
    connect(Command2, &QPushButton::clicked, this, &DateCalculate::Command2_Click);
}

void DateCalculate::Command2_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        bool dates = true;
        for (QLineEdit *box : {Text1, Text2}) {
            const bool date = ParseDateText(box->text()).has_value();
            MarkInput(box, date ? InputState::Fine : InputState::Error, tr("A date is needed"));
            if (date)
                markGuessedCentury(box, box->text());
            dates = dates && date;
        }
        if (!dates)
            throw CalcError(CalcError::Kind::InvalidArgument, "not a date");
        Text3->setText(QString::number(DaysBetweenTexts(Text1->text(), Text2->text())));
    });
}

Birthday::Birthday(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Birthday"));
    setWindowTitle(tr("Birthday Calculator"));
    DescribeBoxes(this, {{"Text4", tr("Age")}});
    const Form form = FieldForm(this, {{"Label1", tr("Day"), "Text1"},
                                       {"Label2", tr("Month"), "Text2"},
                                       {"Label3", tr("Year"), "Text3"}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    Text4 = MultiLineResultBox("Text4", this, 4000, 1800);
    form.grid->addWidget(Text4, form.grid->rowCount(), 0, 1, 3);
    Label4 =
        NoteRow(tr("If it display wrong age, replace month with day."), "Label4", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &Birthday::Command1_Click);
}

void Birthday::Command1_Click() {
    const Computation computing(this);
    skipFailingSteps([&] {
        const QDate today = QDate::currentDate();
        const std::optional<QDate> birth = ParseDateText(
            Text1->text() + QLatin1Char('/') + Text2->text() + QLatin1Char('/') + Text3->text());
        if (!birth)
            RejectAll({Text1, Text2, Text3}, noSuchDate());
        if (*birth > today)
            RejectAll({Text1, Text2, Text3}, tr("A birth date not after today"));
        for (QLineEdit *box : {Text1, Text2})
            ClearInputMark(box);
        markGuessedCentury(Text3, Text1->text() + QLatin1Char('/') + Text2->text() +
                                      QLatin1Char('/') + Text3->text());
        setMultiLineText(Text4, BirthdayText(Text1->text(), Text2->text(), Text3->text(), today));
    });
}

Burclar::Burclar(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Burclar"));
    setWindowTitle(tr("Zodiac Calculator"));
    DescribeBoxes(this, {{"Text3", tr("Zodiac sign")}});
    const Form form = FieldForm(this, {{"Label1", tr("Day"), "Text1"},
                                       {"Label2", tr("Month"), "Text2"},
                                       {nullptr, tr("Zodiac sign"), "Text3", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &Burclar::Command1_Click);
}

void Burclar::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double day = ReadRoundedNumber(Text1, 1, 31);
        const double month = ReadRoundedNumber(Text2, 1, 12);
        // Any year will do to know the days of a month, as long as it has a 29 February.
        if (!QDate(2000, int(month), int(day)).isValid())
            RejectAll({Text1, Text2}, noSuchDate());
        Text3->setText(BurcBul(toByte(day), toByte(month)));
    });
}

Stopwatch::Stopwatch(QWidget *parent) : ToolWindow(parent), m_clock(monotonicNanoseconds) {
    setObjectName(QStringLiteral("Stopwatch"));
    setWindowTitle(tr("Stopwatch"));
    QFont large(QStringLiteral("Arial Black"));
    large.setBold(true);
    large.setPointSize(24);
    auto *digits = new QHBoxLayout;
    digits->setSpacing(0);
    QLabel **labels[] = {&Label1, &Label2, &Label3, &Label4};
    const char *names[] = {"Label1", "Label2", "Label3", "Label4"};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = Caption(QString(), names[i], this);
        (*labels[i])->setFont(large);
        digits->addWidget(*labels[i]);
    }
    Command1 = CommandButton(tr("Start"), "Command1", this);
    Command2 = CommandButton(tr("Pause"), "Command2", this);
    Command3 = CommandButton(tr("Reset"), "Command3", this);
    DefaultButton(Command1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {Command1, Command2, Command3})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(digits);
    layout->addLayout(buttons);
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Stopwatch::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &Stopwatch::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Stopwatch::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Stopwatch::Command3_Click);
    Form_Load();
}

void Stopwatch::setClock(std::function<qint64()> nanoseconds) {
    m_clock = std::move(nanoseconds);
}

void Stopwatch::Form_Load() {
    showTexts(StopwatchCount::restingTexts());
    // The display is refreshed 64 times a second; the count itself comes from the clock.
    Timer1->setInterval(15);
    Timer1->stop();
}

void Stopwatch::showTexts(const QStringList &texts) {
    QLabel *labels[] = {Label1, Label2, Label3, Label4};
    for (int i = 0; i < 4; ++i)
        labels[i]->setText(texts[i]);
}

void Stopwatch::Command1_Click() {
    if (Timer1->isActive())
        return;
    m_startedAt = m_clock();
    Timer1->start();
}

void Stopwatch::Command2_Click() {
    if (!Timer1->isActive())
        return;
    m_ticksBefore += StopwatchCount::ticksIn(m_clock() - m_startedAt);
    Timer1->stop();
}

void Stopwatch::Command3_Click() {
    m_ticksBefore = 0;
    m_startedAt = m_clock();
    showTexts(StopwatchCount::restingTexts());
}

void Stopwatch::Timer1_Timer() {
    qint64 ticks = m_ticksBefore;
    if (Timer1->isActive())
        ticks += StopwatchCount::ticksIn(m_clock() - m_startedAt);
    if (ticks > 0)
        showTexts(StopwatchCount::afterTicks(ticks).labelTexts());
}

} // namespace zq
