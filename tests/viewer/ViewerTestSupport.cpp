#include "ViewerTestSupport.h"

#include "app/SharedState.h"
#include "formats/LinearFormat.h"
#include "formats/ViewerColours.h"
#include "genome/AnnotationModel.h"
#include "genome/ReferenceStore.h"
#include "site/SitePipeline.h"
#include "viewer/ViewerScene.h"
#include "viewer/ViewerWindow.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tallowby::test {

Colour Scaled(double red, double green, double blue) {
    return {static_cast<int>(std::lround(red * 255)), static_cast<int>(std::lround(green * 255)),
            static_cast<int>(std::lround(blue * 255))};
}

bool Near(const Colour& a, const Colour& b, int tolerance) {
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

std::string Describe(const Colour& colour) {
    return "(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " + std::to_string(colour.blue) +
           ")";
}

Colour PixelAt(const BgrImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
        ADD_FAILURE() << "pixel " << x << "," << y << " lies outside the picture";
        return {};
    }
    const size_t at = static_cast<size_t>(y) * static_cast<size_t>(BgrImage::RowBytes(image.width)) +
                      static_cast<size_t>(x) * 3;
    return {image.pixels[at + 2], image.pixels[at + 1], image.pixels[at]};
}

int PixelX(double sceneX, int width) {
    const ViewerScene& scene = Scene();
    const double screen = scene.scaleX * (sceneX + scene.translateX);
    return static_cast<int>(std::floor((screen + 1) / 2 * width));
}

int PixelY(double sceneY, int height, double bottom) {
    const double screen = Scene().scaleY * sceneY;
    return static_cast<int>(std::floor((screen - bottom) / (1 - bottom) * height));
}

namespace {
int AddSpan(const std::string& name, bool plus, int start, int end, std::vector<FeatureSpan>& into) {
    const int id = RegisterName(name, plus);
    into.push_back({start, end, id, plus});
    return id;
}

void AddParts(int transcriptId, bool plus, std::initializer_list<std::tuple<int, int, short>> parts) {
    auto& list = Annotation().partsByTranscript[transcriptId];
    for (const auto& [start, end, type] : parts) list.push_back({start, end, type, plus});
}
}  // namespace

void BuildSmallModel() {
    ResetSharedState();
    ResetSitePipeline();
    ResetAnnotationModel();
    ResetReferenceStore();
    ResetViewerScene();
    ResetLinearFormat();
    ResetColourTables();
    AnnotationModel& model = Annotation();
    std::vector<FeatureSpan>& genes = model.genesByChrom["chrT"];
    const int g1 = AddSpan("G1", true, 9600, 10450, genes);
    const int g2 = AddSpan("G2", false, 10650, 11400, genes);
    const int t1 = AddSpan("T1", true, 9600, 10450, model.transcriptsByGene[g1]);
    const int t3 = AddSpan("T3", true, 9600, 9800, model.transcriptsByGene[g1]);
    const int t2 = AddSpan("T2", false, 10650, 11400, model.transcriptsByGene[g2]);
    AddParts(t1, true, {{9600, 9650, kTypeFivePrimeUtr}, {9650, 9900, kTypeCds}, {10100, 10450, kTypeCds}});
    AddParts(t3, true, {{9600, 9700, kTypeExon}, {9700, 9800, kTypeOther}});
    AddParts(t2, false,
             {{10650, 10800, kTypeCds}, {10900, 11100, kTypeCds}, {11200, 11400, kTypeFivePrimeUtr}});
    Shared().annotationType = "gtf";
    CurrentSite& site = Site();
    site.siteChrom = "chrT";
    site.siteStartText = "10000";
    site.siteEndText = "11000";
    site.siteStart = 10000;
    site.siteEnd = 11000;
}

void WithStructureViewer(const std::string& mode, const std::function<void(int window)>& look) {
    bool looked = false;
    RunWhenViewerShown([&](int window) {
        look(window);
        looked = true;
        CloseViewerWindow(window);
    });
    EXPECT_TRUE(OpenStructureViewer(mode));
    EXPECT_TRUE(looked) << "the viewer window never drew itself";
}

uint32_t Little(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

BmpFileContents ReadBmp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    const std::string bytes = all.str();
    BmpFileContents contents;
    if (bytes.size() < 54) {
        ADD_FAILURE() << path << " is too short for a BMP: " << bytes.size() << " bytes";
        return contents;
    }
    contents.header = bytes.substr(0, 54);
    contents.image.width = static_cast<int>(Little(bytes, 18, 4));
    contents.image.height = static_cast<int>(Little(bytes, 22, 4));
    contents.image.pixels.assign(bytes.begin() + 54, bytes.end());
    return contents;
}

void ViewerTest::SetUp() {
    WorkspaceTest::SetUp();
    ASSERT_TRUE(ViewerDisplayAvailable()) << "the viewer tests need an X display with GLX (scripts/test runs them "
                                             "under xvfb-run)";
    BuildSmallModel();
}

void ViewerTest::TearDown() {
    ResetSitePipeline();
    ResetAnnotationModel();
    ResetViewerScene();
    ResetLinearFormat();
    ResetColourTables();
    WorkspaceTest::TearDown();
}

}  // namespace tallowby::test
