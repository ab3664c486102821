// The built-in virtual phone: a phone of the logo era simulated in the
// engine, with its data kept in a state file between runs (StateFile).
// One per process (see virtualPhone()); links reach it through sessions.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "phone/CallState.h"
#include "phone/Phone.h"
#include "phone/StateFile.h"
#include "phone/VirtualPhoneData.h"

namespace phoneeng {

class VirtualPhone final : public Phone {
public:
    // Loads the state from `file` (null: keep everything in memory); a phone
    // without saved state starts with its factory content.
    explicit VirtualPhone(std::unique_ptr<StateFile> file);

    const VirtualPhoneData &data() const { return data_; }
    const CallState &calls() const { return calls_; }
    const StateFile *stateFile() const { return file_.get(); }
    // How the saved state was found when the phone was created.
    StateFile::Loaded loadResult() const { return loadResult_; }
    // The number of the phone itself (own-number memory, location 1).
    std::string ownNumber() const;

    int32_t openSession() override;
    void closeSession(int32_t session) override;
    LinkEvents *events(int32_t session) override;
    void pump() override;

    PhoneIdentity identity() const override;
    NetworkStatus network() const override;
    std::string displayStatus() const override;

    int16_t dial(const std::string &number) override;
    int16_t sendDtmf(const std::string &digits) override;
    int16_t pressKeys(const std::string &keys) override;
    int16_t reset(const std::string &mode) override;
    int16_t hangUp() override;
    int16_t answer() override;
    int16_t beep(int32_t on) override;
    int16_t netMonitor(const std::string &mode, std::string &screen) override;
    int16_t setStartupText(const std::string &text) override;
    int16_t setDateTime(const PhoneDateTime &t) override;
    PhoneDateTime dateTime() const override;
    int16_t setAlarm(int32_t hour, int32_t minute) override;
    void alarm(bool &on, int32_t &hour, int32_t &minute) const override;
    int16_t ring(const std::string &number, const std::string &name) override;
    std::string ringingNumber() const override;
    std::string ringingName() const override;

    int16_t storedServiceCentre(int32_t set, std::string &number) const override;
    int16_t send(const SmsSendRequest &request, int32_t session, std::chrono::milliseconds delay,
                 SteadyTime &due) override;
    bool sending() const override { return !pending_.empty(); }
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
    bool lastReceivedLogo(Logo &logo) const override;
    int16_t uploadRingTone(int32_t location, const RingTone &tone) override;

private:
    struct PendingSend {
        SteadyTime due;
        int32_t session = 0;
        int32_t reference = 0;
        std::vector<uint64_t> outboxIds;
        SmsSendRequest request;
    };

    // Saves after a change; `code` passes through so callers can write
    // `return saved(code)`.
    int16_t saved(int16_t code);
    void feedCallLists(const CallState::CallList &calls);
    void complete(PendingSend &send);
    // Puts what a send to the phone's own number carries where it belongs;
    // false when the inbox had no room.
    bool receive(const PendingSend &send);

    VirtualPhoneData data_;
    std::unique_ptr<StateFile> file_;
    StateFile::Loaded loadResult_ = StateFile::Loaded::Fresh;
    CallState calls_;
    std::map<int32_t, LinkEvents> sessions_;
    int32_t nextSession_ = 1;
    std::vector<PendingSend> pending_;
    std::optional<Logo> lastReceived_;
};

// The process's virtual phone, created (and loaded) on first use. Callers
// hold engineLock().
VirtualPhone &virtualPhone();
// Drops the process's virtual phone; the next virtualPhone() loads it again
// from the state file (found afresh from the environment). Links to the old
// phone must be closed first.
void discardVirtualPhone();

}  // namespace phoneeng
