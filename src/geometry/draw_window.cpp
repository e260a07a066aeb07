#include "geometry/draw_window.h"

#include "common/controls.h"
#include "common/input_marks.h"
#include "common/text_boxes.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zq {

Draw::Draw(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Draw"));
    setWindowTitle(tr("Coordinate Draw"));
    setResizable(true);
    const Form form = FieldForm(this, {{"Label1", tr("X1"), "Text1"},
                                       {"Label2", tr("X2"), "Text2"},
                                       {"Label3", tr("Y1"), "Text3"},
                                       {"Label4", tr("Y2"), "Text4"}});
    QGridLayout *grid = form.grid;
    Label1 = form.captions[0], Label2 = form.captions[1];
    Label3 = form.captions[2], Label4 = form.captions[3];
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2], Text4 = form.boxes[3];
    const char *initial[] = {"-20", "20", "-20", "20"};
    for (qsizetype i = 0; i < form.boxes.size(); ++i) {
        form.boxes[i]->setText(QLatin1String(initial[i]));
        form.boxes[i]->setMaximumWidth(twips(900));
    }
    const int row = grid->rowCount();
    Command1 = CommandButton(tr("Draw"), "Command1", this);
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
        MarkInput(box, InputState::Warning, tr("Too large, read as 0"));
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
