// Out of memory inside any call group stays inside the engine: with every
// allocation refused, each entry point returns a code instead of throwing
// across the C boundary, and the engine goes on working afterwards.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

#include "VirtualTestSupport.h"

namespace {

std::atomic<bool> refuseAllocations{false};
std::atomic<int> refused{0};

}  // namespace

void *operator new(std::size_t n) {
    if (refuseAllocations.load(std::memory_order_relaxed)) {
        refused.fetch_add(1, std::memory_order_relaxed);
        throw std::bad_alloc();
    }
    if (void *p = std::malloc(n ? n : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void *operator new[](std::size_t n) {
    return ::operator new(n);
}
void operator delete(void *p) noexcept {
    std::free(p);
}
void operator delete[](void *p) noexcept {
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using virtualtest::VirtualPhoneTest;

constexpr const char *kLongNumber = "+4412345678901234567890";
constexpr const char *kLongText = "a text far too long for any small-string buffer";

TEST_F(VirtualPhoneTest, EveryCallGroupKeepsOutOfMemoryInside) {
    char buf[256];
    const std::pair<const char *, std::function<long()>> calls[] = {
        {"link", [] { return init(kLongText, PE_CONNECTION_SERIAL); }},
        {"actions", [] { return dialvoice(kLongNumber); }},
        {"virtual", [] { return phoneeng_virtual_incoming_call(kLongNumber, kLongText); }},
        {"phone data", [&] { return lookupnetwork(buf, sizeof buf); }},
        {"phonebook", [] { return setphonebookentry(1, PE_MEM_SIM, kLongText, kLongNumber, 0); }},
        {"sms", [] { return setsmsmessagecenter(0, kLongNumber); }},
        {"sms send", [] { return sendsms(kLongNumber, kLongText, 0, 0); }},
        {"logo phone", [] { return logo_download(PE_LOGO_OPERATOR); }},
        {"ring tone phone", [] { return ringtone_sendsms(kLongNumber); }},
        {"logo", [] { return logo_setgroupname(kLongText); }},
    };
    ASSERT_EQ(logo_setdata(PE_LOGO_OPERATOR, "244 05"), PE_OK);  // a logo to copy
    for (const auto &[group, call] : calls) {
        refused = 0;
        bool threw = false;
        refuseAllocations = true;
        try {
            call();
        } catch (...) {
            threw = true;
        }
        refuseAllocations = false;
        EXPECT_FALSE(threw) << group;
        EXPECT_GT(refused.load(), 0) << group << ": the call must allocate to be a test";
    }
    // the lock was released on the way out: the engine still answers
    EXPECT_EQ(isalive(), 1);
    EXPECT_EQ(setsmsmessagecenter(0, "+358401234567"), PE_OK);
}

}  // namespace
