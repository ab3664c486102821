// Logo download and upload without a main window, on the engine's virtual
// phone and without a phone; the location dialogs answered from a timer.
#include <gtest/gtest.h>

#include <QPushButton>

#include "EditorTestSupport.h"
#include "FileTestSupport.h"
#include "LocationDialogScript.h"
#include "files/LogoFileController.h"
#include "phone/LogoTransfer.h"
#include "phone/PhoneSession.h"
#include "shell/SharedValues.h"
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
    EXPECT_EQ(setPixelCount(doc, 84, 48), 0);
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
    EXPECT_EQ(setPixelCount(doc, 84, 48), 0);
}

}  // namespace
