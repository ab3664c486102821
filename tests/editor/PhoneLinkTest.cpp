// The phone link and logo transfers without a main window: the port,
// connecting with and without a phone, the capability gate, the reconnect
// guard, download and upload on the engine's virtual phone and without a
// phone; and through the main window, its link with no phone answering and
// on the virtual phone, and one round trip per kind. The location dialogs
// are answered from a timer.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "FileTestSupport.h"
#include "LocationDialogScript.h"
#include "MainWindowTest.h"
#include "document/LogoDocument.h"
#include "files/LogoFileController.h"
#include "phone/LogoTransfer.h"
#include "phone/PhoneSession.h"
#include "shell/Settings.h"
#include "shell/SharedValues.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

class LogoTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.env.portOverride = QStringLiteral("VIRTUAL");
        QObject::connect(&transfer, &LogoTransfer::statusText,
                         [this](const QString &t) { status = t; });
        QObject::connect(&transfer, &LogoTransfer::replacingDocument, [this] {
            ++emptied;
            doc.blankCanvas();
        });
    }
    void use(LogoKind kind) {
        doc.setKind(kind);
        doc.setLogoSize(logoKindInfo(kind).width, logoKindInfo(kind).height);
    }
    FBLogo *logo() { return control.Logo(); }

    EditorHome home;
    LogoDocument doc;
    VelkorControl control;
    SharedValues shared;
    LogoFileController files{doc, control};
    PhoneSession session{control, home.env, doc};
    LogoTransfer transfer{control, session, doc, files, shared, nullptr};
    ModalScript script;
    QString status = QStringLiteral("unset");
    int emptied = 0;
};

TEST_F(LogoTransferTest, LocatedLogosGoToTheTypedLocationWithTheirTextAndComeBack) {
    for (const LogoKind kind : {kCallerGroupLogo, kPictureMessage}) {
        use(kind);
        const Pattern p = patternForKind(kind, 500 + kind);
        drawPattern(doc, p);
        script.then(answerLocation(QStringLiteral("3"), QStringLiteral("Hi")));
        transfer.upload(QStringLiteral("244 05"));
        ASSERT_EQ(status, "Ready") << kind;
        EXPECT_EQ(logo()->CallerGroupNumber(), 2);  // "3" is location 2
        EXPECT_EQ(logo()->MessageText(), "Hi");
        doc.blankCanvas();
        logo()->setLogoType(fbOperatorLogo);
        script.then(answerLocation(QStringLiteral("3")));
        transfer.download();
        EXPECT_EQ(status, "Ready");
        EXPECT_EQ(emptied, kind == kCallerGroupLogo ? 1 : 2);
        EXPECT_TRUE(canvasShows(doc, p)) << kind;
        EXPECT_EQ(doc.kind(), kind);
        EXPECT_FALSE(doc.isModified());
        EXPECT_EQ(logo()->LogoType(), fbLogoTypeForKind(kind));
    }
    EXPECT_EQ(script.unexpected(), 0);
}

TEST_F(LogoTransferTest, OperatorLogosAskNothingAndCarryTheNetworkCodeBothWays) {
    use(kOperatorLogo);
    logo()->setLogoType(fbCallerLogo);
    logo()->setCallerGroupNumber(4);
    const Pattern p = patternForKind(kOperatorLogo, 510);
    drawPattern(doc, p);
    QString code = QStringLiteral("unset");
    doc.setPath(QStringLiteral("/x/op.NOL"));
    doc.setModified(true);
    QObject::connect(&transfer, &LogoTransfer::netCodeDownloaded,
                     [&](const QString &c) { code = c; });
    transfer.upload(QString());
    EXPECT_EQ(status, "Ready");
    EXPECT_EQ(logo()->NetCode(), "");
    EXPECT_EQ(logo()->CallerGroupNumber(), 4);
    transfer.upload(QStringLiteral("244 05"));
    // an upload leaves the document alone
    EXPECT_TRUE(canvasShows(doc, p));
    EXPECT_EQ(doc.path(), "/x/op.NOL");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(emptied, 0);
    doc.setLogoWidth(5);  // the size comes from the logo object
    transfer.download();
    EXPECT_EQ(doc.logoWidth(), 72);
    EXPECT_EQ(code, "244 05");
    EXPECT_TRUE(canvasShows(doc, p));
    EXPECT_EQ(script.shown(), 0);
}

TEST_F(LogoTransferTest, ZeroCancelAndPastTheEndLocations) {
    use(kCallerGroupLogo);
    const Pattern first = patternForKind(kCallerGroupLogo, 520);
    drawPattern(doc, first);
    session.connectPhone();
    transfer.uploadTo(1, QString());
    ASSERT_EQ(status, "Ready");
    // "0" is location -1: the logo object's own group number stays
    logo()->setCallerGroupNumber(1);
    doc.blankCanvas();
    script.then(answerLocation(QStringLiteral("0")));
    transfer.download();
    EXPECT_EQ(status, "Ready");
    EXPECT_TRUE(canvasShows(doc, first));
    // a cancelled download empties the document and says nothing
    drawPattern(doc, first);
    status = QStringLiteral("unset");
    script.cancel();
    transfer.download();
    EXPECT_TRUE(status.isEmpty());
    EXPECT_EQ(countSet(doc), 0);
    // past the phone's last location both ways
    script.then(answerLocation(QStringLiteral("10")));
    transfer.download();
    EXPECT_EQ(status, "Problem Downloading Logo");
    script.then(answerLocation(QStringLiteral("9")));
    transfer.upload(QString());
    EXPECT_EQ(status, "Problem Uploading Logo");
    EXPECT_TRUE(script.done());
}

