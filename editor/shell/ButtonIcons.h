// Pictures of the main window's buttons (they show pictures, no captions),
// painted at 20 x 20 pixels.
#pragma once

#include <QIcon>

namespace glyphsmith {

enum class ButtonIcon {
    New,
    Open,
    Save,
    Undo,
    Download,
    Upload,
    SendLogo,
    SendSms,
    StartupText,
    Phonebook,
    Ringtones,
    Snap,
    Reset,
    Selector,
    Pencil,
    Eraser,
    Fill,
    Line,
    FullBox,
    EmptyBox,
    FullCircle,
    EmptyCircle,
    Text,
    FlipVertical,
    FlipHorizontal,
    Inverse,
};

class ButtonIcons {
public:
    static constexpr int kSize = 20;
    static QIcon icon(ButtonIcon which);
};

}  // namespace glyphsmith
