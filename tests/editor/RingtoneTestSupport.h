// The ring tone window on a private home, its control connected to the
// engine's virtual phone.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <memory>

#include "EditorTestSupport.h"
#include "ringtones/FrmRingtone.h"
#include "shell/SharedValues.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith::test {

class RingtoneWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        velk = std::make_unique<VelkorControl>();
        ASSERT_TRUE(velk->Connect(QStringLiteral("VIRTUALF")));
        folder = home.root + QStringLiteral("/MyRingtones");
        QDir().mkpath(folder);
        FrmRingtone::Host host;
        host.messages = home.messages;
        host.ringtonesFolder = folder;
        host.phoneCapabilities = [this] {
            return capabilities.isNull() ? velk->PhoneCapabilities() : capabilities;
        };
        frm = std::make_unique<FrmRingtone>(
            velk.get(), values, [this] { return picked; }, host);
    }
    void TearDown() override { frm.reset(); }

    FBRingTone &tone() { return *velk->RingTone(); }
    QString write(const QString &name, const QByteArray &content) {
        const QString path = folder + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
    QStringList objectNotes() {
        QStringList notes;
        for (qint16 i = 0; i < tone().Notes(); ++i) {
            notes << tone().Note(i);
        }
        return notes;
    }
    QStringList shownMessages() const {
        QStringList texts;
        for (const auto &m : home.messages->shown) {
            texts << m.text;
        }
        return texts;
    }
    // The tune that the virtual phone keeps at `location`, as its state file
    // records it ("name", "tempo", then the note texts); empty when none.
    QStringList storedTune(int location) const;

    EditorHome home;
    std::unique_ptr<VelkorControl> velk;
    SharedValues values;
    QString folder;
    QString capabilities;  // null: the phone's own
    QString picked;        // what the phonebook "returns"
    std::unique_ptr<FrmRingtone> frm;
};

}  // namespace glyphsmith::test
