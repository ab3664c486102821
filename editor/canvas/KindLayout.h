// Where the main window puts its canvas, tools and status bar for each logo
// kind. Positions and sizes are in pixels of the window's client area (below
// the menu bar); the window height is the designed outer height in twips.
#pragma once

#include <QPoint>
#include <QRect>

#include "document/LogoKind.h"

namespace glyphsmith {

struct KindLayout {
    QRect picContainer;  // zoomed view (its top stays at 60)
    QRect shape2;        // frame around the zoomed view
    QPoint optCut;
    QPoint optCopy;
    QPoint fraToolBox;
    QPoint picReal;
    bool phoneDecorations;  // picMenuNames, lblPhoneTime, picBattery, picAntenna shown
    int windowHeightTwips;
    int statusBarTop;
};

inline constexpr int kTwipsPerPixel = 15;
// Outer height the designed window heights include beyond the client area:
// caption, menu bar and borders of a fixed single-border window.
inline constexpr int kDesignNonClientHeight = 47;
// Client width of the main window in pixels (10590 twips).
inline constexpr int kMainClientWidth = 706;

// Layout of a kind (kinds outside 0..3 give the operator layout).
const KindLayout &kindLayout(LogoKind kind);

// Height of the client area (below the menu bar) for a designed outer height.
int clientHeightForTwips(int windowHeightTwips);

}  // namespace glyphsmith
