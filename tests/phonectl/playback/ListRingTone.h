// A ring tone held in lists, for driving the player without an engine.
#pragma once

#include <QList>
#include <QStringList>
#include <stdexcept>

#include "RingToneSource.h"

namespace velkor17::test {

class ListRingTone : public velkor17::RingToneSource {
public:
    ListRingTone(QStringList notes, qint32 tempo, qint32 style = 0)
        : notes_(std::move(notes)), tempo_(tempo), styles_(notes_.size(), style) {}

    qint32 noteCount() override {
        ++countReads;
        if (failCount) {
            throw std::runtime_error("no engine");
        }
        return qint32(notes_.size());
    }
    qint32 tempo() override { return tempo_; }
    QString noteText(qint32 i) override {
        if (i == failTextAt) {
            throw std::runtime_error("no engine");
        }
        return notes_.value(i);
    }
    qint32 noteStyle(qint32 i) override {
        if (i == failStyleAt) {
            throw std::runtime_error("no engine");
        }
        return styles_.value(i);
    }

    void setStyle(qint32 i, qint32 style) { styles_[i] = style; }

    int countReads = 0;
    bool failCount = false;
    qint32 failTextAt = -1;
    qint32 failStyleAt = -1;

private:
    QStringList notes_;
    qint32 tempo_;
    QList<qint32> styles_;
};

}  // namespace velkor17::test
