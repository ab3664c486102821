// A real phone reached through libgammu. Every call into libgammu goes
// through the machine's time bound; a call that loses the phone (time-out,
// device gone) leaves the phone dead, and the call set then says
// PE_NOT_CONNECTED until the next init. What libgammu or the phone cannot
// do gives PE_NOT_SUPPORTED.
#pragma once

#include <memory>

#include "gammu/GammuMachine.h"
#include "phone/Phone.h"

namespace phoneeng {

class GammuPhone final : public Phone {
public:
    // `machine` is connected; reads the phone's identity once.
    explicit GammuPhone(std::shared_ptr<GammuMachine> machine);
    ~GammuPhone() override { machine_->disconnect(); }
    GammuPhone(const GammuPhone &) = delete;
    GammuPhone &operator=(const GammuPhone &) = delete;

    // False once the phone was lost.
    bool alive() const { return !lost_ && !machine_->broken(); }
    // The same machine, for reports.
    GammuMachine &machine() { return *machine_; }

    int32_t openSession() override { return 1; }
    void closeSession(int32_t) override {}
    LinkEvents *events(int32_t session) override;
    void pump() override;

    PhoneIdentity identity() const override { return identity_; }
    NetworkStatus network() const override { return {}; }
    std::string displayStatus() const override { return {}; }
    int16_t readIdentity(PhoneIdentity &out) override;
    int16_t readNetwork(NetworkStatus &out) override;
    int16_t readDisplayStatus(std::string &out) override;
    int16_t readDateTime(PhoneDateTime &out) override;
    int16_t readAlarm(bool &on, int32_t &hour, int32_t &minute) override;

    int16_t dial(const std::string &number) override;
    int16_t sendDtmf(const std::string &digits) override;
    int16_t pressKeys(const std::string &keys) override;
    int16_t reset(const std::string &mode) override;
    int16_t hangUp() override;
    int16_t answer() override;
    int16_t beep(int32_t on) override;
    int16_t netMonitor(const std::string &, std::string &) override { return PE_NOT_SUPPORTED; }
    int16_t setStartupText(const std::string &text) override;
    int16_t setDateTime(const PhoneDateTime &t) override;
    PhoneDateTime dateTime() const override { return {}; }
    int16_t setAlarm(int32_t hour, int32_t minute) override;
    void alarm(bool &on, int32_t &hour, int32_t &minute) const override;
    int16_t ring(const std::string &, const std::string &) override { return PE_NOT_SUPPORTED; }
    std::string ringingNumber() const override { return ringing_; }
    std::string ringingName() const override { return {}; }

    int16_t storedServiceCentre(int32_t set, std::string &number) const override;
    int16_t send(const SmsSendRequest &request, int32_t session, std::chrono::milliseconds delay,
                 SteadyTime &due) override;
    bool sending() const override { return false; }
    int16_t refreshMessages() override;
    const std::vector<SmsMessage> &messages(SmsBox box) const override;
    int16_t markRead(SmsBox box, int32_t location) override;
    int16_t deleteMessage(SmsBox box, int32_t location) override;

    int16_t readEntry(int32_t memory, int32_t location, PhonebookEntry &out) const override;
    int16_t writeEntry(int32_t memory, int32_t location, const PhonebookEntry &entry) override;
    int16_t deleteEntry(int32_t memory, int32_t location) override;
    int16_t readSpeedDial(int32_t key, int32_t &memory, int32_t &location) const override;
    int16_t writeSpeedDial(int32_t key, int32_t memory, int32_t location) override;

    int16_t uploadLogo(const Logo &logo) override;
    int16_t downloadLogo(int32_t type, Logo &logo) const override;
    bool lastReceivedLogo(Logo &) const override { return false; }
    int16_t uploadRingTone(int32_t location, const RingTone &tone) override;
    int16_t startTone(int32_t hertz) override;
    int16_t stopTone() override;

private:
    // Where a listed message lives on the phone.
    struct Stored {
        int folder = 0;
        int location = 0;
    };

    // Runs a job and turns its result into a call-set code, noting a lost
    // phone.
    int16_t call(GammuMachine::Job job) const;
    // The size of a phonebook memory (0 when the phone does not say).
    int32_t memorySize(int32_t memory) const;

    std::shared_ptr<GammuMachine> machine_;
    PhoneIdentity identity_;
    mutable bool lost_ = false;
    LinkEvents events_;
    std::string ringing_;
    mutable bool listed_ = false;
    mutable std::vector<SmsMessage> boxes_[3];  // outbox, reports, inbox
    mutable std::vector<Stored> stored_[3];
};

}  // namespace phoneeng
