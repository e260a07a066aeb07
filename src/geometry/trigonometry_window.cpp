#include "geometry/trigonometry_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "geometry/trigonometry.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zq {

SinCosinTan::SinCosinTan(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("SinCosinTan"));
    setWindowTitle(tr("Sine,Cosine,Tangent,Arc-Cotangent"));
    DescribeBoxes(this, {{"Text1", tr("Angle in radians")}, {"Text2", tr("Values")}});
    Text1 = TextBox("Text1", this);
    Label1 = Caption(tr("Tip: Can type Radian value for Trigonometric values."), "Label1", this);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = MultiLineResultBox("Text2", this, 4200, 1500);

    BoxAndButtonRows(this, Text1, Command1, {Label1, Text2});
    connect(Command1, &QPushButton::clicked, this, &SinCosinTan::Command1_Click);
}

void SinCosinTan::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        const double angle = ReadStrictNumber(Text1);
        // The cotangent of an angle whose tangent is 0 does not exist.
        setMultiLineText(Text2, RejectOnFailure({Text1}, tr("No cotangent at this angle"),
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
        // The legs' letters are those of the window's captions ("Leg a").
        painter.drawText(QRectF(10, 65, 24, 20), Qt::AlignCenter,
                         QCoreApplication::translate("zq::Hypotenuse", "a"));
        painter.drawText(QRectF(90, 140, 24, 20), Qt::AlignCenter,
                         QCoreApplication::translate("zq::Hypotenuse", "b"));
        painter.drawText(QRectF(105, 55, 24, 20), Qt::AlignCenter,
                         QCoreApplication::translate("zq::Hypotenuse", "c"));
    }
};

} // namespace

Hypotenuse::Hypotenuse(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Hypotenuse"));
    setWindowTitle(tr("Hypotenuse Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Leg a")}, {"Text2", tr("Leg b")}});
    auto *picture = new TrianglePicture(this);
    Text1 = TextBox("Text1", this);
    Text1->setMaximumWidth(twips(1100));
    Text2 = TextBox("Text2", this);
    Text2->setMaximumWidth(twips(1100));
    Label1 = Caption(QStringLiteral("?"), "Label1", this);
    Label1->setMinimumWidth(twips(1100));
    MarkResult(Label1);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
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
            RejectOnFailure({Text1, Text2}, TooLargeToCompute(), [&] { return hipo(a, b); })));
    });
}

} // namespace zq
