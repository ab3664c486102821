// A started main window with helpers that drive the zoomed view with the
// mouse as a user does (press, moves, release in view pixels) and read the
// document back.
#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <initializer_list>

#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "canvas/ZoomView.h"
#include "tools/LineTool.h"
#include "tools/PencilTool.h"
#include "tools/SelectorTool.h"
#include "tools/ToolBox.h"

namespace glyphsmith::test {

class DrawWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.writeSettings({});
        start();
    }
    LogoDocument &doc() { return window_->document(); }
    FrmMain &w() { return *window_; }
    QWidget *view() { return window_->ui().picContainer; }

    // The centre of logo pixel (x, y)'s cell in view pixels.
    static QPoint cell(int x, int y) { return QPoint(x * 6 + 3, y * 6 + 3); }

    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(view(), b, Qt::NoModifier, p);
    }
    void move(QPoint p) { QTest::mouseMove(view(), p); }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(view(), b, Qt::NoModifier, p);
    }
    // Press at `from`, move through `via` and to `to`, release at `to`.
    void drag(QPoint from, QPoint to, std::initializer_list<QPoint> via = {},
              Qt::MouseButton b = Qt::LeftButton) {
        press(from, b);
        for (const QPoint &p : via) {
            move(p);
        }
        move(to);
        release(to, b);
    }

    // The chosen tool as a `T`; null when another one is chosen.
    template <class T>
    T *tool() {
        return dynamic_cast<T *>(w().currentTool());
    }
    QString toolButton() {
        const ToolDef *def = w().currentToolDef();
        return def ? QString::fromLatin1(def->button) : QString();
    }

    bool set(int x, int y) { return doc().isPixelSet(x, y); }
    int countSet(const QRect &r) { return test::countSet(doc(), r); }
    int countSetEverywhere() { return test::countSet(doc()); }
    void setPixels(const QRect &r) { test::setPixels(doc(), r); }
    ::testing::AssertionResult viewMatchesPicture() { return test::viewMatchesPicture(doc()); }
};

}  // namespace glyphsmith::test
