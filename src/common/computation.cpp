#include "common/computation.h"

#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/text_boxes.h"
#include "common/window_access.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace zq {
namespace {

const char *const StaleProperty = "stale";
const char *const ComputedProperty = "zqComputed";
const char *const PlainDescriptionProperty = "zqResultDescription";
const char *const PlainPaletteProperty = "zqResultPalette";
QString staleDescription() {
    return QCoreApplication::translate("zq::Computation",
                                       "Out of date: an input has changed since");
}

thread_local Computation *running = nullptr;

bool isInsideComboBox(const QWidget *widget) {
    return qobject_cast<const QComboBox *>(widget->parentWidget()) != nullptr;
}

bool isInput(const QWidget *widget) {
    if (IsResult(widget) || isInsideComboBox(widget))
        return false;
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->isCheckable();
    return qobject_cast<const QLineEdit *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractItemView *>(widget);
}

QList<QWidget *> windowControls(QWidget *window, bool (*wanted)(const QWidget *)) {
    QList<QWidget *> found;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->window() == window && wanted(widget))
            found << widget;
    return found;
}

bool isResultControl(const QWidget *widget) {
    return IsResult(widget) && !isInsideComboBox(widget);
}

// What a control shows or holds, to tell whether it has changed.
QVariant stateOf(const QWidget *control) {
    if (auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(control))
        return plain->toPlainText();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return QVariantList{combo->currentIndex(), combo->currentText()};
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->isChecked();
    if (auto *view = qobject_cast<const QAbstractItemView *>(control)) {
        QVariantList rows{view->currentIndex().row()};
        if (view->model())
            rows << view->model()->rowCount();
        if (const QItemSelectionModel *selection = view->selectionModel())
            for (const QModelIndex &index : selection->selectedIndexes())
                rows << index.row();
        return rows;
    }
    return {};
}

// Puts a result back to what it showed when the window opened: empty, or a placeholder such as
// the hypotenuse's "?".
void emptyResult(QWidget *result, const QString &designed) {
    if (auto *line = qobject_cast<QLineEdit *>(result))
        line->setText(designed);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(result))
        plain->setPlainText(designed);
    else if (auto *label = qobject_cast<QLabel *>(result))
        label->setText(designed);
    else if (auto *list = qobject_cast<QListWidget *>(result))
        list->clear();
}

bool isEmptyResult(const QWidget *result) {
    const QVariant state = stateOf(result);
    if (state.typeId() == QMetaType::QString)
        return state.toString().isEmpty();
    if (auto *view = qobject_cast<const QAbstractItemView *>(result))
        return !view->model() || view->model()->rowCount() == 0;
    return false;
}

void setStale(QWidget *result, bool stale) {
    if (result->property(StaleProperty).toBool() == stale)
        return;
    result->setProperty(StaleProperty, stale);
    if (stale) {
        result->setProperty(PlainDescriptionProperty, result->accessibleDescription());
        result->setProperty(PlainPaletteProperty, result->testAttribute(Qt::WA_SetPalette)
                                                      ? QVariant(result->palette())
                                                      : QVariant());
        QPalette greyed = result->palette();
        const QColor disabled = greyed.color(QPalette::Disabled, QPalette::Text);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
                greyed.setColor(group, role, disabled);
        result->setPalette(greyed);
        SetSpokenDescription(result, staleDescription());
    } else {
        const QVariant plain = result->property(PlainPaletteProperty);
        result->setPalette(plain.isValid() ? plain.value<QPalette>() : QPalette());
        SetSpokenDescription(result, result->property(PlainDescriptionProperty).toString());
    }
}

// The results of a window that answer its inputs as they were when they were worked out.
class ResultTracker : public QObject {
public:
    explicit ResultTracker(QWidget *window) : QObject(window), m_window(window) {
        setObjectName(QStringLiteral("zqResultTracker"));
        for (QWidget *input : windowControls(window, isInput))
            watch(input);
    }

    void empty(QWidget *result) {
        emptyResult(result, result->property("zqDesigned").toString());
        forget(result);
    }

    static ResultTracker *of(QWidget *window) {
        auto *tracker = window->findChild<ResultTracker *>(QStringLiteral("zqResultTracker"),
                                                           Qt::FindDirectChildrenOnly);
        return tracker ? tracker : new ResultTracker(window);
    }

    void answered(QWidget *result, const QList<QWidget *> &inputs) {
        Answer answer{result, stateOf(result), {}};
        for (QWidget *input : inputs)
            if (input != result)
                answer.inputs.push_back({input, stateOf(input)});
        forget(result);
        m_answers.push_back(std::move(answer));
        setStale(result, false);
    }

    void forget(QWidget *result) {
        std::erase_if(m_answers, [result](const Answer &a) { return a.result == result; });
        setStale(result, false);
    }

    // Called whenever an input changes.
    void reassess() {
        if (running)
            return; // the computation takes its own account when it ends
        for (auto it = m_answers.begin(); it != m_answers.end();) {
            QWidget *result = it->result;
            if (!result) {
                it = m_answers.erase(it);
                continue;
            }
            if (stateOf(result) != it->shown) { // written over by someone else: no longer ours
                setStale(result, false);
                it = m_answers.erase(it);
                continue;
            }
            bool changed = false;
            for (const auto &[input, state] : it->inputs)
                if (input && stateOf(input) != state)
                    changed = true;
            setStale(result, changed);
            ++it;
        }
    }

private:
    struct Answer {
        QPointer<QWidget> result;
        QVariant shown;
        std::vector<std::pair<QPointer<QWidget>, QVariant>> inputs;
    };

