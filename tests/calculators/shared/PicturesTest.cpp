// The picture cache: each picture is drawn once, at the size of its control;
// a missing one leaves its control blank and is asked for again later.
#include "support/GuiTest.h"

#include "calculators/shared/Pictures.h"
#include "calculators/shared/Units.h"

#include <QImage>

namespace {

using testsupport::GuiTest;

TEST_F(GuiTest, EveryPictureIsDrawnOnceAtTheSizeOfItsControl) {
    const struct {
        int number;
        QPixmap (*accessor)();
        int width, height;
    } pictures[] = {
        {168, &pictures::Logo10, 368, 87},     {169, &pictures::components, 111, 20},
        {170, &pictures::fields2, 252, 226},   {171, &pictures::phase2, 472, 404},
        {172, &pictures::Cotects2, 402, 346},  {173, &pictures::thermos2, 315, 280},
        {174, &pictures::unit1_500, 500, 384}, {175, &pictures::unit2_500, 500, 285},
        {176, &pictures::unit3_500, 500, 611}, {177, &pictures::Nfi1_150, 150, 150},
    };
    for (const auto& c : pictures) {
        SCOPED_TRACE(c.number);
        const QPixmap picture = c.accessor();
        EXPECT_EQ(picture.size(), QSize(c.width, c.height));
        EXPECT_EQ(c.accessor().cacheKey(), picture.cacheKey()); // kept, not drawn again
        // A drawing, not an empty page.
        const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_GT(inked, 0.02 * image.width() * image.height());
        picture.save(testsupport::screenshotPath(QStringLiteral("picture-%1").arg(c.number)));
    }
    EXPECT_TRUE(pictures::draw(167).isNull());
    EXPECT_TRUE(pictures::draw(178).isNull());
}

QPixmap withoutPage3(int number) {
    return number == 176 ? QPixmap() : pictures::draw(number);
}

TEST_F(GuiTest, AMissingPictureLeavesItsControlBlankAndIsAskedForAgain) {
    pictures::setSource(&withoutPage3);
    pictures::releaseAll();
    const int page1 = pictures::reads(174), page3 = pictures::reads(176);
    ui::Window* units = Units();
    EXPECT_TRUE(units->canvas("Canvas3").backdrop().isNull());
    EXPECT_FALSE(units->canvas("Canvas1").backdrop().isNull());
    EXPECT_TRUE(units->isVisible());
    // The picture turns up again; closing and reopening the window asks for
    // the missing page once more, the others come from the cache.
    pictures::setSource(nullptr);
    units->close();
    testsupport::processEvents();
    EXPECT_FALSE(Units()->canvas("Canvas3").backdrop().isNull());
    EXPECT_EQ(pictures::reads(174), page1 + 1);
    EXPECT_EQ(pictures::reads(176), page3 + 2);
}

} // namespace
