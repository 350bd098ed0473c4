// The stand-in's fonts, bitmaps, paths, PNG files and guillotine bin packing.
#include "FMX.BinPack.h"
#include "FMX.Graphics.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <unistd.h>

using namespace FMX;

TEST(PlatformGraphics, FontChangesAndStyles) {
    TFont font;
    int changes = 0;
    font.OnChanged = [&](TFont&) { ++changes; };
    font.SetFamily(u"Noto Naskh Arabic");
    font.SetFamily(u"Noto Naskh Arabic"); // no change, no notification
    font.SetSize(20);
    font.SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(font.StyleExt().Weight, TFontWeight::Bold);
    EXPECT_EQ(font.StyleExt().SimpleStyle, TFontStyles{TFontStyle::fsUnderline});
    EXPECT_EQ(font.Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsUnderline}));

    TFont copy;
    int copyChanges = 0;
    copy.OnChanged = [&](TFont&) { ++copyChanges; };
    copy.Assign(font);
    EXPECT_TRUE(copy.Equals(font));
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(changes, 3); // the source's handler is not copied or called
}

TEST(PlatformGraphics, PremultipliedColours) {
    EXPECT_EQ(PremultiplyAlpha(0x80FF4000), 0x80802000u);
    EXPECT_EQ(UnpremultiplyAlpha(0x80802000), 0x80FF4000u);
    EXPECT_EQ(UnpremultiplyAlpha(0x00123456), TAlphaColors::Null);
    EXPECT_EQ(UnpremultiplyAlpha(0x10FF0000), 0x10FF0000u); // malformed: channel clamped
}

TEST(PlatformGraphics, BitmapMapping) {
    TBitmap bitmap(3, 2);
    TBitmapData data;
    ASSERT_TRUE(bitmap.Map(TMapAccess::Write, data));
    EXPECT_EQ(data.Pitch, 12);
    EXPECT_THROW(bitmap.Map(TMapAccess::Write, data), Sys::EAssertionFailed);
    data.SetPixel(2, 1, TAlphaColors::White);
    data.GetScanline(0)[1] = 0x80808080;
    bitmap.Unmap(data);
    EXPECT_FALSE(bitmap.IsMapped());
    EXPECT_EQ(bitmap.Pixel(2, 1), TAlphaColors::White);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0x80808080u);
    EXPECT_EQ(bitmap.Pixel(0, 0), TAlphaColors::Null);
    EXPECT_THROW(bitmap.SetSize(-1, 2), Sys::EArgumentException);
}

TEST(PlatformGraphics, PngRoundTrip) {
    // Premultiplied pixels whose straight form is exact, so that the file's bytes can be predicted.
    TBitmap bitmap(4, 2);
    const TAlphaColor pixels[8] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000,
                                   0x80808080, 0x80800000, 0xFF123456, 0xFFFFFFFF};
    TBitmapData data;
    bitmap.Map(TMapAccess::Write, data);
    for (int i = 0; i < 8; ++i) data.SetPixel(i % 4, i / 4, pixels[i]);
    bitmap.Unmap(data);

    char path[] = "/tmp/zarvel-png-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    bitmap.SaveToPNG(path);

    // Read with libpng itself: the file holds straight RGBA.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path));
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> bytes(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr));
    ASSERT_EQ(image.width, 4u);
    ASSERT_EQ(image.height, 2u);
    const uint8_t expected[8][4] = {
        {255, 0, 0, 255},     {0, 255, 0, 255}, {0, 0, 255, 255},        {0, 0, 0, 0},
        {255, 255, 255, 128}, {255, 0, 0, 128}, {0x12, 0x34, 0x56, 255}, {255, 255, 255, 255}};
    for (int i = 0; i < 8; ++i)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(bytes[i * 4 + c], expected[i][c]) << "pixel " << i << " channel " << c;

    TBitmap back;
    back.LoadFromPNG(path);
    ASSERT_EQ(back.Width(), 4);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(back.Pixel(i % 4, i / 4), pixels[i]) << "pixel " << i;
    unlink(path);

    EXPECT_THROW(back.LoadFromPNG("/nonexistent/x.png"), EBitmapLoadingFailed);
    EXPECT_THROW(TBitmap().SaveToPNG(path), EBitmapSavingFailed);
    EXPECT_THROW(bitmap.SaveToPNG("/nonexistent/dir/x.png"), EBitmapSavingFailed);
}

