#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <ostream>
#include <string>

#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "canvas/ZoomView.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using glyphsmith::test::everyPixel;
using glyphsmith::test::MainWindowTest;

namespace {

struct DefaultCase {
    const char *settingLine;  // nullptr: no "DefaultLogo" key
    int kind;
    int width;
    int height;
    const char *option;
};

void PrintTo(const DefaultCase &c, std::ostream *os) {
    *os << (c.settingLine ? c.settingLine : "no DefaultLogo");
}

class DefaultLogoTest : public MainWindowTest, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(DefaultLogoTest, StartsInTheKindTheSettingNamesExactly) {
    const DefaultCase &c = GetParam();
    QStringList lines{QStringLiteral("ComPort=COM1")};
    if (c.settingLine) {
        lines << QString::fromLatin1(c.settingLine);
    }
    home.writeSettings(lines);
    FrmMain &w = start();
    EXPECT_EQ(w.document().iLogoKind, c.kind);
    EXPECT_EQ(w.document().iLogoWidth, c.width);
    EXPECT_EQ(w.document().iLogoHeight, c.height);
    EXPECT_TRUE(child<QRadioButton>(c.option)->isChecked());
    EXPECT_EQ(w.picContainer->width(), c.width * 6);
    EXPECT_EQ(w.picContainer->height(), c.height * 6);
    EXPECT_TRUE(w.document().sLogoPath.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DefaultLogoTest,
    ::testing::Values(DefaultCase{"DefaultLogo=Startup Logo", 3, 84, 48, "optStartup"},
                      DefaultCase{"DefaultLogo=startup logo", 0, 72, 14, "optOperator"},
                      DefaultCase{"DefaultLogo=startup", 0, 72, 14, "optOperator"},
                      DefaultCase{nullptr, 0, 72, 14, "optOperator"},
                      DefaultCase{"DefaultLogo=Operator Logo", 0, 72, 14, "optOperator"},
                      DefaultCase{"DefaultLogo=CallerGroup Logo", 1, 72, 14, "optCallerGroup"},
                      DefaultCase{"DefaultLogo=PictureMessage Logo", 2, 72, 28, "optPicture"}),
    [](const ::testing::TestParamInfo<DefaultCase> &info) {
        return std::string(info.param.option) + std::to_string(info.index);
    });

TEST_F(MainWindowTest, FirstStartRunsTheSetupAndLeavesABlankOperatorLogo) {
    FrmMain &w = start();
    EXPECT_TRUE(QFileInfo::exists(home.env.paths.settingsFile));
    EXPECT_EQ(w.document().iLogoKind, 0);
    EXPECT_FALSE(w.document().bModified);
    EXPECT_TRUE(everyPixel([&](int x, int y) { return !w.document().isPixelSet(x, y); }));
    EXPECT_EQ(w.lblPath->text(), QStringLiteral("Untitled"));
    EXPECT_TRUE(w.isVisible());
}

// "name=text" split at the first '='.
std::pair<QByteArray, QString> nameAndText(const QString &entry) {
    const qsizetype at = entry.indexOf(u'=');
    return {entry.left(at).toLatin1(), entry.mid(at + 1)};
}

TEST_F(MainWindowTest, WindowCarriesItsNamesCaptionsAndTips) {
    FrmMain &w = window();
    EXPECT_EQ(w.objectName(), QStringLiteral("frmMain"));
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Glyphsmith")));
    const QList<VelkorControl *> controls = w.findChildren<VelkorControl *>();
    ASSERT_EQ(controls.size(), 1);
    EXPECT_EQ(controls[0]->objectName(), QStringLiteral("Velk"));

    const QStringList entries =
        QStringLiteral(
            "mnuNew=&New;mnuOpen=&Open;mnuSave=&Save;mnuSaveAs=Save &As;mnuExit=&Exit;"
            "mnuViewOpt=&Operator logo;mnuViewCG=&CallerGroup logo;mnuViewPic=&Picture logo;"
            "mnuViewStartup=&Startup logo;mnuViewInfo=Phone &info;mnuSendText=Send &text message;"
            "mnuEditRingtone=&Edit ringtones;mnuPhonebook=Explore &phonebook;"
            "mnuRestart=&Restart phone;mnuOptions=&Options;mnuContents=&Contents;mnuAbout=&About")
            .split(u';');
    for (const QString &entry : entries) {
        const auto [name, caption] = nameAndText(entry);
        QAction *a = child<QAction>(name.constData());
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), caption) << entry.toStdString();
    }
    for (const char *sep : {"sep1", "sep2", "sep3", "sep5", "mnubar1"}) {
        QAction *a = child<QAction>(sep);
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(a->isSeparator()) << sep;
    }
    QStringList menus;
    for (QAction *a : w.menuBar()->actions()) {
        menus << a->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&View", "&Tools", "&Help"}));

    const QStringList tips =
        QStringLiteral(
            "cmdNew=New logo;cmdOpen=Open;CmdSave=Save logo;cmdReset=Restart phone;"
            "cmdSendLogo=Send logo to another phone via network;"
            "cmdDownload=Download logo from phone;cmdUpload=Upload logo to phone;"
            "cmdSendSms=Send SMS message;cmdPhonebook=View phonebook;cmdSnap=Take snap-shot;"
            "cmdUndo=Undo;cmdStartupText=Startup text;cmdRingtones=Manage ringtones")
            .split(u';');
    for (const QString &entry : tips) {
        const auto [name, tip] = nameAndText(entry);
        QPushButton *b = child<QPushButton>(name.constData());
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->toolTip(), tip) << entry.toStdString();
        EXPECT_TRUE(b->text().isEmpty()) << entry.toStdString();
    }
    const QStringList options =
        QStringLiteral(
            "optOperator=Operator logo;optCallerGroup=Callergroup logo;"
            "optPicture=Picturemessage logo;optStartup=Startup logo;OptCut=Cut;OptCopy=Copy")
            .split(u';');
    for (const QString &entry : options) {
        const auto [name, caption] = nameAndText(entry);
        EXPECT_EQ(child<QRadioButton>(name.constData())->text(), caption) << entry.toStdString();
    }
    for (const char *name : {"cmdSelector", "cmdPencil", "cmdErasor", "cmdFill", "cmdLine",
                             "cmdFullBox", "cmdEmptyBox", "cmdFullCircle", "cmdEmptyCircle",
                             "cmdText", "cmdFlipVertical", "cmdFlipHorizontal", "cmdInverse"}) {
        QPushButton *b = child<QPushButton>(name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->parentWidget(), w.fraToolBox) << name;
        EXPECT_EQ(b->size(), QSize(25, 25));
    }
    for (const char *name : {"txtStat1", "txtStat2", "txtStat3", "txtStat5", "txtStat6"}) {
        EXPECT_TRUE(child<QLineEdit>(name)->isReadOnly()) << name;
    }
    EXPECT_EQ(w.txtStat1->text(), QStringLiteral("Connecting..."));
    EXPECT_EQ(child<QLabel>("lblEdit")->text(), QStringLiteral("Icon being Edited:"));
    EXPECT_EQ(child<QLabel>("lblPhoneTime")->text(), QStringLiteral("12:00"));
    EXPECT_FALSE(w.cmdUndo->isEnabled());
    // fixed border: the user cannot resize the window
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
}

