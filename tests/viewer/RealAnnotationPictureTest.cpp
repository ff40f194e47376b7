// The structure picture of a real annotation: GENCODE 29 genes of chromosome 1 (tests/data),
// loaded as the site form loads them and captured as the command line captures it.

#include "ViewerTestSupport.h"

#include "app/SharedState.h"
#include "genome/AnnotationLoad.h"
#include "site/SitePipeline.h"
#include "viewer/ViewerCapture.h"
#include "viewer/ViewerScene.h"

#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

using RealAnnotationPictureTest = ViewerTest;

int CountNear(const BgrImage& image, const Colour& colour, int tolerance) {
    int count = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) count += Near(PixelAt(image, x, y), colour, tolerance) ? 1 : 0;
    return count;
}

TEST_F(RealAnnotationPictureTest, Noc2lLocusDrawsItsIsoformsAroundTheSite) {
    BuildSmallModel();  // resets everything; the real model replaces the small one
    const std::string annotation = TALLOWBY_TEST_DATA "/genome/annotation/gencode_v29_human_chr1.gtf";
    ASSERT_TRUE(LoadAnnotation(annotation, "gtf", "chr1", "site"));
    Shared().annotationType = "gtf";
    CurrentSite& site = Site();
    site.siteChrom = "chr1";
    site.siteStart = 950000;
    site.siteEnd = 953000;

    ViewerCaptureRequest request;
    request.bmpPath = workspace + "noc2l.bmp";
    ASSERT_TRUE(CaptureViewerPicture(request));
    ASSERT_FALSE(SitePipeline().viewerGenes.empty());
    const BmpFileContents file = ReadBmp(request.bmpPath);
    ASSERT_EQ(file.image.width, 680);
    ASSERT_EQ(file.image.height, 680);
    // CDS boxes (their gradient's middle), intron bars and the band all show.
    EXPECT_GT(CountNear(file.image, Scaled(0.055, 0.14, 0.7), 25), 200);
    EXPECT_GT(CountNear(file.image, Scaled(0.5, 0.5, 0.68), 2), 200);
    EXPECT_GT(CountNear(file.image, Scaled(0.7, 0.8, 0.95), 2), 20000);
    // The drawn genes reach further than the window: the arrows may pan both ways.
    EXPECT_GT(Scene().leftExtent, 0.8f * 3000);
    EXPECT_GT(Scene().rightExtent, 0.8f * 3000);
}

}  // namespace
}  // namespace tallowby::test
