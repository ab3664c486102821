// A long random session on the real main window with the virtual phone:
// tools and drags, kind switches, undo, selection moves, save and reopen,
// upload and download, with the invariants checked after every step.
//   GLYPHSMITH_SESSION_SEED   the seed (default 19)
//   GLYPHSMITH_SESSION_STEPS  the number of steps (default 1500)
//   GLYPHSMITH_SESSION_LOG    when set, every step is named on stderr
// A failure names the seed and the step, so the run can be replayed.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>

#include "DrawWindowTest.h"
#include "FileDialogScript.h"
#include "LocationDialogScript.h"
#include "canvas/FloatingPicture.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

int fromEnvironment(const char *name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

class RandomSessionTest : public DrawWindowTest {
protected:
    void SetUp() override {
        home.env.portOverride = QStringLiteral("VIRTUAL");
        DrawWindowTest::SetUp();
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    QSize kindSize() {
        const LogoKindInfo &info = logoKindInfo(doc().kind());
        return {info.width, info.height};
    }
    // The logo's pixels (the document picture inside the kind's size).
    QImage logo() { return doc().preview().copy(QRect(QPoint(0, 0), kindSize())); }
    // A view point in the logo's cells, now and then just beyond them (but
    // inside the view: a release beyond it leaves a stroke unfinished).
    QPoint anyPoint() {
        const QSize s = kindSize();
        return QPoint(std::min(pick(s.width() * 6 + 6), view()->width()),
                      std::min(pick(s.height() * 6 + 6), view()->height()));
    }
    bool located() { return doc().kind() == kCallerGroupLogo || doc().kind() == kPictureMessage; }

    void toolDrag() {
        static const char *const buttons[] = {"cmdPencil",     "cmdErasor",     "cmdFill",
                                              "cmdLine",       "cmdFullBox",    "cmdEmptyBox",
                                              "cmdFullCircle", "cmdEmptyCircle"};
        const char *button = buttons[pick(8)];
        child<QPushButton>(button)->click();
        const Qt::MouseButton b = pick(4) == 0 ? Qt::RightButton : Qt::LeftButton;
        QPoint p = anyPoint();
        detail = QStringLiteral("%1 %2 from %3,%4").arg(button).arg(int(b)).arg(p.x()).arg(p.y());
        press(p, b);
        for (int i = pick(3); i > 0; --i) {
            p = anyPoint();
            detail += QStringLiteral(" via %1,%2").arg(p.x()).arg(p.y());
            move(p);
        }
        p = anyPoint();
        detail += QStringLiteral(" to %1,%2").arg(p.x()).arg(p.y());
        move(p);
        release(p, b);
    }
    void wholeLogo() {
        static const char *const buttons[] = {"cmdInverse", "cmdFlipHorizontal", "cmdFlipVertical"};
        child<QPushButton>(buttons[pick(3)])->click();
    }
    void selectionMove() {
        child<QPushButton>("cmdSelector")->click();
        child<QRadioButton>(pick(2) ? "OptCut" : "OptCopy")->click();
        const QPoint from = anyPoint();
        drag(from, anyPoint(), {from + QPoint(1, 1)});
        QWidget *floating = w().ui().picMove;
        if (!floating->isVisible()) {
            return;
        }
        if (pick(5) == 0) {
            QTest::keyClick(view(), Qt::Key_Delete);
            return;
        }
        const QPoint grip(2, 2), by(pick(97) - 48, pick(61) - 30);
        QTest::mousePress(floating, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(floating, grip + by);
        QTest::mouseRelease(floating, Qt::LeftButton, Qt::NoModifier, grip + by);
    }
    void switchKind() {
        static const char *const options[] = {"optOperator", "optCallerGroup", "optPicture",
                                              "optStartup"};
        const int kind = pick(4);
        child<QRadioButton>(options[kind])->click();
        EXPECT_EQ(doc().kind(), kind);
    }
    void saveAndReopen() {
        child<QPushButton>("cmdPencil")->click();  // drops a floating selection
        home.messages->shown.clear();
        const QImage saved = logo();
        const LogoKind kind = doc().kind();
        ModalScript script;
        script.chooseFile(home.root + QStringLiteral("/saved%1").arg(++saves));
        w().ui().mnuSaveAs->trigger();
        const QString path = w().ui().lblPath->text();
        EXPECT_TRUE(script.done());
        ASSERT_TRUE(home.messages->shown.empty()) << home.messages->shown.back().text.toStdString();
        child<QPushButton>(pick(2) ? "cmdInverse" : "cmdFlipVertical")->click();
        script.chooseFile(path);
        w().ui().mnuOpen->trigger();
        EXPECT_TRUE(script.done());
        EXPECT_EQ(doc().kind(), kind);
        EXPECT_TRUE(home.messages->shown.empty());
        EXPECT_EQ(logo(), saved) << path.toStdString();
        EXPECT_EQ(script.unexpected(), 0);
    }
    void upload() {
        const int where = located() ? pick(3) + 1 : 0;
        ModalScript script;
        if (located()) {
            script.then(answerLocation(QString::number(where)));
        }
        child<QPushButton>("cmdUpload")->click();
        EXPECT_TRUE(script.done());
        EXPECT_EQ(script.unexpected(), 0);
        ASSERT_EQ(w().ui().txtStat1->text(), "Ready");
        phone[{doc().kind(), where}] = logo();
    }
    void download() {
        const int where = located() ? pick(3) + 1 : 0;
        const auto held = phone.find({doc().kind(), where});
        if (held == phone.end()) {
            return;
        }
        ModalScript script;
        if (located()) {
            script.then(answerLocation(QString::number(where)));
        }
        child<QPushButton>("cmdDownload")->click();
        EXPECT_TRUE(script.done());
        EXPECT_EQ(script.unexpected(), 0);
        EXPECT_EQ(w().ui().txtStat1->text(), "Ready");
        EXPECT_EQ(logo(), held->second);
        ++downloads;
    }

    void checkInvariants() {
        const QSize size = kindSize();
        ASSERT_EQ(QSize(doc().logoWidth(), doc().logoHeight()), size);
        ASSERT_EQ(doc().preview().size(), QSize(84, 48));
        ASSERT_EQ(doc().view().size(), QSize(504, 288));
        EXPECT_TRUE(w().findChild<QRadioButton *>(QStringLiteral("optOperator"))->isChecked() ==
                    (doc().kind() == kOperatorLogo));
        if (!w().ui().picMove->isVisible()) {
            EXPECT_TRUE(viewMatchesPicture());
        }
    }

    std::mt19937 rng;
    QString detail;                               // what the last tool drag did
    int saves = 0, downloads = 0, undos = 0;      // checks made
    std::map<std::pair<int, int>, QImage> phone;  // (kind, location) -> what was uploaded
};

TEST_F(RandomSessionTest, InvariantsHoldThroughARandomSession) {
    const int seed = fromEnvironment("GLYPHSMITH_SESSION_SEED", 19);
    const int steps = fromEnvironment("GLYPHSMITH_SESSION_STEPS", 1500);
    const bool log = qEnvironmentVariableIsSet("GLYPHSMITH_SESSION_LOG");
    rng.seed(seed);
    std::optional<QImage> undoTo;  // what Undo must bring back, when known
    const char *previous = "start";
    for (int step = 1; step <= steps && !HasFailure(); ++step) {
        SCOPED_TRACE(::testing::Message() << "replay: GLYPHSMITH_SESSION_SEED=" << seed
                                          << " GLYPHSMITH_SESSION_STEPS=" << step);
        const QImage before = logo();
        const int what = pick(100);
        static const std::pair<int, const char *> names[] = {
            {40, "tool drag"},      {48, "whole-logo button"},
            {62, "selection move"}, {67, "kind switch"},
            {82, "undo"},           {86, "save and reopen"},
            {93, "upload"},         {100, "download"}};
        const char *name = std::find_if(std::begin(names), std::end(names), [&](auto n) {
                               return what < n.first;
                           })->second;
        SCOPED_TRACE(::testing::Message()
                     << "step " << step << ": " << name << ", after " << previous
                     << " (last drag: " << detail.toStdString() << ")");
        previous = name;
        if (log) {
            std::fprintf(stderr, "step %d: %s\n", step, name);
        }
        bool edit = false;
        if (what < 40) {
            toolDrag();
            edit = true;
        } else if (what < 48) {
            wholeLogo();
            edit = true;
        } else if (what < 62) {
            selectionMove();
            edit = true;
        } else if (what < 67) {
            switchKind();
        } else if (what < 82) {
            if (w().ui().cmdUndo->isEnabled()) {
                w().ui().cmdUndo->click();
                if (undoTo) {
                    EXPECT_EQ(logo(), *undoTo);
                    ++undos;
                }
            }
        } else if (what < 86) {
            saveAndReopen();
        } else if (what < 93) {
            upload();
        } else {
            download();
        }
        // an edit that changed nothing may or may not have left an undo step
        undoTo.reset();
        if (edit && !w().ui().picMove->isVisible() && logo() != before) {
            undoTo = before;
        }
        checkInvariants();
        if (HasFailure()) {
            ADD_FAILURE() << "failed at step " << step << " of seed " << seed;
        }
    }
    std::printf("seed %d, %d steps: %d saves reopened, %d downloads and %d undos compared\n", seed,
                steps, saves, downloads, undos);
}

}  // namespace
