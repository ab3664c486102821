// glyphsmith-cli against gammu: one logo converted per process, and 1,000
// logos converted by one batch process against 1,000 gammu processes. Every
// benchmark reports files per second; the ratios of the pairs are the
// figures of interest. The gammu benchmarks are skipped without gammu.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr int kBatchFiles = 1000;

// A folder of kBatchFiles different 72 x 14 NOL files, made once.
struct Fixture {
    QTemporaryDir dir;
    QString gammu = QStandardPaths::findExecutable(QStringLiteral("gammu"));

    Fixture() {
        QDir().mkpath(dir.filePath(QStringLiteral("in")));
        for (int i = 0; i < kBatchFiles; ++i) {
            QByteArray nol = QByteArray::fromHex(
                "4E4F4C000100F40005004800"
                "0E00010001000000");
            for (int p = 0; p < 72 * 14; ++p) {
                nol += ((p * 7 + i) % 11 == 0) ? '1' : '0';
            }
            QFile f(dir.filePath(QStringLiteral("in/logo%1.nol").arg(i, 4, 10, QLatin1Char('0'))));
            f.open(QIODevice::WriteOnly);
            f.write(nol);
        }
    }
    std::string path(const QString &name) const { return dir.filePath(name).toStdString(); }
    std::string input(int i) const {
        return path(QStringLiteral("in/logo%1.nol").arg(i, 4, 10, QLatin1Char('0')));
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

// Runs a program with its output thrown away; false when it failed.
bool run(std::vector<std::string> args) {
    std::vector<char *> argv;
    for (std::string &a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

bool haveGammu(benchmark::State &state) {
    if (fixture().gammu.isEmpty()) {
        state.SkipWithError("gammu is not installed");
        return false;
    }
    return true;
}

void BM_OneFilePerProcess_Cli(benchmark::State &state) {
    const Fixture &f = fixture();
    for (auto _ : state) {
        if (!run({CLI_PATH, "convert", f.input(0), f.path("one-cli.nlm")})) {
            state.SkipWithError("glyphsmith-cli failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_OneFilePerProcess_Gammu(benchmark::State &state) {
    if (!haveGammu(state)) {
        return;
    }
    const Fixture &f = fixture();
    for (auto _ : state) {
        if (!run({f.gammu.toStdString(), "copybitmap", f.input(0), f.path("one-gammu.nlm")})) {
            state.SkipWithError("gammu failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Batch1000_CliOneProcess(benchmark::State &state) {
    const Fixture &f = fixture();
    for (auto _ : state) {
        if (!run({CLI_PATH, "convert", f.path("in"), "--to", "nlm", "-o", f.path("out-cli")})) {
            state.SkipWithError("glyphsmith-cli failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kBatchFiles);
}

void BM_Batch1000_GammuProcesses(benchmark::State &state) {
    if (!haveGammu(state)) {
        return;
    }
    const Fixture &f = fixture();
    QDir().mkpath(QString::fromStdString(f.path("out-gammu")));
    for (auto _ : state) {
        for (int i = 0; i < kBatchFiles; ++i) {
            const std::string out = f.path(QStringLiteral("out-gammu/logo%1.nlm").arg(i));
            if (!run({f.gammu.toStdString(), "copybitmap", f.input(i), out})) {
                state.SkipWithError("gammu failed");
                return;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kBatchFiles);
}

}  // namespace

BENCHMARK(BM_OneFilePerProcess_Cli)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_OneFilePerProcess_Gammu)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Batch1000_CliOneProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Batch1000_GammuProcesses)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

BENCHMARK_MAIN();
