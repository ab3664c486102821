// A long random session on the real main window with the virtual phone:
// tools and drags, whole-logo buttons, selection moves, kind switches, undo,
// save and reopen, upload and download, with the invariants checked after
// every step. GLYPHSMITH_SESSION_SEED (default 19) and
// GLYPHSMITH_SESSION_STEPS (default 1500) replay a failure, which names both.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <random>

#include "DrawWindowTest.h"
#include "FileDialogScript.h"
#include "LocationDialogScript.h"
#include "canvas/FloatingPicture.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

class RandomSessionTest : public DrawWindowTest {
public:  // the session's table takes the steps' addresses
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
        return QPoint(std::min(pick(kindSize().width() * 6 + 6), view()->width()),
                      std::min(pick(kindSize().height() * 6 + 6), view()->height()));
    }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    // The location dialog's answer for a kind that asks for one.
    int located(ModalScript &script) {
        if (doc().kind() != kCallerGroupLogo && doc().kind() != kPictureMessage) {
            return 0;
        }
        const int where = pick(3) + 1;
        script.then(answerLocation(QString::number(where)));
        return where;
    }

    void toolDrag() {
        static const char *const buttons[] = {"cmdPencil",     "cmdErasor",     "cmdFill",
                                              "cmdLine",       "cmdFullBox",    "cmdEmptyBox",
                                              "cmdFullCircle", "cmdEmptyCircle"};
        click(buttons[pick(8)]);
        const Qt::MouseButton b = pick(4) == 0 ? Qt::RightButton : Qt::LeftButton;
        press(anyPoint(), b);
        for (int i = pick(3); i > 0; --i) {
            move(anyPoint());
        }
        const QPoint to = anyPoint();
        move(to);
        release(to, b);
    }
    void wholeLogo() {
        static const char *const buttons[] = {"cmdInverse", "cmdFlipHorizontal", "cmdFlipVertical"};
        click(buttons[pick(3)]);
    }
    void selectionMove() {
        click("cmdSelector");
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
    void undo() {
        if (w().ui().cmdUndo->isEnabled()) {
            w().ui().cmdUndo->click();
            if (undoTo) {
                EXPECT_EQ(logo(), *undoTo);
                ++undos;
            }
        }
    }
    void saveAndReopen() {
        click("cmdPencil");  // drops a floating selection
        home.messages->shown.clear();
        const QImage saved = logo();
        const LogoKind kind = doc().kind();
        ModalScript script;
        script.chooseFile(home.root + QStringLiteral("/saved%1").arg(++saves));
        w().ui().mnuSaveAs->trigger();
        const QString path = w().ui().lblPath->text();
        click(pick(2) ? "cmdInverse" : "cmdFlipVertical");
        script.chooseFile(path);
        w().ui().mnuOpen->trigger();
        EXPECT_TRUE(script.done() && script.unexpected() == 0);
        EXPECT_TRUE(home.messages->shown.empty());
        EXPECT_EQ(doc().kind(), kind);
        EXPECT_EQ(logo(), saved) << path.toStdString();
    }
    void upload() {
        ModalScript script;
        const int where = located(script);
        click("cmdUpload");
        EXPECT_TRUE(script.done() && script.unexpected() == 0);
        ASSERT_EQ(w().ui().txtStat1->text(), "Ready");
        phone[{doc().kind(), where}] = logo();
    }
    void download() {
        ModalScript script;
        const int where = located(script);
        const auto held = phone.find({doc().kind(), where});
        if (held == phone.end()) {
            return;
        }
        click("cmdDownload");
        EXPECT_TRUE(script.done() && script.unexpected() == 0);
        EXPECT_EQ(w().ui().txtStat1->text(), "Ready");
        EXPECT_EQ(logo(), held->second);
        ++downloads;
    }

    void checkInvariants() {
        ASSERT_EQ(QSize(doc().logoWidth(), doc().logoHeight()), kindSize());
        ASSERT_EQ(doc().preview().size(), QSize(84, 48));
        ASSERT_EQ(doc().view().size(), QSize(504, 288));
        EXPECT_EQ(w().ui().optOperator->isChecked(), doc().kind() == kOperatorLogo);
        if (!w().ui().picMove->isVisible()) {
            EXPECT_TRUE(viewMatchesPicture());
        }
    }

    std::mt19937 rng;
    std::optional<QImage> undoTo;                 // what Undo must bring back, when known
    int saves = 0, downloads = 0, undos = 0;      // checks made
    std::map<std::pair<int, int>, QImage> phone;  // (kind, location) -> what was uploaded
};

int fromEnvironment(const char *name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

TEST_F(RandomSessionTest, InvariantsHoldThroughARandomSession) {
    const int seed = fromEnvironment("GLYPHSMITH_SESSION_SEED", 19);
    const int steps = fromEnvironment("GLYPHSMITH_SESSION_STEPS", 1500);
    rng.seed(seed);
    // cumulative weights out of 100; edits may leave an undo step
    const struct {
        int below;
        void (RandomSessionTest::*step)();
        bool edit;
    } kinds[] = {{40, &RandomSessionTest::toolDrag, true},
                 {48, &RandomSessionTest::wholeLogo, true},
                 {62, &RandomSessionTest::selectionMove, true},
                 {67, &RandomSessionTest::switchKind, false},
                 {82, &RandomSessionTest::undo, false},
                 {86, &RandomSessionTest::saveAndReopen, false},
                 {93, &RandomSessionTest::upload, false},
                 {100, &RandomSessionTest::download, false}};
    for (int step = 1; step <= steps && !HasFailure(); ++step) {
        SCOPED_TRACE(::testing::Message() << "replay: GLYPHSMITH_SESSION_SEED=" << seed
                                          << " GLYPHSMITH_SESSION_STEPS=" << step);
        const QImage before = logo();
        const int what = pick(100);
        const auto &kind = *std::find_if(std::begin(kinds), std::end(kinds),
                                         [&](const auto &k) { return what < k.below; });
        (this->*kind.step)();
        // an edit that changed nothing may or may not have left an undo step
        undoTo.reset();
        if (kind.edit && !w().ui().picMove->isVisible() && logo() != before) {
            undoTo = before;
        }
        checkInvariants();
    }
    std::printf("seed %d, %d steps: %d saves reopened, %d downloads and %d undos compared\n", seed,
                steps, saves, downloads, undos);
}

}  // namespace
