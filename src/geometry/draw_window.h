#pragma once

#include "common/tool_window.h"
#include "geometry/trigonometry.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zq {

// "Coordinate Draw": the axes and y = x·sin x over a chosen window of the plane, drawn on the
// window's own surface; the boxes sit on it at the left. Resizable: the drawing follows the
// window's size.
class Draw : public ToolWindow {
    Q_OBJECT
public:
    explicit Draw(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Text1;
    QLabel *Label2;
    QLineEdit *Text2;
    QLabel *Label3;
    QLineEdit *Text3;
    QLabel *Label4;
    QLineEdit *Text4;
    QPushButton *Command1;

public slots:
    void Command1_Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the last Draw asked for: the axes' and the curve's bounds.
    struct Drawing {
        double x1, x2, y1, y2;
    };
    std::optional<Drawing> m_drawing;
    // The user coordinates of the surface; before the first mapping, pixels.
    std::optional<PlotMapping> m_mapping;
};

} // namespace zq
