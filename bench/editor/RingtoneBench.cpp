// The ring tone window on the virtual phone: reading and showing the longest
// sample tune (goal: under 20 ms), and the wall-clock time of a whole Play
// from the window against the sum of its note lengths (goal: under 1% off).
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

#include "../../phonectl/playback/RingTonePlayer.h"
#include "ringtones/FrmRingtone.h"
#include "ringtones/RingToneText.h"
#include "shell/MessageService.h"
#include "shell/SharedValues.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;

namespace {

// The sample tunes in the source tree.
const QString kSamples = QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                         QStringLiteral("/../../editor/shell/resources/ringtones");

class QuietMessages : public MessageService {
public:
    void information(QWidget *, const QString &, const QString &) override {}
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
};

// The window with its control on the virtual phone.
struct BenchWindow {
    BenchWindow() {
        velk.Connect(QStringLiteral("VIRTUALF"));
        FrmRingtone::Host host;
        host.messages = std::make_shared<QuietMessages>();
        host.ringtonesFolder = kSamples;
        frm = std::make_unique<FrmRingtone>(
            &velk, values, [] { return QString(); }, host);
    }
    VelkorControl velk;
    SharedValues values;
    std::unique_ptr<FrmRingtone> frm;
};

// The sample with the most notes.
QString longestSample() {
    QString longest;
    qsizetype most = -1;
    for (const QString &name : QDir(kSamples).entryList({QStringLiteral("*.txt")})) {
        QFile f(kSamples + QLatin1Char('/') + name);
        f.open(QIODevice::ReadOnly);
        const qsizetype notes = f.readAll().count(',');
        if (notes > most) {
            most = notes;
            longest = f.fileName();
        }
    }
    return longest;
}

void BM_ReadAndShowLongestSample(benchmark::State &state) {
    BenchWindow w;
    w.frm->txtRingtonePath->setText(longestSample());
    for (auto _ : state) {
        w.frm->cmdRead_Click();
        benchmark::DoNotOptimize(w.frm->txtNotes->toPlainText().size());
    }
    state.counters["notes"] = double(w.velk.RingTone()->Notes());
}
BENCHMARK(BM_ReadAndShowLongestSample)->Unit(benchmark::kMillisecond);

// Play on the speaker (silent without an audio device), timed around the
// window's button; the expected time is the sum of the note lengths.
void BM_PlayTimingFromTheWindow(benchmark::State &state) {
    BenchWindow w;
    w.frm->txtRingtonePath->setText(kSamples + QStringLiteral("/frerejacq.txt"));
    w.frm->cmdRead_Click();
    w.frm->cmbDevice->setCurrentIndex(0);
    FBRingTone *tone = w.velk.RingTone();
    qint64 expected = 0;
    for (const QString &note : splitNotes(w.frm->txtNotes->toPlainText())) {
        expected += velkor17::RingTonePlayer::NoteDuration(note, 1, 4, tone->Tempo());
    }
    qint64 wall = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        w.frm->cmdPlay_Click();
        wall = t.elapsed();
    }
    state.counters["expected_ms"] = double(expected);
    state.counters["wall_ms"] = double(wall);
    state.counters["error_pct"] = 100.0 * double(wall - expected) / double(expected);
}
BENCHMARK(BM_PlayTimingFromTheWindow)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
