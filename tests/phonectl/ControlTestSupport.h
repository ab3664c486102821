// A fixture for tests of VelkorControl against the recording fake engine.
#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "FakeEngine.h"
#include "VelkorErrorCatcher.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

using fakeengine::Lines;
using velkor17::DispatchKind;
using velkor17::VelkorError;

constexpr DispatchKind Method = DispatchKind::Method;
constexpr DispatchKind Get = DispatchKind::PropertyGet;
constexpr DispatchKind Put = DispatchKind::PropertyPut;

template <typename T>
QVariant v(T value) {
    return QVariant::fromValue<T>(value);
}

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeengine::reset();
        control = std::make_unique<VelkorControl>();
    }

    // Connects (init answers 0) and forgets the log and the script. The
    // polling timer is stopped: tests run its ticks with pollOnce, so that
    // none comes in between on a slow machine.
    void connect() {
        ASSERT_TRUE(control->Connect(QStringLiteral("VIRTUAL")));
        control->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        fakeengine::reset();
    }

    // The log with this control's handle written as H.
    Lines calls() const { return withHandle(fakeengine::calls(), *control, "H"); }

    static Lines withHandle(Lines lines, const VelkorControl &c, const std::string &name) {
        const std::string mine = "set_vlkr_instance(" + std::to_string(c.instanceHandle()) + ")";
        for (std::string &line : lines) {
            if (line == mine) {
                line = "set_vlkr_instance(" + name + ")";
            }
        }
        return lines;
    }

    // Runs one tick of the polling timer now.
    void pollOnce() {
        QTimer *timer = control->findChild<QTimer *>(QStringLiteral("Timer1"));
        ASSERT_NE(timer, nullptr);
        ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
    }

    std::unique_ptr<VelkorControl> control;
};

// An engine answer kept in a table and queued when its row runs.
class Reply {
public:
    explicit Reply(std::string fn) : fn_(std::move(fn)) {}
    Reply &result(int64_t value) {
        return add([=](fakeengine::Answer &a) { a.result(value); });
    }
    Reply &text(int32_t buffer, std::string value) {
        return add([=](fakeengine::Answer &a) { a.text(buffer, value); });
    }
    Reply &utf16(int32_t buffer, std::u16string value) {
        return add([=](fakeengine::Answer &a) { a.utf16(buffer, value); });
    }
    Reply &out(int32_t index, int32_t value) {
        return add([=](fakeengine::Answer &a) { a.out(index, value); });
    }
    void queue() const {
        fakeengine::Answer answer = fakeengine::answer(fn_);
        for (const auto &step : steps_) {
            step(answer);
        }
    }

private:
    Reply &add(std::function<void(fakeengine::Answer &)> step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    std::string fn_;
    std::vector<std::function<void(fakeengine::Answer &)>> steps_;
};
using Replies = std::vector<Reply>;

// How a row differs from the table's usual case: the link is down, or the
// call stores this code as LastError (otherwise the earlier code stays).
struct RowFlags {
    bool down = false;
    std::optional<qint16> stores;
};
inline RowFlags linkDown() {
    return {true, std::nullopt};
}
inline RowFlags stores(qint16 code, bool down = false) {
    return {down, code};
}

// One row of a member table of class T: the typed C++ call and invoke by
// DISPID must make the same engine calls and give the same result, of the
// expected's type through invoke. A typed call's result is wrapped as it is
// (an enumeration as qint32; nothing for void).
template <class T>
struct Member {
    template <class F>
    Member(const char *name, qint32 dispId, DispatchKind kind, QVariantList args, Replies replies,
           Lines calls, QVariant expected, F typed)
        : Member(RowFlags(), name, dispId, kind, std::move(args), std::move(replies),
                 std::move(calls), std::move(expected), typed) {}
    template <class F>
    Member(RowFlags flags, const char *name, qint32 dispId, DispatchKind kind, QVariantList args,
           Replies replies, Lines calls, QVariant expected, F typed)
        : flags(flags),
          name(name),
          dispId(dispId),
          kind(kind),
          args(std::move(args)),
          replies(std::move(replies)),
          calls(std::move(calls)),
          expected(std::move(expected)),
          typed([typed](T &o) -> QVariant {
              using R = std::invoke_result_t<F &, T &>;
              if constexpr (std::is_void_v<R>) {
                  typed(o);
                  return QVariant();
              } else if constexpr (std::is_enum_v<R>) {
                  return QVariant::fromValue<qint32>(typed(o));
              } else {
                  return QVariant::fromValue(typed(o));
              }
          }) {}

    RowFlags flags;
    const char *name;
    qint32 dispId;
    DispatchKind kind;
    QVariantList args;
    Replies replies;
    Lines calls;
    QVariant expected;
    std::function<QVariant(T &)> typed;
};

// Runs a member table: SetUp prepares `object` (with LastError `earlier`
// and the link as the row's flags say); each test drives one door.
template <class T>
class MemberTest : public ControlTest, public ::testing::WithParamInterface<Member<T>> {
protected:
    void check(bool byDispId) {
        const Member<T> &m = this->GetParam();
        for (const Reply &reply : m.replies) {
            reply.queue();
        }
        const QVariant result =
            byDispId ? object->invoke(m.dispId, m.kind, m.args) : m.typed(*object);
        Lines expected = prefix;
        expected.insert(expected.end(), m.calls.begin(), m.calls.end());
        EXPECT_EQ(calls(), expected);
        EXPECT_EQ(result, m.expected);
        if (byDispId) {
            EXPECT_EQ(result.metaType(), m.expected.metaType());
        }
        EXPECT_EQ(object->LastError(), m.flags.stores.value_or(earlier));
    }

    T *object = nullptr;
    qint16 earlier = 0;
    Lines prefix;  // calls every member makes first
};

#define MEMBER_TESTS(Fixture, rows)                                          \
    TEST_P(Fixture, TypedCallMakesTheEngineCallsAndGivesTheResult) {         \
        check(false);                                                        \
    }                                                                        \
    TEST_P(Fixture, InvokeByDispIdDoesTheSameWithTheSameType) {              \
        check(true);                                                         \
    }                                                                        \
    INSTANTIATE_TEST_SUITE_P(AllMembers, Fixture, ::testing::ValuesIn(rows), \
                             [](const auto &info) { return std::string(info.param.name); })

template <class T>
void PrintTo(const Member<T> &m, std::ostream *os) {
    *os << m.name;
}
