#pragma once

#include <QList>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zq {

// One run of a tool's computation, from the first line of its handler to the last. It answers
// for the results it writes, so that a result on screen always answers the input on screen:
// - when it fails (a box could not be read, a calculation error was caught, or fail() was
//   called) its results are emptied at the end, back to what they showed when the window
//   opened, all but the verdicts it keeps;
// - when it succeeds its results are current; once an input they depend on changes they are
//   stale: the dynamic property "stale" is true, the text is drawn in the disabled colour and
//   the accessible description says so, until the next computation.
// A computation started while another runs in the same window is part of that one.
class Computation {
public:
    // `results`: what it writes, by default every result of the window (read-only boxes and
    // controls marked as results); `inputs`: what they depend on, by default every input.
    explicit Computation(QWidget *window, QList<QWidget *> results = {},
                         QList<QWidget *> inputs = {});
    ~Computation();
    Computation(const Computation &) = delete;
    Computation &operator=(const Computation &) = delete;

    // A failure that is no exception: an error message, a domain error.
    void fail();
    // The computation did not run after all (the user declined): its results stay as they
    // were, current or stale.
    void cancel();
    // A verdict shown in place of the results ("This isn't a quadratic equation.") stays.
    void keep(QWidget *verdict);
    bool failed() const;

private:
    QWidget *m_window;
    QList<QWidget *> m_results, m_inputs, m_kept;
    Computation *m_outer;
    int m_caughtAtStart, m_errorMarksAtStart;
    bool m_failed = false;
    bool m_cancelled = false;
};

// Empties results whose inputs were emptied (all the window's results by default).
void EmptyResults(QWidget *window, QList<QWidget *> results = {});

// For windows that compute as a box is typed in: while a box is still empty there is nothing
// to answer, so the results are emptied; returns true when every box holds some text.
bool AllTyped(QWidget *window, std::initializer_list<const QLineEdit *> boxes);

// A window whose option names the box to work out from two others (a percentage, a map
// scale, Ohm's law): the box `result` from `first` and `second`, none of them `divisor` zero.
struct SoughtBox {
    QAbstractButton *option;
    QLineEdit *result, *first, *second, *divisor;
    std::function<double(double first, double second)> compute;
};
void ComputeSoughtBox(QWidget *window, std::initializer_list<SoughtBox> choices);

// Whether a result answers inputs that have changed since.
bool IsStale(const QWidget *result);

// A change of one of these choices (option, check box, list or combo box) clicks `compute`
// at once, when the window's last computation succeeded; for computations that are instant
// and have no side effect. `when`, if given, must also hold.
void RecomputeOnChange(QPushButton *compute, std::initializer_list<QWidget *> choices,
                       std::function<bool()> when = {});

} // namespace zq
