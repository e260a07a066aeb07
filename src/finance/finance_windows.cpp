#include "finance/finance_windows.h"

#include "common/calc_error.h"
#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/text_boxes.h"
#include "finance/interest.h"
#include "finance/loans.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <limits>

namespace zq {
namespace {

const QString Percent = QStringLiteral("%"); // a sign, not a word: never translated

// The unit of a term in months, and what a term of zero is told; shared by the loan tools.
QString monthsUnit() {
    return QCoreApplication::translate("zq::FinanceWindows", "months");
}

QString noTerm() {
    return QCoreApplication::translate("zq::FinanceWindows", "A term other than zero");
}

const double Unbounded = std::numeric_limits<double>::infinity();

void showRounded(QLineEdit *box, double value) {
    ShowNumber(box, RoundHalfEven(value, 2));
}

} // namespace

AutoLoan::AutoLoan(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "AutoLoan", tr("Auto Loan Calculator"));
    const Form form =
        FieldForm(this, {{"Label1", tr("Amount (Vehicle Price)"), "Text1"},
                         {"Label2", tr("Annual Interest Rate"), "Text2", Percent, "Label6"},
                         {"Label3", tr("Term/Period"), "Text3", monthsUnit(), "Label7"},
                         {"Label4", tr("Monthly Payment"), "Text4", {}, nullptr, true},
                         {"Label5", tr("Total Amount to Pay"), "Text5", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &AutoLoan::Command1_Click);
}

void AutoLoan::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        const double amount = ReadStrictNumber(Text1), rate = ReadStrictNumber(Text2);
        const double term = RequireNonZero(Text3, noTerm());
        const double payment = RejectOnFailure({Text1, Text2, Text3}, TooLargeToCompute(),
                                               [&] { return AnnuityPayment(amount, rate, term); });
        showRounded(Text4, payment);
        // The total is built from the payment as shown.
        const double shown = ReadStrictNumber(Text4), months = ReadStrictNumber(Text3);
        ShowNumber(Text5, TotalOfPayments(shown, months));
    });
}

Mortgage::Mortgage(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Mortgage", tr("Mortgage Calculator"));
    const Form form =
        FieldForm(this, {{"Label1", tr("Loan Amount"), "Text1"},
                         {"Label2", tr("Loan Term"), "Text2", tr("years")},
                         {"Label3", tr("Interest Rate"), "Text3", Percent},
                         {"Label4", tr("Monthly payment"), "Text4", {}, nullptr, true},
                         {"Label5", tr("Total payments"), "Text5", {}, nullptr, true},
                         {"Label6", tr("Total interest"), "Text6", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4], Text6 = form.boxes[5];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &Mortgage::Command1_Click);
}

void Mortgage::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        const double amount = ReadStrictNumber(Text1), rate = ReadStrictNumber(Text3);
        const double years = RequireNonZero(Text2, noTerm());
        const double payment = RejectOnFailure({Text1, Text2, Text3}, TooLargeToCompute(), [&] {
            return MortgagePayment(amount, years, rate);
        });
        const MortgageTotals totals = MortgageTotalsOf(amount, years, payment);
        Text4->setText(GroupedMoneyText(payment));
        Text5->setText(GroupedMoneyText(totals.payments));
        Text6->setText(GroupedMoneyText(totals.interest));
    });
}

FinancialLease::FinancialLease(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "FinancialLease", tr("Financial Lease Calculator"));
    const Form form =
        FieldForm(this, {{"Label1", tr("Loan Amount"), "Text1"},
                         {"Label2", tr("Residual Value"), "Text2"},
                         {"Label3", tr("Interest Rate"), "Text3", Percent, "Label6"},
                         {"Label4", tr("Term/Period"), "Text4", monthsUnit(), "Label5"},
                         {"Label7", tr("Monthly Payment"), "Text5", {}, nullptr, true},
                         {"Label8", tr("Total Payment"), "Text6", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4], Text6 = form.boxes[5];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &FinancialLease::Command1_Click);
}

void FinancialLease::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3, Text4});
        const double amount = ReadStrictNumber(Text1), residual = ReadStrictNumber(Text2);
        const double rate = ReadStrictNumber(Text3);
        const double months = RequireNonZero(Text4, noTerm());
        const double payment =
            RejectOnFailure({Text1, Text2, Text3, Text4}, TooLargeToCompute(),
                            [&] { return LeasePayment(amount, residual, rate, months); });
        // The total is the unrounded payment times the term.
        const double total = RoundHalfEven(TotalOfPayments(payment, months), 2);
        showRounded(Text5, payment);
        ShowNumber(Text6, total);
    });
}

CompoundInterest::CompoundInterest(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "CompoundInterest", tr("Compound Interest Calculator"));
    const Form form = FieldForm(this, {{nullptr, tr("Base amount"), "Text1"},
                                       {nullptr, tr("Annual interest rate"), "Text2", Percent},
                                       {nullptr, tr("Years"), "Text3"},
                                       {nullptr, tr("Total Amount"), "Text4", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2], Text4 = form.boxes[3];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &CompoundInterest::Command1_Click);
}

void CompoundInterest::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        const double amount = ReadStrictNumber(Text1), rate = ReadStrictNumber(Text2);
        const double years = ReadStrictNumber(Text3);
        showRounded(Text4, RejectOnFailure({Text1, Text2, Text3}, TooLargeToCompute(),
                                           [&] { return CompoundTotal(amount, rate, years); }));
    });
}

