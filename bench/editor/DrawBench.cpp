// Speed of the pencil on the real main window: one mouse move of a stroke
// across the zoomed view, from the event to the repainted cells. Goal: far
// below a frame (16 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>

#include "canvas/ZoomView.h"
#include "shell/AppPaths.h"
#include "shell/EditorEnvironment.h"
#include "shell/FrmMain.h"
#include "shell/MessageService.h"

using namespace glyphsmith;

namespace {

class QuietMessages : public MessageService {
public:
    void information(QWidget *, const QString &, const QString &) override {}
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
};

// A started main window on a private home with no phone.
struct DrawingWindow {
    DrawingWindow() {
        EditorEnvironment env;
        env.paths = AppPaths::under(dir.path(), QCoreApplication::applicationDirPath());
        env.messages = std::make_shared<QuietMessages>();
        env.clock = [] { return QTime(12, 0); };
        env.portOverride = dir.path() + QStringLiteral("/no-port");
        QDir().mkpath(dir.path() + QStringLiteral("/.config"));
        QFile ini(env.paths.settingsFile);
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write("[RunStatus]\nComPort=COM1\nDefaultLogo=Startup Logo\nRunBefore=1\n");
        }
        window = std::make_unique<FrmMain>(env);
        window->startUp();
        window->optStartup_Click();
        window->cmdPencil_Click();
        QCoreApplication::processEvents();
    }
    void send(QEvent::Type type, QPointF at, Qt::MouseButtons held) {
        QWidget *view = window->ui().picContainer;
        QMouseEvent ev(type, at, view->mapToGlobal(at),
                       type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                       Qt::NoModifier);
        QApplication::sendEvent(view, &ev);
    }
    QTemporaryDir dir;
    std::unique_ptr<FrmMain> window;
};

void BM_PencilStrokeMove(benchmark::State &state) {
    DrawingWindow w;
    w.send(QEvent::MouseButtonPress, QPointF(3, 3), Qt::LeftButton);
    int x = 0;
    int y = 3;
    for (auto _ : state) {
        // across the view and back down a row, one cell per move
        x = (x + 6) % 504;
        if (x < 6) {
            y = (y + 6) % 288;
        }
        w.send(QEvent::MouseMove, QPointF(x + 3, y), Qt::LeftButton);
        QCoreApplication::processEvents();  // the repaint of the cell
    }
    w.send(QEvent::MouseButtonRelease, QPointF(x + 3, y), Qt::NoButton);
}
BENCHMARK(BM_PencilStrokeMove)->Unit(benchmark::kMicrosecond);

// A fast stroke: every move lands 10 cells from the last one, so each move
// sets and repaints the 11 cells of a diagonal segment.
void BM_PencilFastStrokeMove(benchmark::State &state) {
    DrawingWindow w;
    w.send(QEvent::MouseButtonPress, QPointF(3, 3), Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        i = (i + 1) % 8;
        // down and back up across the view, 10 cells right and 10 down or up
        const int y = (i < 4 ? i : 8 - i) * 60 + 3;
        w.send(QEvent::MouseMove, QPointF(i * 60 + 3, y), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    w.send(QEvent::MouseButtonRelease, QPointF(3, 3), Qt::NoButton);
}
BENCHMARK(BM_PencilFastStrokeMove)->Unit(benchmark::kMicrosecond);

void BM_ShapeRubberBandMove(benchmark::State &state) {
    DrawingWindow w;
    w.window->cmdFullCircle_Click();
    w.send(QEvent::MouseButtonPress, QPointF(250, 140), Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        i = (i + 1) % 100;
        w.send(QEvent::MouseMove, QPointF(260 + i, 150 + i), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    w.send(QEvent::MouseButtonRelease, QPointF(260, 150), Qt::NoButton);
}
BENCHMARK(BM_ShapeRubberBandMove)->Unit(benchmark::kMicrosecond);

}  // namespace
