// Costs of the virtual phone that grow with what it holds: writing and
// reading its state file text (done after every change and at start-up),
// and reading a whole SIM phonebook through the call set.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "phone/PhoneStateCodec.h"
#include "phoneeng.h"

using namespace phoneeng;

namespace {

// A phone with full message boxes, phonebook and logos.
VirtualPhoneData fullPhone() {
    VirtualPhoneData d;
    d.seed();
    for (int32_t loc = 1; loc <= 200; ++loc) {
        d.phonebook.write(PE_MEM_PHONE, loc,
                          {"Name " + std::to_string(loc), "+1555" + std::to_string(loc), loc % 6});
    }
    for (SmsBox box : {SmsBox::Inbox, SmsBox::Outbox, SmsBox::Reports}) {
        while (d.sms.freeSpace(box) > 0) {
            SmsMessage m;
            m.box = box;
            m.text = std::u16string(160, u'x');
            m.sender = "+15555550101";
            m.destination = "+15555550123";
            m.smsc = "+15555550200";
            d.sms.append(m);
        }
    }
    for (int32_t loc = 0; loc < LogoMemory::kPictureLocations; ++loc) {
        Logo picture;
        picture.setType(LogoType::Picture);
        picture.groupNumber = loc;
        picture.message = u"A picture message";
        d.logos.upload(picture, "");
    }
    return d;
}

void BM_VirtualStateWrite(benchmark::State &state) {
    const VirtualPhoneData d = fullPhone();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = PhoneStateCodec::write(d);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_VirtualStateWrite);

void BM_VirtualStateRead(benchmark::State &state) {
    const std::string text = PhoneStateCodec::write(fullPhone());
    for (auto _ : state) {
        VirtualPhoneData d;
        std::string error;
        benchmark::DoNotOptimize(PhoneStateCodec::read(text, d, error));
    }
    state.SetBytesProcessed(static_cast<int64_t>(text.size()) * state.iterations());
}
BENCHMARK(BM_VirtualStateRead);

void BM_VirtualSimPhonebookRead(benchmark::State &state) {
    char dir[] = "/tmp/phoneeng-bench-XXXXXX";
    if (!mkdtemp(dir)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    setenv("PHONEENG_VIRTUAL_DIR", dir, 1);
    phoneeng_virtual_reload();
    init("VIRTUAL", PE_CONNECTION_SERIAL);
    char name[256], number[256];
    int32_t group = 0;
    for (auto _ : state) {
        for (int32_t loc = 1;
             getphonebookentry(loc, PE_MEM_SIM, name, 256, number, 256, &group) == PE_OK; ++loc) {
        }
    }
    terminate();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
BENCHMARK(BM_VirtualSimPhonebookRead);

}  // namespace

// Weak, so that other benchmark files of this program may bring the main.
__attribute__((weak)) int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
