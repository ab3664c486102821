#include "FakeEngineState.h"

namespace fakeengine {

FakeEngineState &FakeEngineState::instance() {
    static FakeEngineState state;
    return state;
}

void FakeEngineState::reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    log_.clear();
    queued_.clear();
    defaults_.clear();
}

void FakeEngineState::record(std::string line) {
    std::lock_guard<std::mutex> lock(mutex_);
    log_.push_back(std::move(line));
}

Answer FakeEngineState::take(const std::string &fn) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto queue = queued_.find(fn);
    if (queue != queued_.end() && !queue->second.empty()) {
        Answer answer = std::move(queue->second.front());
        queue->second.pop_front();
        return answer;
    }
    auto def = defaults_.find(fn);
    return def == defaults_.end() ? Answer() : def->second;
}

void FakeEngineState::push(const std::string &fn) {
    std::lock_guard<std::mutex> lock(mutex_);
    queued_[fn].emplace_back();
}

std::vector<std::string> FakeEngineState::log() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return log_;
}

}  // namespace fakeengine
