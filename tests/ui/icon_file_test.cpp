#include "ui/form_pictures.h"

#include <array>
#include <cstdlib>

#include <QImage>

#include <gtest/gtest.h>

#include "test_application.h"

namespace quor {
namespace {

std::array<int, 3> channels(QRgb colour) { return {qRed(colour), qGreen(colour), qBlue(colour)}; }

// The desktop's icon file is drawn by tools/make_icon.py, apart from the form's
// icon; this keeps the two one design. Each 8 x 8 block of the 256 px file,
// averaged, stands for one pixel of the 32 px icon. The two rasterisers smooth
// corners differently, so pixels are compared on average: a ring turned by a
// hundredth of a turn or a pen a third wider triples the mean difference, and a
// ring's colour changed shifts its channel's total by several per cent.
TEST(icon_file_test, the_desktop_icon_is_the_form_icon_drawn_eight_times_larger) {
    testing::test_application();
    const QImage file(QStringLiteral(QUOR_TEST_DIR "/../packaging/icons/io.github.quorrings.Quorrings.png"));
    ASSERT_EQ(file.size(), QSize(256, 256));
    const QImage form = icon_picture().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(form.size(), QSize(32, 32));

    long difference = 0;
    std::array<long, 3> file_total{}, form_total{};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            std::array<int, 3> block{};
            for (int dy = 0; dy < 8; ++dy) {
                for (int dx = 0; dx < 8; ++dx) {
                    const std::array<int, 3> pixel = channels(file.pixel(x * 8 + dx, y * 8 + dy));
                    for (int channel = 0; channel < 3; ++channel) block[channel] += pixel[channel];
                }
            }
            const std::array<int, 3> expected = channels(form.pixel(x, y));
            for (int channel = 0; channel < 3; ++channel) {
                const int averaged = (block[channel] + 32) / 64;
                difference += std::abs(averaged - expected[channel]);
                file_total[channel] += averaged;
                form_total[channel] += expected[channel];
            }
        }
    }
    EXPECT_LT(double(difference) / (32 * 32 * 3), 3.0) << "on average per pixel and channel, of 255";
    for (int channel = 0; channel < 3; ++channel) {
        SCOPED_TRACE(::testing::Message() << "channel " << channel);
        EXPECT_NEAR(double(file_total[channel]), double(form_total[channel]), 0.02 * double(form_total[channel]));
    }
}

}  // namespace
}  // namespace quor
