// The installed icons are drawn from packaging/tillmate.svg; the window draws its icon in code
// (app/Logo.cpp). The SVG's 32 px rendering must show the same mark as the window's icon.

#include "app/Logo.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Two rasterizers smooth edges differently; the shapes and colours must agree. (Measured: a mean
// of 0.34 and one pixel off.)
constexpr double kMeanLimit = 1.5;
constexpr int kPixelsOffLimit = 8;

struct Difference {
    double mean = 0;   // mean absolute difference over all channels of all pixels, 0..255
    int pixelsOff = 0; // pixels with a channel more than 64 apart
};

Difference Compare(const QImage& a, const QImage& b) {
    Difference d;
    long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int channels[] = {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))};
            int worst = 0;
            for (int c : channels) {
                sum += c;
                worst = std::max(worst, c);
            }
            d.pixelsOff += worst > 64;
        }
    d.mean = double(sum) / (a.width() * a.height() * 4);
    return d;
}

QImage Premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

TEST(InstalledIcon, ShowsTheMarkTheWindowDraws) {
    const QImage installed(QStringLiteral(TILLMATE_ICON_32));
    ASSERT_FALSE(installed.isNull()) << TILLMATE_ICON_32;
    const QImage drawn = Premultiplied(DrawIcon().toImage());
    ASSERT_EQ(installed.size(), drawn.size());
    const Difference d = Compare(Premultiplied(installed), drawn);
    EXPECT_LT(d.mean, kMeanLimit);
    EXPECT_LT(d.pixelsOff, kPixelsOffLimit);
}

TEST(InstalledIcon, ComparisonTellsAnotherMarkApart) {
    // The same mark mirrored top to bottom must not pass as the window's icon.
    const QImage drawn = Premultiplied(DrawIcon().toImage());
    const Difference d = Compare(drawn.mirrored(false, true), drawn);
    EXPECT_GE(d.mean, kMeanLimit);
    EXPECT_GE(d.pixelsOff, kPixelsOffLimit);
}
