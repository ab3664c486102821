// A fixture for tests that drive the engine's virtual phone through the call
// set: each test gets its own home (the phone's state and every per-user file
// live there), fresh engine settings and a phone restarted from that folder,
// connected on instance 0.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Engine.h"
#include "TestHome.h"
#include "phone/LinkRegistry.h"
#include "phone/SmsSettings.h"
#include "phone/TextCodec.h"
#include "phoneeng.h"

namespace virtualtest {

class VirtualPhoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = std::make_unique<TestHome>(TestHome::Environment::PointHere);
        phoneeng::smsSettings() = phoneeng::SmsSettings{};
        phoneeng::engine().logo = phoneeng::Logo{};
        phoneeng::engine().ringTone = phoneeng::RingTone{};
        phoneeng::engine().lastReceivedLoaded = false;
        set_vlkr_instance(0);
        restart();
    }

    void TearDown() override {
        set_vlkr_instance(0);
        phoneeng_virtual_reload();
        home_.reset();
    }

    // Restarts the phone from its state file and connects again.
    void restart() {
        ASSERT_EQ(phoneeng_virtual_reload(), PE_OK);
        ASSERT_EQ(init("VIRTUAL", PE_CONNECTION_SERIAL), PE_OK);
    }

    std::string statePath() const { return home_->file("virtual-phone.state"); }
    const std::string &dir() const { return home_->path(); }

private:
    std::unique_ptr<TestHome> home_;
};

// Text of a call that fills a buffer, with the code checked.
template <class F>
std::string textOf(F fn, int32_t len = 256) {
    std::vector<char> buf(static_cast<size_t>(len), ' ');
    EXPECT_EQ(fn(buf.data(), len), PE_OK);
    return std::string(buf.data());
}

// Message field 1, 2, 3 or 6 as 8-bit text.
inline std::string messageField(int32_t box, int32_t n, int32_t field) {
    std::vector<char> buf(1024, ' ');
    EXPECT_EQ(getsmsmsgdata(box, n, field, buf.data(), 1024), PE_OK);
    return std::string(buf.data());
}

// Message field 1 as UTF-16 (for Unicode and binary messages).
inline std::u16string messageText16(int32_t box, int32_t n) {
    std::vector<uint16_t> buf(2048, 0x20);
    EXPECT_EQ(getsmsmsgdata(box, n, PE_SMSFIELD_TEXT, buf.data(), 2048), PE_OK);
    std::u16string out;
    for (size_t i = 0; buf[i]; ++i) {
        out.push_back(static_cast<char16_t>(buf[i]));
    }
    return out;
}

// One phonebook entry as the call set reads it, with the call's code.
struct Entry {
    int16_t code = 0;
    std::string name, number;
    int32_t group = -1;
    bool operator==(const Entry &) const = default;
};

inline void PrintTo(const Entry &e, std::ostream *os) {
    *os << e.code << " \"" << e.name << "\" \"" << e.number << "\" " << e.group;
}

inline Entry phonebookEntry(int32_t loc, int32_t mem) {
    Entry e;
    char name[256] = "", number[256] = "";
    e.code = getphonebookentry(loc, mem, name, 256, number, 256, &e.group);
    e.name = name;
    e.number = number;
    return e;
}

}  // namespace virtualtest
