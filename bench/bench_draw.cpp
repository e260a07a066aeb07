// Coordinate Draw: painting the whole surface at 1920×1080, the designed range and a range of
// a million each way.
#include "app/window_registry.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include "widgets_benchmark_main.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_PaintDraw(benchmark::State &state, const char *x1, const char *x2) {
    std::unique_ptr<QWidget> window(zq::createWindow(QStringLiteral("Draw")));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->resize(1920, 1080);
    window->show();
    window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QLatin1String(x1));
    window->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QLatin1String(x2));
    window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QImage surface(window->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        window->render(&surface);
}
BENCHMARK_CAPTURE(BM_PaintDraw, designed_range, "-20", "20")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintDraw, million_each_way, "-1e6", "1e6")->Unit(benchmark::kMillisecond);

} // namespace

ZQ_WIDGETS_BENCHMARK_MAIN()
