// The main window's start-up and shut-down, its controls and its clock.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>
#include <functional>

#include "DrawWindowTest.h"
#include "FileDialogScript.h"
#include "FileTestSupport.h"
#include "PixelCheck.h"
#include "canvas/ZoomView.h"
#include "document/LogoKind.h"
#include "shell/FrmBackground.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

// The kind the "DefaultLogo" setting names exactly (kindFromSettingName has
// its own table in LogoDocumentTest); the operator logo for anything else.
TEST_F(MainWindowTest, StartsInTheKindTheSettingNamesExactly) {
    QStringList values = {QStringLiteral("startup logo"), QString()};
    for (const LogoKind kind : kAllLogoKinds) {
        values << QString::fromLatin1(logoKindInfo(kind).settingName);
    }
    const char *options[] = {"optOperator", "optCallerGroup", "optPicture", "optStartup"};
    for (const QString &value : values) {
        window_.reset();
        home.writeSettings({QStringLiteral("ComPort=COM1"),
                            value.isNull() ? QString() : QStringLiteral("DefaultLogo=") + value});
        FrmMain &w = start();
        const LogoKind kind = kindFromSettingName(value).value_or(kOperatorLogo);
        EXPECT_EQ(w.document().kind(), kind) << value.toStdString();
        EXPECT_EQ(w.document().logoWidth(), logoKindInfo(kind).width);
        EXPECT_TRUE(child<QRadioButton>(options[kind])->isChecked()) << value.toStdString();
    }
}

