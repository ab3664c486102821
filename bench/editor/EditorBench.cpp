// Speed of the canvas and of the main window: the redraw of the zoomed view,
// a kind switch, and a start-up from the splash's end to a laid-out window
// connected to the engine's virtual phone (goal: under 300 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "document/LogoDocument.h"
#include "shell/AppPaths.h"
#include "shell/EditorEnvironment.h"
#include "shell/FrmMain.h"
#include "shell/MessageService.h"

using namespace glyphsmith;

namespace {

class SilentMessages : public MessageService {
public:
    void information(QWidget *, const QString &, const QString &) override {}
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
};

// A home with settings already written (a start after the first one).
struct BenchHome {
    BenchHome() {
        env.paths = AppPaths::under(dir.path(), QCoreApplication::applicationDirPath());
        env.messages = std::make_shared<SilentMessages>();
        env.clock = [] { return QTime(12, 0); };
        env.portOverride = QStringLiteral("VIRTUAL");
        QDir().mkpath(dir.path() + QStringLiteral("/.config"));
        QFile ini(env.paths.settingsFile);
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write("[RunStatus]\nComPort=COM1\nDefaultLogo=Operator Logo\nRunBefore=1\n");
        }
    }
    QTemporaryDir dir;
    EditorEnvironment env;
};

void BM_RedrawCanvas(benchmark::State &state) {
    LogoDocument doc;
    for (int y = 0; y < LogoDocument::kPreviewHeight; ++y) {
        for (int x = 0; x < LogoDocument::kPreviewWidth; ++x) {
            if ((x ^ y) & 1) {
                doc.preview().setPixel(x, y, LogoDocument::kSetColor);
            }
        }
    }
    for (auto _ : state) {
        doc.redrawCanvas();
        benchmark::DoNotOptimize(doc.view().constBits());
    }
}
BENCHMARK(BM_RedrawCanvas);

void BM_KindSwitch(benchmark::State &state) {
    BenchHome home;
    home.env.portOverride = home.dir.path() + QStringLiteral("/no-port");
    FrmMain window(home.env);
    window.startUp();
    bool startup = false;
    for (auto _ : state) {
        startup = !startup;
        if (startup) {
            window.optStartup_Click();
        } else {
            window.optOperator_Click();
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_KindSwitch)->Unit(benchmark::kMicrosecond);

void BM_StartupToConnectedWindow(benchmark::State &state) {
    BenchHome home;
    int connected = 0;
    for (auto _ : state) {
        auto window = std::make_unique<FrmMain>(home.env);
        window->startUp();
        QCoreApplication::processEvents();
        connected += window->ui().txtStat1->text() == QStringLiteral("Ready");
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["connected"] = benchmark::Counter(connected, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartupToConnectedWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char **argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QTemporaryDir home;
    setenv("HOME", home.path().toUtf8().constData(), 1);
    setenv("PHONEENG_VIRTUAL_DIR", home.path().toUtf8().constData(), 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
