// Speed of the logo files and transfers on the main window: the exchange of
// a startup logo's pixels between canvas and logo object both ways (goal:
// under 5 ms together), saving and opening each kind, and a full upload and
// download on the engine's virtual phone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

#include "document/LogoDocument.h"
#include "document/LogoKind.h"
#include "files/GspFile.h"
#include "shell/AppPaths.h"
#include "shell/EditorEnvironment.h"
#include "shell/FrmMain.h"
#include "shell/MessageService.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;

namespace {

class QuietMessages : public MessageService {
public:
    void information(QWidget *, const QString &, const QString &) override {}
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
};

// A started main window on a private home; `port` is the phone port.
struct FileBenchWindow {
    explicit FileBenchWindow(const QString &port) {
        env.paths = AppPaths::under(dir.path(), QCoreApplication::applicationDirPath());
        env.messages = std::make_shared<QuietMessages>();
        env.clock = [] { return QTime(12, 0); };
        env.portOverride = port.isEmpty() ? dir.path() + QStringLiteral("/no-port") : port;
        QDir().mkpath(dir.path() + QStringLiteral("/.config"));
        QFile ini(env.paths.settingsFile);
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write("[RunStatus]\nComPort=COM1\nDefaultLogo=Operator Logo\nRunBefore=1\n");
        }
        ini.close();
        window = std::make_unique<FrmMain>(env);
        window->startUp();
    }
    void switchTo(int kind) {
        void (FrmMain::*const options[])() = {
            &FrmMain::optOperator_Click, &FrmMain::optCallerGroup_Click, &FrmMain::optPicture_Click,
            &FrmMain::optStartup_Click};
        (window.get()->*options[kind])();
    }
    void drawChecks() {
        LogoDocument &doc = window->document();
        for (int y = 0; y < doc.logoHeight(); ++y) {
            for (int x = 0; x < doc.logoWidth(); ++x) {
                doc.setPixel(
                    x, y,
                    (x * 7 + y * 3) % 5 == 0 ? LogoDocument::kSetColor : LogoDocument::kClearColor);
            }
        }
    }
    QTemporaryDir dir;
    EditorEnvironment env;
    std::unique_ptr<FrmMain> window;
};

const char *const kExtensions[kLogoKindCount] = {".NOL", ".NGG", ".GSP", ".NSL"};

void BM_StartupLogoCanvasToLogoAndBack(benchmark::State &state) {
    FileBenchWindow bench{QString()};
    bench.switchTo(kStartupLogo);
    bench.drawChecks();
    bench.window->ui().Velk->Logo()->setLogoType(fbStartupLogo);
    for (auto _ : state) {
        bench.window->CanvasToLogo();
        bench.window->LogoToCanvas();
    }
}
BENCHMARK(BM_StartupLogoCanvasToLogoAndBack)->Unit(benchmark::kMillisecond);

// Save with the name known (no dialog); state.range(0) is the kind.
void BM_SaveLogo(benchmark::State &state) {
    const int kind = int(state.range(0));
    FileBenchWindow bench{QString()};
    bench.switchTo(kind);
    bench.drawChecks();
    const QString path =
        bench.dir.path() + QStringLiteral("/logo") + QLatin1String(kExtensions[kind]);
    for (auto _ : state) {
        bench.window->document().setPath(path);
        bench.window->mnuSave_Click();
    }
    state.SetLabel(kExtensions[kind]);
}
BENCHMARK(BM_SaveLogo)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// What Open does once the dialog has given the name: the GSP reader for
// picture messages, the logo object's read and LogoToCanvas for the others.
void BM_OpenLogo(benchmark::State &state) {
    const int kind = int(state.range(0));
    FileBenchWindow bench{QString()};
    bench.switchTo(kind);
    bench.drawChecks();
    FrmMain &w = *bench.window;
    const QString path =
        bench.dir.path() + QStringLiteral("/logo") + QLatin1String(kExtensions[kind]);
    w.document().setPath(path);
    w.mnuSave_Click();
    for (auto _ : state) {
        if (kind == kPictureMessage) {
            GspFile::read(path, w.document(), w.document().logoWidth(), w.document().logoHeight());
        } else {
            w.ui().Velk->Logo()->ReadFile(path);
            w.LogoToCanvas();
        }
    }
    state.SetLabel(kExtensions[kind]);
}
BENCHMARK(BM_OpenLogo)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Upload then download of the kinds that need no location dialog.
void BM_UploadAndDownload(benchmark::State &state) {
    const int kind = int(state.range(0));
    FileBenchWindow bench(QStringLiteral("VIRTUAL"));
    bench.switchTo(kind);
    bench.drawChecks();
    FrmMain &w = *bench.window;
    int ready = 0;
    for (auto _ : state) {
        w.cmdUpload_Click();
        ready += w.ui().txtStat1->text() == QStringLiteral("Ready");
        w.cmdDownload_Click();
        ready += w.ui().txtStat1->text() == QStringLiteral("Ready");
    }
    state.counters["ready"] = benchmark::Counter(ready / 2.0, benchmark::Counter::kAvgIterations);
    state.SetLabel(kind == kOperatorLogo ? "operator" : "startup");
}
BENCHMARK(BM_UploadAndDownload)
    ->Arg(kOperatorLogo)
    ->Arg(kStartupLogo)
    ->Unit(benchmark::kMillisecond);

}  // namespace
