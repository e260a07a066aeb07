#include "geometry/trigonometry_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/text_boxes.h"
#include "common/window_access.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zq {

SinCosinTan::SinCosinTan(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("SinCosinTan"));
    setWindowTitle(QStringLiteral("Sine,Cosine,Tangent,Arc-Cotangent"));
    DescribeBoxes(this, {{"Text1", "Angle in radians"}, {"Text2", "Values"}});
    Text1 = TextBox("Text1", this);
    Label1 = Caption(QStringLiteral("Tip: Can type Radian value for Trigonometric values."),
                     "Label1", this);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = MultiLineResultBox("Text2", this, 4200, 1500);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Command1, 0, 1);
    grid->addWidget(Label1, 1, 0, 1, 2);
    grid->addWidget(Text2, 2, 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &SinCosinTan::Command1_Click);
}

void SinCosinTan::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        const double angle = ReadStrictNumber(Text1);
        // The cotangent of an angle whose tangent is 0 does not exist.
        setMultiLineText(Text2,
                         RejectOnFailure({Text1}, QStringLiteral("No cotangent at this angle"),
                                         [&] { return TrigonometryText(angle); }));
    });
}

namespace {

// A right triangle: the vertical leg a, the base b and the hypotenuse c.
class TrianglePicture : public QWidget {
public:
    explicit TrianglePicture(QWidget *parent) : QWidget(parent) { setFixedSize(183, 165); }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF top(40, 15), corner(40, 135), right(165, 135);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawPolygon(QPolygonF({top, corner, right}));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(corner.x(), corner.y() - 14, 14, 14)); // the right angle
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(16);
        painter.setFont(font);
        painter.drawText(QRectF(10, 65, 24, 20), Qt::AlignCenter, QStringLiteral("a"));
        painter.drawText(QRectF(90, 140, 24, 20), Qt::AlignCenter, QStringLiteral("b"));
        painter.drawText(QRectF(105, 55, 24, 20), Qt::AlignCenter, QStringLiteral("c"));
    }
};

} // namespace

Hypotenuse::Hypotenuse(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Hypotenuse"));
    setWindowTitle(QStringLiteral("Hypotenuse Calculator"));
    DescribeBoxes(this, {{"Text1", "Leg a"}, {"Text2", "Leg b"}});
    auto *picture = new TrianglePicture(this);
    Text1 = TextBox("Text1", this);
    Text1->setMaximumWidth(twips(1100));
    Text2 = TextBox("Text2", this);
    Text2->setMaximumWidth(twips(1100));
    Label1 = Caption(QStringLiteral("?"), "Label1", this);
    Label1->setMinimumWidth(twips(1100));
    MarkResult(Label1);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, Qt::AlignVCenter);
    grid->addWidget(picture, 0, 1);
    grid->addWidget(Label1, 0, 2, Qt::AlignVCenter);
    grid->addWidget(Text2, 1, 1, Qt::AlignHCenter);
    grid->addWidget(Command1, 2, 0, 1, 3, Qt::AlignHCenter);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    connect(Command1, &QPushButton::clicked, this, &Hypotenuse::Command1_Click);
}

void Hypotenuse::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double a = ReadStrictNumber(Text1), b = ReadStrictNumber(Text2);
        Label1->setText(FormatNumberText(
            RejectOnFailure({Text1, Text2}, QStringLiteral("Too large to compute with"),
                            [&] { return hipo(a, b); })));
    });
}

Draw::Draw(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Draw"));
    setWindowTitle(QStringLiteral("Coordinate Draw"));
    setResizable(true);
    auto *grid = new QGridLayout(this);
    const struct {
        QLabel *&label;
        QLineEdit *&box;
        const char *labelName, *boxName, *caption, *initial;
    } inputs[] = {{Label1, Text1, "Label1", "Text1", "X1", "-20"},
                  {Label2, Text2, "Label2", "Text2", "X2", "20"},
                  {Label3, Text3, "Label3", "Text3", "Y1", "-20"},
                  {Label4, Text4, "Label4", "Text4", "Y2", "20"}};
    int row = 0;
    for (const auto &input : inputs) {
        input.label = Caption(QString::fromLatin1(input.caption), input.labelName, this);
        input.box = TextBox(input.boxName, this);
        input.box->setText(QString::fromLatin1(input.initial));
        input.box->setMaximumWidth(twips(900));
        grid->addWidget(input.label, row, 0);
        grid->addWidget(input.box, row++, 1);
    }
    Command1 = CommandButton(QStringLiteral("Draw"), "Command1", this);
    DefaultButton(Command1);
    grid->addWidget(Command1, row, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(2, 1);
    resize(twips(9600), twips(7200));
    connect(Command1, &QPushButton::clicked, this, &Draw::Command1_Click);
}

void Draw::Command1_Click() {
    // A bound that cannot be read as a finite number stays 0.
    auto bound = [](QLineEdit *box) {
        const double value = ReadLenientNumber(box);
        if (std::isfinite(value))
            return value;
        MarkInput(box, InputState::Warning, QStringLiteral("Too large, read as 0"));
        return 0.0;
    };
    const double x1 = bound(Text1), x2 = bound(Text2), y1 = bound(Text3), y2 = bound(Text4);
    // A window of zero width or height cannot be mapped: the previous mapping stays.
    if (PlotMapping::canMap(x1, y1, x2, y2))
        m_mapping = PlotMapping{x1, y1, x2, y2};
    m_drawing = Drawing{x1, x2, y1, y2};
    update();
}

void Draw::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const int width = this->width(), height = this->height();
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!m_drawing)
        return;
    const PlotMapping mapping =
        m_mapping.value_or(PlotMapping{0, 0, double(width), double(height)});
    // Far-off coordinates are held to a range the painter handles; the axes are horizontal and
    // vertical, so holding their ends keeps them where they are.
    auto pixel = [](double value) {
        return std::isnan(value) ? -1000000 : int(std::floor(std::clamp(value, -1e6, 1e6)));
    };
    auto toPixel = [&](float x, float y) {
        return QPoint(pixel(mapping.pixelX(x, width)), pixel(mapping.pixelY(y, height)));
    };
    // Coordinates reach the drawing in single precision.
    auto single = [](double value) {
        constexpr double Largest = std::numeric_limits<float>::max();
        return static_cast<float>(std::clamp(value, -Largest, Largest));
    };
    const Drawing &d = *m_drawing;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(toPixel(0, single(d.y1)), toPixel(0, single(d.y2)));
    painter.drawLine(toPixel(single(d.x1), 0), toPixel(single(d.x2), 0));
    QList<QPoint> points;
    const QRect area = rect();
    ForEachCurvePoint(d.x1, d.x2, width, [&](float x, float y) {
        const QPoint point = toPixel(x, y);
        if (area.contains(point))
            points << point;
    });
    painter.drawPoints(points.constData(), int(points.size()));
}

} // namespace zq