    void watch(QWidget *input) {
        auto changed = [this] { reassess(); };
        if (auto *line = qobject_cast<QLineEdit *>(input))
            connect(line, &QLineEdit::textChanged, this, changed);
        else if (auto *plain = qobject_cast<QPlainTextEdit *>(input))
            connect(plain, &QPlainTextEdit::textChanged, this, changed);
        else if (auto *combo = qobject_cast<QComboBox *>(input)) {
            connect(combo, &QComboBox::currentIndexChanged, this, changed);
            connect(combo, &QComboBox::currentTextChanged, this, changed);
        } else if (auto *button = qobject_cast<QAbstractButton *>(input))
            connect(button, &QAbstractButton::toggled, this, changed);
        else if (auto *view = qobject_cast<QAbstractItemView *>(input)) {
            if (QItemSelectionModel *selection = view->selectionModel()) {
                connect(selection, &QItemSelectionModel::currentChanged, this, changed);
                connect(selection, &QItemSelectionModel::selectionChanged, this, changed);
            }
        }
    }

    QWidget *m_window;
    std::vector<Answer> m_answers;
};

} // namespace

Computation::Computation(QWidget *window, QList<QWidget *> results, QList<QWidget *> inputs)
    : m_window(window), m_results(std::move(results)), m_inputs(std::move(inputs)),
      m_outer(running), m_caughtAtStart(caughtFailures), m_errorMarksAtStart(ErrorMarksMade()) {
    if (m_outer && m_outer->m_window == window)
        return; // part of the computation already running
    if (m_results.isEmpty())
        m_results = windowControls(window, isResultControl);
    if (m_inputs.isEmpty())
        m_inputs = windowControls(window, isInput);
    ResultTracker::of(window); // inputs are watched from the first computation on
    running = this;
}

Computation::~Computation() {
    if (running != this) {
        // Inside another computation of the window: its failure is the outer one's.
        if (m_outer && failed())
            m_outer->fail();
        return;
    }
    running = m_outer;
    if (m_cancelled)
        return;
    const bool failure = failed();
    ResultTracker *tracker = ResultTracker::of(m_window);
    for (QWidget *result : std::as_const(m_results)) {
        if (failure && !m_kept.contains(result))
            tracker->empty(result);
        else if (failure || isEmptyResult(result))
            tracker->forget(result);
        else
            tracker->answered(result, m_inputs);
    }
    m_window->setProperty(ComputedProperty, !failure);
    UpdateNoteLine(m_window);
}

void Computation::fail() {
    m_failed = true;
}

void Computation::cancel() {
    m_cancelled = true;
}

void Computation::keep(QWidget *verdict) {
    m_kept << verdict;
}

bool Computation::failed() const {
    return m_failed || caughtFailures != m_caughtAtStart || ErrorMarksMade() != m_errorMarksAtStart;
}

void EmptyResults(QWidget *window, QList<QWidget *> results) {
    if (results.isEmpty())
        results = windowControls(window, isResultControl);
    ResultTracker *tracker = ResultTracker::of(window);
    for (QWidget *result : std::as_const(results))
        tracker->empty(result);
    window->setProperty(ComputedProperty, false);
}

bool AllTyped(QWidget *window, std::initializer_list<const QLineEdit *> boxes) {
    for (const QLineEdit *box : boxes)
        if (box->text().isEmpty()) {
            EmptyResults(window);
            return false;
        }
    return true;
}

void ComputeSoughtBox(QWidget *window, std::initializer_list<SoughtBox> choices) {
    QList<QWidget *> options;
    for (const SoughtBox &choice : choices)
        options << choice.option;
    for (const SoughtBox &sought : choices) {
        if (!sought.option->isChecked())
            continue;
        const Computation computing(window, {sought.result},
                                    QList<QWidget *>{sought.first, sought.second} + options);
        silentErrorExit([&] {
            RequireNumbers({sought.first, sought.second});
            if (sought.divisor)
                RequireNonZero(sought.divisor, QCoreApplication::translate(
                                                   "zq::Computation", "A number other than zero"));
            const double a = ReadStrictNumber(sought.first), b = ReadStrictNumber(sought.second);
            ShowNumber(sought.result,
                       RejectOnFailure({sought.first, sought.second}, TooLargeToCompute(),
                                       [&] { return sought.compute(a, b); }));
        });
        return;
    }
}

bool IsStale(const QWidget *result) {
    return result->property(StaleProperty).toBool();
}

void RecomputeOnChange(QPushButton *compute, std::initializer_list<QWidget *> choices,
                       std::function<bool()> when) {
    auto recompute = [compute, when = std::move(when)] {
        if (compute->window()->property(ComputedProperty).toBool() && (!when || when()))
            compute->click();
    };
    for (QWidget *choice : choices) {
        if (auto *option = qobject_cast<QRadioButton *>(choice))
            QObject::connect(option, &QRadioButton::toggled, compute, [recompute](bool on) {
                if (on)
                    recompute();
            });
        else if (auto *check = qobject_cast<QCheckBox *>(choice))
            QObject::connect(check, &QCheckBox::toggled, compute, recompute);
        else if (auto *combo = qobject_cast<QComboBox *>(choice))
            QObject::connect(combo, &QComboBox::currentIndexChanged, compute, recompute);
        else if (auto *list = qobject_cast<QListWidget *>(choice))
            QObject::connect(list, &QListWidget::currentRowChanged, compute, recompute);
    }
}

} // namespace zq