TEST_F(MainWindowTest, FirstStartRunsTheSetupAndLeavesABlankOperatorLogo) {
    FrmMain &w = start();
    EXPECT_TRUE(QFileInfo::exists(home.env.paths.settingsFile));
    EXPECT_EQ(w.document().kind(), 0);
    EXPECT_FALSE(w.document().isModified());
    EXPECT_TRUE(everyPixel([&](int x, int y) { return !w.document().isPixelSet(x, y); }));
    EXPECT_EQ(w.ui().lblPath->text(), QStringLiteral("Untitled"));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, EveryControlIsNamedOnceAndTheCommandsHaveThePlatformsKeys) {
    FrmMain &w = window();
    const MainWindowUi &ui = w.ui();
    EXPECT_EQ(w.objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(w.findChildren<VelkorControl *>(), QList<VelkorControl *>{ui.Velk});
    QSet<QString> names;
    QList<const QObject *> controls;
    for (const QWidget *c : w.findChildren<QWidget *>()) {
        controls << c;
    }
    for (const QAction *a : w.findChildren<QAction *>()) {
        controls << a;
    }
    for (const QObject *o : controls) {
        const QString name = o->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            EXPECT_FALSE(names.contains(name)) << name.toStdString();
            names.insert(name);
        }
    }
    for (const QPushButton *b : w.findChildren<QPushButton *>()) {
        EXPECT_FALSE(b->objectName().isEmpty());
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
    }
    const std::pair<const QAction *, QKeySequence::StandardKey> keys[] = {
        {ui.mnuNew, QKeySequence::New},   {ui.mnuOpen, QKeySequence::Open},
        {ui.mnuSave, QKeySequence::Save}, {ui.mnuSaveAs, QKeySequence::SaveAs},
        {ui.mnuExit, QKeySequence::Quit},
    };
    for (const auto &[action, key] : keys) {
        EXPECT_EQ(action->shortcut(), QKeySequence(key)) << action->objectName().toStdString();
    }
    EXPECT_EQ(ui.cmdUndo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "fixed border";
}

TEST_F(MainWindowTest, TheClockRunsFromStartAndShowsHoursFrom00To23) {
    home.writeSettings({});
    FrmMain &w = start();
    EXPECT_TRUE(w.ui().tmrTimes->isActive());
    for (const auto &[now, shown] :
         {std::pair{QTime(9, 5, 59), "09:05"}, {QTime(21, 5), "21:05"}}) {
        home.now = now;
        w.tmrTimes_Timer();
        EXPECT_EQ(w.ui().lblPhoneTime->text(), QLatin1String(shown));
        EXPECT_EQ(w.ui().txtStat6->text(), QLatin1String(shown));
    }
}

TEST_F(MainWindowTest, MouseOverTheWindowOutsideTheCanvasEmptiesThePixelText) {
    FrmMain &w = window();
    w.ui().txtStat5->setText(QStringLiteral("12, 3"));
    QWidget *client = w.centralWidget();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 200), client->mapToGlobal(QPointF(5, 200)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(client, &move);
    EXPECT_TRUE(w.ui().txtStat5->text().isEmpty());
}

TEST_F(MainWindowTest, ViewMenuRunsTheKindSwitch) {
    home.writeSettings({});
    FrmMain &w = start();
    w.ui().mnuViewStartup->trigger();
    EXPECT_EQ(w.document().kind(), 3);
    EXPECT_TRUE(w.ui().optStartup->isChecked());
    w.ui().mnuViewPic->trigger();
    EXPECT_EQ(w.document().kind(), 2);
    EXPECT_TRUE(w.ui().optPicture->isChecked());
    w.ui().optOperator->click();
    EXPECT_EQ(w.document().kind(), 0);
    // the kind options and the cut/copy options are separate choices
    EXPECT_TRUE(w.ui().OptCut->isChecked());
}

using ShutdownTest = DrawWindowTest;

TEST_F(ShutdownTest, OnlyAModifiedLogoIsAskedForAndEveryAnswerCloses) {
    window_->ui().mnuExit->trigger();
    EXPECT_TRUE(home.messages->shown.empty()) << "unmodified: no question";
    EXPECT_FALSE(window_->isVisible());
    for (const bool yes : {false, true}) {  // Yes with Save As cancelled closes too
        home.messages->shown.clear();
        window_.reset();
        start().document().setModified(true);
        home.messages->answers = {yes};
        ModalScript script;
        if (yes) {
            script.cancel();
        }
        EXPECT_TRUE(window_->close());
        EXPECT_TRUE(script.done());
        ASSERT_EQ(home.messages->shown.size(), 1u);
        EXPECT_EQ(home.messages->shown[0].text, QStringLiteral("Save current edited logo?"));
        EXPECT_FALSE(window_->isVisible());
    }
}

TEST_F(ShutdownTest, ShutdownRunsOnceDeletesTheScratchBitmapAndClosesTheEditorsWindows) {
    const QString scratch = home.env.paths.scratchBitmap();
    QDir().mkpath(QFileInfo(scratch).absolutePath());
    ASSERT_TRUE(writeBytes(scratch, "BM"));
    FrmBackground background;
    QWidget splash, unrelated;
    splash.setObjectName(QStringLiteral("frmSplash"));
    unrelated.setObjectName(QStringLiteral("somethingElse"));
    for (QWidget *other : {static_cast<QWidget *>(&background), &splash, &unrelated}) {
        other->show();
    }
    doc().setModified(true);
    w().close();
    w().close();
    EXPECT_FALSE(QFileInfo::exists(scratch));
    EXPECT_EQ(home.messages->shown.size(), 1u);
    EXPECT_FALSE(background.isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(unrelated.isVisible());
}

// A close that arrives while a handler lets window messages run (the
// reconnect guard on a dead link) waits for the handler: the window is never
// deleted under it, and closes afterwards.
TEST(ShutdownDuringHandlerTest, TheWindowOutlivesItsOwnHandlers) {
    using Run = std::function<void(FrmMain &)>;
    const std::pair<const char *, Run> handlers[] = {
        {"start-up", [](FrmMain &w) { w.startUp(); }},
        {"New", [](FrmMain &w) { w.ui().cmdNew->click(); }},
        {"Open", [](FrmMain &w) { w.ui().mnuOpen->trigger(); }},
        {"Save", [](FrmMain &w) { w.ui().CmdSave->click(); }},
        {"Download", [](FrmMain &w) { w.ui().cmdDownload->click(); }},
        {"Upload", [](FrmMain &w) { w.ui().cmdUpload->click(); }},
        {"Restart", [](FrmMain &w) { w.ui().mnuRestart->trigger(); }},
    };
    EditorHome home;
    home.writeSettings({});
    for (const auto &[name, run] : handlers) {
        auto *w = new FrmMain(home.env);
        w->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<FrmMain> alive(w);
        if (std::string(name) != "start-up") {
            w->startUp();
            w->ui().cmdUpload->setEnabled(true);  // as a capability gate would leave them
            w->ui().cmdDownload->setEnabled(true);
        }
        ModalScript script;  // the file dialogs of Open and Save
        script.cancel();
        QMetaObject::invokeMethod(
            w, [w] { w->close(); }, Qt::QueuedConnection);
        run(*w);
        ASSERT_TRUE(alive) << name << ": deleted under its own handler";
        for (int i = 0; i < 20 && alive; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_FALSE(alive) << name << ": the close was lost";
        delete alive.data();
    }
}

}  // namespace