SimpleInterest::SimpleInterest(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "SimpleInterest", tr("Simple Interest Calculator"));
    const Form form = FieldForm(this, {{nullptr, tr("Base amount"), "Text1"},
                                       {nullptr, tr("Annual interest rate"), "Text2", Percent},
                                       {nullptr, tr("Term/Period"), "Text3", monthsUnit()},
                                       {nullptr, tr("Simple Interest"), "Text5", {}, nullptr, true},
                                       {nullptr, tr("Total Amount"), "Text4", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text5 = form.boxes[3], Text4 = form.boxes[4];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &SimpleInterest::Command1_Click);
}

void SimpleInterest::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        const double amount = ReadStrictNumber(Text1), rate = ReadStrictNumber(Text2);
        const double months = ReadStrictNumber(Text3);
        const double interest = RejectOnFailure({Text1, Text2, Text3}, TooLargeToCompute(), [&] {
            return SimpleInterestOf(amount, rate, months);
        });
        const double total = RejectOnFailure({Text1, Text2, Text3}, TooLargeToCompute(),
                                             [&] { return AmountWithInterest(amount, interest); });
        showRounded(Text4, total);
        showRounded(Text5, interest);
    });
}

Depreciation::Depreciation(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Depreciation", tr("Depreciation Calculator"));
    const Form form = FieldForm(this, {{nullptr, tr("Initial Cost"), "Text1"},
                                       {nullptr, tr("Salvage Value"), "Text2"},
                                       {nullptr, tr("Asset's Life"), "Text3"},
                                       {nullptr, tr("Period of Depreciation"), "Text4"},
                                       {nullptr, tr("Depreciation"), "Text5", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &Depreciation::Command1_Click);
}

void Depreciation::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        const double cost = ReadLenientNumber(Text1), salvage = ReadLenientNumber(Text2);
        const double life = ReadLenientNumber(Text3), period = ReadLenientNumber(Text4);
        RequireRange(Text1, cost, 0, Unbounded, tr("A cost not below zero"));
        RequireRange(Text2, salvage, 0, Unbounded, tr("A value not below zero"));
        RequireRange(Text3, life, std::numeric_limits<double>::denorm_min(), Unbounded,
                     tr("A life above zero"));
        if (period != std::floor(period))
            RejectInput(Text4, tr("A whole period from 1 to the asset's life"));
        RequireRange(Text4, period, 1, life, tr("A whole period from 1 to the asset's life"));
        ShowNumber(Text5, RejectOnFailure({Text1, Text2, Text3, Text4}, TooLargeToCompute(), [&] {
                       return DoubleDecliningBalance(cost, salvage, life, period);
                   }));
    });
}

GrowthRate::GrowthRate(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "GrowthRate", tr("Growth Rate Calculator"));
    const Form form =
        FieldForm(this, {{nullptr, tr("Present Figure"), "Text1"},
                         {nullptr, tr("Past Figure"), "Text2"},
                         {nullptr, tr("Periods"), "Text3"},
                         {nullptr, tr("Growth Rate"), "Text4", Percent, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2], Text4 = form.boxes[3];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &GrowthRate::Command1_Click);
}

void GrowthRate::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        const double present = ReadLenientNumber(Text1), past = ReadLenientNumber(Text2);
        const double periods = ReadLenientNumber(Text3);
        if (past == 0)
            RejectInput(Text2, tr("A past figure other than zero"));
        if (periods == 0)
            RejectInput(Text3, tr("A number of periods other than zero"));
        // A fractional root of a negative ratio has no real value.
        showRounded(Text4,
                    RejectOnFailure({Text1, Text2}, tr("Both figures of the same sign"),
                                    [&] { return GrowthRatePercent(present, past, periods); }));
    });
}

Profit::Profit(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Profit", tr("Profit Calculator"));
    const Form form = FieldForm(this, {{nullptr, tr("Revenue / Selling Price"), "Text1"},
                                       {nullptr, tr("Gross Margin"), "Text2", Percent},
                                       {nullptr, tr("Gross Profit"), "Text3", {}, nullptr, true},
                                       {nullptr, tr("Cost"), "Text4", {}, nullptr, true},
                                       {nullptr, tr("Mark Up"), "Text5", Percent, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &Profit::Command1_Click);
}

void Profit::Command1_Click() {
    const Computation computing(this);
    // Each step reads what the step before has shown.
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double margin = ReadStrictNumber(Text2);
        showRounded(Text3, RejectOnFailure({Text1, Text2}, TooLargeToCompute(), [&] {
                        return GrossProfit(ReadStrictNumber(Text1), margin);
                    }));
        const double revenue = ReadStrictNumber(Text1), profit = ReadStrictNumber(Text3);
        showRounded(Text4, CostOf(revenue, profit));
        const double cost = ReadStrictNumber(Text4);
        // With no cost there is no mark-up: the profit and the cost still stand.
        try {
            showRounded(Text5, MarkupPercent(profit, cost));
        } catch (const CalcError &) {
            Text5->clear();
            MarkInput(Text2, InputState::Warning,
                      tr("No mark-up: at this margin the cost is zero"));
        }
    });
}

} // namespace zq