TEST_F(LogoTransferTest, WithoutAPhoneBothReportTheirProblemInTheStatusText) {
    home.env.portOverride = home.root + QStringLiteral("/no-such-port");
    use(kOperatorLogo);
    drawPattern(doc, patternForKind(kOperatorLogo, 540));
    transfer.upload(QString());
    EXPECT_EQ(status, "Problem Uploading Logo");
    transfer.download();
    EXPECT_EQ(status, "Problem Downloading Logo");
    EXPECT_EQ(countSet(doc), 0);
}

class TransferRoundTripTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        home.env.portOverride = QStringLiteral("VIRTUAL");
        home.writeSettings({});
        start();
        ASSERT_EQ(w().ui().txtStat1->text(), "Ready");
    }
    FrmMain &w() { return *window_; }
    LogoDocument &doc() { return window_->document(); }
};

TEST_P(TransferRoundTripTest, UploadedLogoDownloadsAgainPixelForPixel) {
    const LogoKind kind = LogoKind(GetParam());
    const bool located = kind == kCallerGroupLogo || kind == kPictureMessage;
    choose(kind);
    const Pattern p = patternForKind(kind, 300 + kind);
    drawPattern(doc(), p);
    w().ui().txtNetCode->setText(QStringLiteral("244 05"));
    ModalScript script;
    if (located) {
        script.then(answerLocation(QStringLiteral("2"), QStringLiteral("Hi")));
    }
    w().ui().cmdUpload->click();
    ASSERT_EQ(w().ui().txtStat1->text(), "Ready");

    doc().setModified(false);
    w().mnuNew_Click();
    ASSERT_EQ(countSet(doc()), 0);
    w().ui().txtNetCode->clear();
    doc().setPath(QStringLiteral("/somewhere/earlier.NOL"));
    doc().setModified(true);
    w().TakeUndoSnapshot();  // a step the download must drop
    if (located) {
        script.then(answerLocation(QStringLiteral("2")));
    }
    w().ui().cmdDownload->click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(w().ui().txtStat1->text(), "Ready");
    EXPECT_TRUE(canvasShows(doc(), p));
    EXPECT_FALSE(doc().isModified());
    // the canvas no longer shows that file: Save must ask for a name
    EXPECT_TRUE(doc().path().isEmpty());
    EXPECT_EQ(w().ui().lblPath->text(), "Untitled");
    EXPECT_FALSE(w().ui().cmdUndo->isEnabled());
    EXPECT_EQ(doc().kind(), kind);
    if (kind == kOperatorLogo) {
        EXPECT_EQ(w().ui().txtNetCode->text(), "244 05");
    }
    EXPECT_TRUE(home.messages->shown.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TransferRoundTripTest,
                         ::testing::Values(int(kOperatorLogo), int(kCallerGroupLogo),
                                           int(kPictureMessage), int(kStartupLogo)));

class PhoneSessionTest : public ::testing::Test {
protected:
    // Every announcement in order, as "signal:value".
    QStringList heard;
    void listen(PhoneSession &s) {
        QObject::connect(&s, &PhoneSession::connecting,
                         [this](bool on) { heard << "connecting:" + QString::number(on); });
        QObject::connect(&s, &PhoneSession::statusText,
                         [this](const QString &t) { heard << "status:" + t; });
        QObject::connect(&s, &PhoneSession::linkIcon,
                         [this](int id) { heard << "icon:" + QString::number(id); });
        QObject::connect(&s, &PhoneSession::transfersEnabled,
                         [this](bool on) { heard << "transfers:" + QString::number(on); });
        QObject::connect(&s, &PhoneSession::linkLost, [this] { heard << "lost"; });
        QObject::connect(&s, &PhoneSession::phoneNamed, [this](const QString &n, const QString &m) {
            heard << "named:" + QString::number(!n.isEmpty() && !m.isEmpty());
        });
    }
    EditorHome home;
    LogoDocument doc;
    VelkorControl control;
};

TEST_F(PhoneSessionTest, PortComesFromTheSettingsAtEveryConnectUnlessThisRunGivesOne) {
    home.env.portOverride.clear();
    PhoneSession session(control, home.env, doc);
    EXPECT_EQ(session.port(), "COM1");  // no settings file
    home.writeSettings({QStringLiteral("ComPort=COM3")});
    EXPECT_EQ(session.port(), "COM3");
    home.env.portOverride = QStringLiteral("VIRTUAL");
    EXPECT_EQ(session.port(), "VIRTUAL");
    EXPECT_EQ(ReadSetting(home.env.paths.settingsFile, "RunStatus", "ComPort", QString()), "COM3");
}

TEST_F(PhoneSessionTest, AFailedConnectClosesTransfersAndReopensTheKindChoice) {
    PhoneSession session(control, home.env, doc);
    listen(session);
    session.connectPhone();
    EXPECT_EQ(heard, (QStringList{"connecting:1", "icon:101", "status:Connecting...",
                                  "status:Disconnected", "lost", "transfers:0", "icon:101",
                                  "named:0", "connecting:0"}));
    EXPECT_FALSE(session.guard());
}

TEST_F(PhoneSessionTest, EveryConnectAppliesTheGateOfTheKindBeingEdited) {
    home.env.portOverride = QStringLiteral("VIRTUAL");
    home.env.phoneCapabilities = [] { return QStringLiteral("OS"); };
    PhoneSession session(control, home.env, doc);
    listen(session);
    session.connectPhone();
    for (const LogoKind kind : kAllLogoKinds) {
        doc.setKind(kind);
        heard.clear();
        control.Disconnect();
        ASSERT_TRUE(session.guard());
        const bool allowed = kind == kOperatorLogo || kind == kStartupLogo;
        EXPECT_EQ(session.transfersAllowed(kind), allowed);
        EXPECT_EQ(heard, (QStringList{"connecting:1", "icon:101", "status:Connecting...",
                                      "transfers:" + QString::number(allowed), "status:Ready",
                                      "icon:102", "named:1", "connecting:0"}));
    }
}

TEST_F(PhoneSessionTest, TheGuardLeavesALiveLinkAloneAndAConnectInsideAConnectIsSkipped) {
    home.env.portOverride = QStringLiteral("VIRTUAL");
    PhoneSession session(control, home.env, doc);
    int inner = 0;
    QObject::connect(&session, &PhoneSession::busy, [&](bool on) {
        if (on && inner++ == 0) {
            session.connectPhone();  // as when window messages start another command
        }
    });
    QSignalSpy connects(&session, &PhoneSession::connecting);
    session.connectPhone();
    EXPECT_EQ(connects.count(), 2);
    ASSERT_TRUE(control.IsAlive());
    session.ensureConnected();
    EXPECT_TRUE(session.guard());
    EXPECT_EQ(connects.count(), 2);
}

TEST_F(MainWindowTest, StartUpGuardAndRestartGoOnWhenTheLinkStaysDown) {
    home.writeSettings({});
    FrmMain &w = start();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_EQ(w.ui().picStat5->property("iconId").toInt(), 101);
    EXPECT_FALSE(w.ui().cmdUpload->isEnabled());
    // what the kind choice or an earlier connect left is undone by the guard
    w.ui().cmdDownload->setEnabled(true);
    w.ui().txtStat2->setText(QStringLiteral("old model"));
    w.ui().optStartup->setEnabled(false);
    w.ui().cmdRingtones->setEnabled(false);
    w.EnsureConnected();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_FALSE(w.ui().cmdDownload->isEnabled());
    EXPECT_TRUE(w.ui().txtStat2->text().isEmpty());
    EXPECT_TRUE(w.ui().optStartup->isEnabled());
    EXPECT_TRUE(w.ui().cmdRingtones->isEnabled());
    w.ui().cmdReset->click();  // the restart fails in the control; nothing is reported
    w.ui().mnuRestart->trigger();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_TRUE(home.messages->shown.empty());
    EXPECT_FALSE(w.ui().Velk->IsAlive());
}

TEST_F(MainWindowTest, StartUpOnTheVirtualPhoneShowsItGatesTransfersAndReadsTheCentre) {
    home.env.portOverride = QStringLiteral("VIRTUAL");
    home.writeSettings({QStringLiteral("DefaultLogo=Startup Logo")});
    FrmMain &w = start();
    VelkorControl *velk = w.ui().Velk;
    ASSERT_EQ(w.ui().txtStat1->text(), QStringLiteral("Ready"));
    EXPECT_EQ(w.ui().picStat5->property("iconId").toInt(), 102);
    EXPECT_EQ(w.ui().txtStat3->text(), velk->ProviderName().toString() + QStringLiteral(" (") +
                                           velk->ProviderCountry() + QStringLiteral(")"));
    EXPECT_EQ(w.ui().txtStat2->text(), velk->PhoneModelName());
    EXPECT_FALSE(w.ui().txtStat2->text().trimmed().isEmpty());
    const QString caps = velk->PhoneCapabilities();
    EXPECT_EQ(w.document().kind(), kStartupLogo);
    EXPECT_EQ(w.ui().cmdUpload->isEnabled(), caps.contains(QLatin1Char('S')));
    w.optPicture_Click();
    EXPECT_EQ(w.ui().cmdDownload->isEnabled(), caps.contains(QLatin1Char('P')));
    EXPECT_EQ(w.sharedValues().sSMSC, velk->SMS()->SMSMessageCenter());
    EXPECT_FALSE(w.sharedValues().sSMSC.isEmpty());
    EXPECT_TRUE(home.messages->shown.empty());
}

}  // namespace
