#include <gtest/gtest.h>

#include <QSet>
#include <QSignalSpy>

#include "PixelCheck.h"
#include "document/LogoDocument.h"
#include "document/LogoKind.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

constexpr QRgb kClear = LogoDocument::kClearColor;
constexpr QRgb kBlack = LogoDocument::kSetColor;
constexpr QRgb kGrid = LogoDocument::kGridColor;

bool isGridPoint(int x, int y) {
    return x % 6 == 0 || y % 6 == 0;
}

TEST(LogoDocumentTest, ABlankCanvasHasTheGridAndAPixelFillsTheInsideOfItsCell) {
    LogoDocument doc;
    EXPECT_EQ(doc.preview().size(), QSize(84, 48));
    EXPECT_TRUE(everyPixel([&](int x, int y) { return doc.preview().pixel(x, y) == kClear; }));
    doc.setPixel(71, 13, kBlack);
    EXPECT_EQ(countSet(doc), 1);
    EXPECT_TRUE(previewSet(doc, 71, 13));
    // cell of (71, 13): 426..431 x 78..83; its inside 427..431 x 79..83
    const QRect view(0, 0, LogoDocument::kViewWidth, LogoDocument::kViewHeight);
    EXPECT_TRUE(everyPixel(view, [&](int x, int y) {
        const bool inside = x >= 427 && x <= 431 && y >= 79 && y <= 83;
        return doc.view().pixel(x, y) == (inside ? kBlack : (isGridPoint(x, y) ? kGrid : kClear));
    }));
    EXPECT_TRUE(doc.isPixelSet(71, 13));
    EXPECT_FALSE(doc.isPixelSet(70, 13));
    EXPECT_FALSE(doc.isPixelSet(71, 12));
}

TEST(LogoDocumentTest, EveryViewPointOfACellMapsToItAndItsBoxAndReadPointLieInside) {
    forEachPixel(QRect(-6, -6, 30, 30), [](int x, int y) {
        const QPoint cell = logoPixelAt(x + 0.5, y + 0.5);
        const QRect whole(cellOriginAt(x, y), QSize(6, 6));
        ASSERT_TRUE(whole.contains(x, y)) << x << "," << y;
        ASSERT_TRUE(whole.contains(cellBox(cell.x(), cell.y())));
        ASSERT_TRUE(cellBox(cell.x(), cell.y()).contains(cellReadPoint(cell.x(), cell.y())));
    });
    EXPECT_EQ(logoPixelAt(-0.5, 5.9), QPoint(-1, 0));
}

TEST(LogoDocumentTest, ListenersHearOfChangesAndOfTheFlagAndACopyHasNone) {
    LogoDocument doc;
    QSignalSpy changed(&doc, &LogoDocument::changed);
    QSignalSpy modified(&doc, &LogoDocument::modifiedChanged);
    doc.setPixel(1, 1, kBlack);  // single writes are told by their writer
    doc.redrawCanvas();
    doc.blankCanvas();
    doc.notifyChanged(QRect(2, 3, 1, 1));
    ASSERT_EQ(changed.count(), 3);
    EXPECT_EQ(changed.at(0).at(0).toRect(), QRect(0, 0, 84, 48));
    EXPECT_EQ(changed.at(2).at(0).toRect(), QRect(2, 3, 1, 1));
    for (const bool flag : {true, true, false, true}) {
        doc.setModified(flag);
    }
    EXPECT_EQ(modified.count(), 3);
    doc.setPixel(4, 4, kBlack);
    LogoDocument copy = doc;
    EXPECT_TRUE(copy.isModified());
    EXPECT_EQ(copy.view(), doc.view());
    copy.notifyChanged();
    copy.setModified(false);
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(modified.count(), 3);
}

