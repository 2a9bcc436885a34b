// The status bar: the whole paint (DrawStatusBar) of a 10-panel bar, 800 x
// 24, beside the same drawing done once with one QPainter; and the processor
// time of a shown 10-panel bar left idle for 10 seconds, beside an empty
// event loop run as long. For comparison, what an idle bar cost when its
// 5 ms timer ran all the time: a bare 5 ms timer, and the bar repainting on
// every tick. BENCH_IDLE_SECONDS changes the length of the idle runs.
#include "BenchControls.h"

#include "core/control/cTimer.h"
#include "statusbar/lumoStatusbar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <cstdlib>

namespace {

using lumokit::lumosBorder;
using lumokit::lumoStatusbar;
using lumokit::sSize;

constexpr int kWidth = 800;
constexpr int kHeight = 24;
constexpr int kPanels = 10;

QString caption(int i) {
    return QStringLiteral("Panel %1").arg(i);
}

void fill(lumoStatusbar& bar) {
    for (int i = 1; i <= kPanels; ++i) {
        const sSize size = i == 1       ? sSize::sSpring
                           : i % 3 == 0 ? sSize::sContents
                                        : sSize::sNoAutosize;
        bar.AddPanel(caption(i), 50, true, size, static_cast<lumosBorder>(i % 4));
    }
}

void paintFloor(QImage& image, const QFont& font) {
    QPainter p(&image);
    p.setFont(font);
    p.fillRect(image.rect(), QColor(212, 208, 200));
    for (int row = 0; row <= kHeight; ++row) {
        p.fillRect(QRect(0, kHeight - 1 - row, kWidth, 1), QColor(255 - row, 250, 240));
    }
    int x = 5;
    for (int i = 1; i <= kPanels; ++i) {
        const int w = 50;
        p.setPen(Qt::white);
        p.drawRect(QRect(x, 4, w - 1, kHeight - 9));
        p.setPen(Qt::black);
        p.drawText(QRect(x + 5, 4, w - 5, kHeight - 8), Qt::AlignVCenter | Qt::AlignLeft,
                   caption(i));
        x += w + 10;
    }
    for (int k = 0; k < 3; ++k) { // the grip's strokes
        p.drawLine(kWidth - 1 - 3 * k, kHeight - 1, kWidth - 1, kHeight - 1 - 3 * k);
    }
}

// Processor time per wall second, in per cent of one core, over seconds of
// an event loop.
double idlePercent(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    const double before = bench::processCpuSeconds();
    wall.start();
    loop.exec();
    const double cpu = bench::processCpuSeconds() - before;
    return 100.0 * cpu / (static_cast<double>(wall.nsecsElapsed()) * 1e-9);
}

double idleSeconds() {
    const char* value = std::getenv("BENCH_IDLE_SECONDS");
    return value ? std::atof(value) : 10.0;
}

void run() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    {
        lumoStatusbar bar;
        bar.setControlFont(font);
        bar.resize(kWidth, kHeight);
        fill(bar);
        const double paint = bench::cpuMicrosecondsPerCall([&bar] { bar.DrawStatusBar(); });
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        const double floor = bench::cpuMicrosecondsPerCall([&] { paintFloor(image, font); });
        bench::report("status bar: full paint, 10 panels, 800 x 24", paint, floor, "us");
    }

    const double seconds = idleSeconds();
    const double emptyLoop = idlePercent(seconds);
    lumoStatusbar bar;
    bar.setControlFont(font);
    bar.resize(kWidth, kHeight);
    fill(bar);
    bar.show();
    QApplication::processEvents();
    bench::report("status bar: idle 10 panels, % of one core", idlePercent(seconds), emptyLoop,
                  "%");

    // What an idle bar cost before: a 5 ms timer's wake-ups alone, and with
    // a repaint on each (every tick marks the bar changed for the next one).
    {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [] {});
        timer.start(lumoStatusbar::kRepaintInterval);
        bench::report("a bare 5 ms timer, % of one core", idlePercent(seconds), emptyLoop, "%");
    }
    QObject::connect(bar.repaintTimer(), &lumokit::cTimer::Timer, &bar,
                     [&bar] { bar.setFramecolor(0xFFFFFF); });
    bar.setFramecolor(0xFFFFFF);
    bench::report("status bar repainting every 5 ms, % of one core", idlePercent(seconds),
                  emptyLoop, "%");
}

const bool registered = bench::registerCase("statusbar", &run);

} // namespace