TEST(PlatformGraphics, LoadingRejectsANonPngFile) {
    char path[] = "/tmp/zarvel-png-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, "not a png file at all", 21), 21);
    close(fd);
    TBitmap bitmap(1, 1);
    EXPECT_THROW(bitmap.LoadFromPNG(path), EBitmapLoadingFailed);
    unlink(path);
}

TEST(PlatformGraphics, PathElementsBoundsAndTranslation) {
    TPathData path;
    EXPECT_EQ(path.GetBounds(), TRectF{});
    path.MoveTo({1, 2});
    path.LineTo({5, 2});
    path.CurveTo({6, -1}, {7, 8}, {1, 6});
    path.ClosePath();
    path.MoveTo({10, 10});
    path.LineTo({11, 12});
    path.ClosePath();
    const std::vector<TPathPoint> expected = {
        {TPathPointKind::MoveTo, {1, 2}},   {TPathPointKind::LineTo, {5, 2}},
        {TPathPointKind::CurveTo, {6, -1}}, {TPathPointKind::CurveTo, {7, 8}},
        {TPathPointKind::CurveTo, {1, 6}},  {TPathPointKind::Close, {1, 2}},
        {TPathPointKind::MoveTo, {10, 10}}, {TPathPointKind::LineTo, {11, 12}},
        {TPathPointKind::Close, {10, 10}},
    };
    EXPECT_EQ(path.Points(), expected);
    EXPECT_EQ(path.GetBounds(), (TRectF{1, -1, 11, 12}));
    path.Translate(-1, 1);
    EXPECT_EQ(path.GetBounds(), (TRectF{0, 0, 10, 13}));
    EXPECT_EQ(path[0].Point, (TPointF{0, 3}));
}

TEST(PlatformGraphics, GuillotineBinPack) {
    TGuillotineBinPack bin(100, 50);
    // The first rectangle goes to the top-left. Its leftovers are 60 wide and 30 high; cutting so that
    // the smaller piece is smallest gives the bottom piece only the placed width.
    EXPECT_EQ(bin.Insert(40, 20), (TRect{0, 0, 40, 20}));
    EXPECT_EQ(bin.FreeRectangles(), (std::vector<TRect>{{0, 20, 40, 50}, {40, 0, 100, 50}}));
    // Best area fit: the 40 x 30 piece is smaller than the 60 x 50 one.
    EXPECT_EQ(bin.Insert(30, 30), (TRect{0, 20, 30, 50}));
    EXPECT_EQ(bin.Insert(60, 50), (TRect{40, 0, 100, 50}));
    EXPECT_FLOAT_EQ(bin.Occupancy(), (800.0f + 900 + 3000) / 5000);
    // Nothing is rotated or merged: a 20 x 10 fits only the 10 x 30 leftover turned, so it does not fit.
    EXPECT_TRUE(bin.Insert(20, 10).IsEmpty());
    EXPECT_EQ(bin.Insert(10, 30), (TRect{30, 20, 40, 50}));
    EXPECT_FLOAT_EQ(bin.Occupancy(), 1.0f);
    EXPECT_TRUE(bin.Insert(0, 5).IsEmpty());
    EXPECT_EQ(bin.UsedRectangles().size(), 4u);

    bin.Init(8, 8);
    EXPECT_EQ(bin.Occupancy(), 0.0f);
    EXPECT_EQ(bin.Insert(8, 8), (TRect{0, 0, 8, 8}));
    EXPECT_TRUE(bin.FreeRectangles().empty());
}

TEST(PlatformGraphics, BinPackPlacementsNeverOverlap) {
    TGuillotineBinPack bin(64, 64);
    std::vector<TRect> placed;
    for (int i = 0; i < 200; ++i) {
        const TRect r = bin.Insert(1 + (i * 7) % 13, 1 + (i * 5) % 11);
        if (r.IsEmpty()) continue;
        EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= 64 && r.Bottom <= 64);
        for (const TRect& o : placed)
            EXPECT_TRUE(r.Right <= o.Left || o.Right <= r.Left || r.Bottom <= o.Top || o.Bottom <= r.Top)
                << "overlap at " << i;
        placed.push_back(r);
    }
    long long area = 0;
    for (const TRect& r : placed) area += static_cast<long long>(r.Width()) * r.Height();
    EXPECT_FLOAT_EQ(bin.Occupancy(), static_cast<float>(area) / (64 * 64));
}
