// The recording fake engine's process-wide state: the call log and the
// scripted answers. The fake owns the one object, fakeengine_state() hands
// it out; tests reach it through FakeEngine.h. Safe to use from several
// threads.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace fakeengine {

// One scripted answer. Unscripted: result 0, "" written into every buffer,
// out values left unwritten.
struct Scripted {
    int64_t result = 0;
    std::map<int, std::string> texts;     // 8-bit text per buffer, counted from 0
    std::map<int, std::u16string> utf16;  // UTF-16 text per buffer
    std::map<int, int32_t> outs;          // value per out pointer, counted from 0
};

class FakeEngineState {
public:
    // Forgets the log, the queues and the defaults.
    void reset() {
        std::lock_guard<std::mutex> lock(mutex_);
        log_.clear();
        queued_.clear();
        defaults_.clear();
    }

    void record(std::string line) {
        std::lock_guard<std::mutex> lock(mutex_);
        log_.push_back(std::move(line));
    }

    std::vector<std::string> log() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return log_;
    }

    // The answer for the next call of fn: the first queued one, else the
    // function's default.
    Scripted take(const std::string &fn) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto queue = queued_.find(fn);
        if (queue != queued_.end() && !queue->second.empty()) {
            Scripted answer = std::move(queue->second.front());
            queue->second.pop_front();
            return answer;
        }
        auto def = defaults_.find(fn);
        return def == defaults_.end() ? Scripted() : def->second;
    }

    // Queues a new answer (result 0) for the next unanswered call of fn.
    void push(const std::string &fn) {
        std::lock_guard<std::mutex> lock(mutex_);
        queued_[fn].emplace_back();
    }

    // Calls edit(answer) on the answer queued last for fn (queueing one when
    // none is) or on fn's default answer.
    template <typename Edit>
    void edit(const std::string &fn, bool byDefault, Edit editAnswer) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (byDefault) {
            editAnswer(defaults_[fn]);
            return;
        }
        std::deque<Scripted> &queue = queued_[fn];
        if (queue.empty()) {
            queue.emplace_back();
        }
        editAnswer(queue.back());
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> log_;
    std::map<std::string, std::deque<Scripted>> queued_;
    std::map<std::string, Scripted> defaults_;
};

}  // namespace fakeengine

// The fake's one state object, exported beside the engine call set.
extern "C" __attribute__((visibility("default"))) fakeengine::FakeEngineState *fakeengine_state();
