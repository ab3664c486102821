// Turns a picture into logo pixels by brightness: the conversion behind the
// control's SetLogoPicture and each step of the logo animation.
//
// Colours here are 0x00BBGGRR values (red in the low byte), as hosts pass
// them; QRgb values of pictures are converted on the way in.
#pragma once

#include <QImage>
#include <QVariant>
#include <QtGlobal>
#include <vector>

class FBLogo;

namespace velkor17 {

class PictureToLogo {
public:
    // The screen colour of SetLogoPicture when the host gives none: magenta.
    static constexpr quint32 kDefaultScreenColor = 0xFF00FF;
    // A logo pixel that keeps its value (the picture shows the screen colour).
    static constexpr qint8 kLeave = -1;

    // round(red x 0.33 + green x 0.5 + blue x 0.17), halves to the even
    // number, computed exactly (0 to 255).
    static int brightness(quint32 color);

    // The colour a host handed in as a variant: a number 0x00BBGGRR or a
    // QColor; an empty or unusable variant gives the default.
    static quint32 screenColorOf(const QVariant &color);

    // The values for a width x height logo, row by row: 0 (set) where the
    // sampled colour's brightness is below `threshold`, 1 (clear) elsewhere,
    // kLeave where it is `screenColor`. Logo pixel (x, y) samples picture
    // pixel (floor((x + 0.1) * W / width), floor((y + 0.1) * H / height)) of the
    // W x H picture, drawn over the screen colour so that transparent parts
    // count as screen colour. A null picture or an empty logo gives all kLeave.
    static std::vector<qint8> pixels(const QImage &picture, int width, int height, int threshold,
                                     quint32 screenColor);

    // Writes pixels(...) into the logo through Pixel, leaving the kLeave
    // ones alone. A logo without a size is first downloaded from the phone as
    // an operator logo. A null picture changes nothing and calls nothing. The
    // logo is not uploaded. Engine failures show in the logo's LastError; a
    // missing engine throws VelkorError.
    static void apply(FBLogo &logo, const QImage &picture, int threshold, quint32 screenColor);
};

}  // namespace velkor17
