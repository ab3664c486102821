// The fake engine's process-wide state: the call log and the scripted
// answers. Safe to use from several threads.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace fakeengine {

struct Answer {
    int64_t result = 0;
    std::map<int, std::string> texts;     // 8-bit text per buffer
    std::map<int, std::u16string> utf16;  // UTF-16 text per buffer
    std::map<int, int32_t> outs;          // value per out pointer
};

class FakeEngineState {
public:
    static FakeEngineState &instance();

    void reset();
    void record(std::string line);
    // The answer for the next call of fn: the first queued one, else the
    // function's default.
    Answer take(const std::string &fn);

    void push(const std::string &fn);
    // Calls edit(answer) on the last queued answer (queueing one when none is)
    // or on the default answer.
    template <typename Edit>
    void edit(const std::string &fn, bool byDefault, Edit editAnswer) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (byDefault) {
            editAnswer(defaults_[fn]);
            return;
        }
        std::deque<Answer> &queue = queued_[fn];
        if (queue.empty()) {
            queue.emplace_back();
        }
        editAnswer(queue.back());
    }

    std::vector<std::string> log() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> log_;
    std::map<std::string, std::deque<Answer>> queued_;
    std::map<std::string, Answer> defaults_;
};

}  // namespace fakeengine
