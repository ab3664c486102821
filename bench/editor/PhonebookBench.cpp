// The phonebook window's whole read of the virtual phone's SIM (100
// locations, all used, then the one past its end), list lines included
// (goal: under 250 ms, so the window fills without a noticeable wait).
#include <benchmark/benchmark.h>

#include <QListWidget>

#include "phone/FrmPhoneBook.h"
#include "shell/SharedValues.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;

namespace {

void BM_FullSimPhonebookRead(benchmark::State &state) {
    VelkorControl velk;
    velk.Connect(QStringLiteral("VIRTUALF"));
    for (qint16 i = 1; i <= 100; ++i) {
        velk.PhoneBook(i)->WriteData(QStringLiteral("Name %1").arg(i),
                                     QStringLiteral("+1555%1").arg(i, 7, 10, QLatin1Char('0')),
                                     i % 5);
    }
    SharedValues values;
    for (auto _ : state) {
        FrmPhoneBook dialog(&velk, values, [] { return true; });
        dialog.ReadPhonebook();
        if (dialog.lstPhonebook->count() != 100) {
            state.SkipWithError("the SIM did not read whole");
            break;
        }
    }
}
BENCHMARK(BM_FullSimPhonebookRead)->Unit(benchmark::kMillisecond);

}  // namespace