TEST_F(MainWindowTest, TimersHaveTheirIntervalsAndTheClockShowsHoursFrom00To23) {
    home.writeSettings({});
    FrmMain &w = start();
    EXPECT_EQ(w.tmrTimes->interval(), 10000);
    EXPECT_TRUE(w.tmrTimes->isActive());
    EXPECT_EQ(w.Timer1->interval(), 500);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.tmrChkConnection->interval(), 60000);
    EXPECT_FALSE(w.tmrChkConnection->isActive());
    EXPECT_EQ(w.txtStat6->text(), QStringLiteral("12:00"));
    // the clock shows hours from 00 to 23
    home.now = QTime(9, 5, 59);
    w.tmrTimes_Timer();
    EXPECT_EQ(w.lblPhoneTime->text(), QStringLiteral("09:05"));
    EXPECT_EQ(w.txtStat6->text(), QStringLiteral("09:05"));
    home.now = QTime(21, 5);
    w.tmrTimes_Timer();
    EXPECT_EQ(w.lblPhoneTime->text(), QStringLiteral("21:05"));
    EXPECT_EQ(w.txtStat6->text(), QStringLiteral("21:05"));
}

TEST_F(MainWindowTest, MouseOverTheWindowOutsideTheCanvasEmptiesThePixelText) {
    FrmMain &w = window();
    w.txtStat5->setText(QStringLiteral("12, 3"));
    QWidget *client = w.centralWidget();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 200), client->mapToGlobal(QPointF(5, 200)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(client, &move);
    EXPECT_TRUE(w.txtStat5->text().isEmpty());
}

TEST_F(MainWindowTest, ViewMenuRunsTheKindSwitch) {
    home.writeSettings({});
    FrmMain &w = start();
    w.mnuViewStartup->trigger();
    EXPECT_EQ(w.document().iLogoKind, 3);
    EXPECT_TRUE(w.optStartup->isChecked());
    w.mnuViewPic->trigger();
    EXPECT_EQ(w.document().iLogoKind, 2);
    EXPECT_TRUE(w.optPicture->isChecked());
    w.mnuViewCG->trigger();
    EXPECT_TRUE(w.optCallerGroup->isChecked());
    w.optOperator->click();
    EXPECT_EQ(w.document().iLogoKind, 0);
    // the kind options and the cut/copy options are separate choices
    EXPECT_TRUE(w.OptCut->isChecked());
}

}  // namespace