TEST(LogoDocumentTest, OnlyExactBlackAtTheCellCentreReadsAsSetAndPixelsOutsideAreIgnored) {
    LogoDocument doc;
    doc.setPixel(3, 4, qRgb(1, 1, 1));  // very dark grey from an imported picture
    EXPECT_FALSE(doc.isPixelSet(3, 4));
    doc.setPixel(3, 4, kBlack);
    EXPECT_TRUE(doc.isPixelSet(3, 4));
    // only the centre counts
    doc.view().setPixel(cellReadPoint(3, 4), qRgb(0, 0, 1));
    EXPECT_FALSE(doc.isPixelSet(3, 4));
    doc.view().setPixel(cellBox(5, 5).topLeft(), kBlack);
    EXPECT_FALSE(doc.isPixelSet(5, 5));
    const QImage before = doc.view().copy();
    for (const QPoint p : {QPoint(-1, 0), QPoint(0, -1), QPoint(84, 0), QPoint(0, 48)}) {
        doc.setPixel(p.x(), p.y(), kBlack);
        EXPECT_FALSE(doc.isPixelSet(p.x(), p.y()));
    }
    EXPECT_EQ(doc.view(), before);
}

// RedrawCanvas against the obvious cell-by-cell construction.
TEST(LogoDocumentTest, RedrawBuildsTheViewFromThePreview) {
    LogoDocument doc;
    LogoDocument expected;
    forEachPixel(QRect(0, 0, 84, 48), [&](int x, int y) {
        if ((x * 7 + y * 3) % 5 == 0) {
            doc.preview().setPixel(x, y, kBlack);
            expected.setPixel(x, y, kBlack);
        }
    });
    doc.redrawCanvas();
    EXPECT_EQ(doc.view(), expected.view());
    // a stray colour in the preview fills its whole cell inside the grid
    doc.preview().setPixel(10, 10, qRgb(10, 20, 30));
    doc.redrawCanvas();
    EXPECT_EQ(doc.view().pixel(61, 61), qRgb(10, 20, 30));
    EXPECT_EQ(doc.view().pixel(60, 61), kGrid);
}

TEST(LogoDocumentTest, ClearingOutsideKeepsWhatFits) {
    LogoDocument doc;
    doc.preview().fill(kBlack);
    doc.clearPreviewOutside(72, 14);
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        return doc.preview().pixel(x, y) == (x < 72 && y < 14 ? kBlack : kClear);
    }));
    const QImage before = doc.preview();
    doc.clearPreviewOutside(84, 48);
    EXPECT_EQ(doc.preview(), before);
}

TEST(LogoKindTest, EveryKindFitsThePictureAndHasItsOwnLetterTypeAndSettingName) {
    QSet<QString> seen;
    for (const LogoKind kind : kAllLogoKinds) {
        const LogoKindInfo &info = logoKindInfo(kind);
        EXPECT_EQ(info.kind, kind);
        EXPECT_TRUE(QRect(0, 0, 84, 48).contains(QRect(0, 0, info.width, info.height)));
        EXPECT_EQ(kindFromSettingName(QString::fromLatin1(info.settingName)), kind);
        seen << QString(info.capability) << QString::number(fbLogoTypeForKind(kind));
    }
    EXPECT_EQ(seen.size(), 2 * kLogoKindCount);
    EXPECT_EQ(logoKindInfo(LogoKind(7)).kind, kOperatorLogo);
    EXPECT_EQ(logoKindInfo(LogoKind(-1)).kind, kOperatorLogo);
    // Setting names match exactly.
    for (const char *name : {"startup logo", "startup", "Startup Logo ", ""}) {
        EXPECT_FALSE(kindFromSettingName(QString::fromLatin1(name))) << name;
    }
}

TEST(LogoKindTest, CapabilityLettersAreCaseSensitive) {
    EXPECT_NE(transferAllowed(QStringLiteral("OS"), kOperatorLogo),
              transferAllowed(QStringLiteral("OS"), kCallerGroupLogo));
    for (const LogoKind kind : kAllLogoKinds) {
        EXPECT_FALSE(transferAllowed(QStringLiteral("ocps"), kind));
        EXPECT_FALSE(transferAllowed(QString(), kind));
        EXPECT_TRUE(transferAllowed(QStringLiteral("KOCPSR?"), kind));
    }
}

}  // namespace
