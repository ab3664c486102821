// The engine's built-in virtual phone as the editor's tests see it: a fresh
// phone in this test's folder, and the records it saved.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <cstdint>

namespace glyphsmith::test {

// The engine's call `name`; null unless the engine is loaded already.
template <class F>
F engineCall(const char *name) {
    void *engine = dlopen("libphoneeng.so", RTLD_NOW | RTLD_NOLOAD);
    const F call = engine ? reinterpret_cast<F>(dlsym(engine, name)) : nullptr;
    if (engine) {
        dlclose(engine);  // the control that loaded it keeps it loaded
    }
    return call;
}

// The engine keeps one virtual phone per process: a phone of an earlier test
// (in its folder, gone by now) is replaced by one in this test's folder.
inline void freshVirtualPhone() {
    if (auto reload = engineCall<int16_t (*)()>("phoneeng_virtual_reload")) {
        reload();
    }
}

// The fields (after the first) of each saved record whose first field is `kind`.
inline QList<QStringList> virtualPhoneRecords(const QString &kind) {
    auto statePath = engineCall<int16_t (*)(char *, int32_t)>("phoneeng_virtual_state_path");
    char path[1024] = {};
    if (statePath == nullptr || statePath(path, sizeof path) != 0) {
        ADD_FAILURE() << "no virtual phone state file";
        return {};
    }
    QFile f(QString::fromLocal8Bit(path));
    QList<QStringList> records;
    for (const QByteArray &line :
         f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>()) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (fields.front() == kind) {
            records << fields.mid(1);
        }
    }
    return records;
}

}  // namespace glyphsmith::test
