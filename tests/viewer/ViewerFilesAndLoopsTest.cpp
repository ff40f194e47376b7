// Saving viewer pictures as BMP files, the "Linear pos" window, and how viewer loops end: by the
// window's own close, by closing another viewer, by the main window closing, with the forms'
// events served meanwhile.

#include "ViewerTestSupport.h"
#include "WindowManagerClose.h"

#include "app/SharedState.h"
#include "app/ViewerLoops.h"
#include "genome/ReferenceStore.h"
#include "support/QtApp.h"
#include "viewer/BmpExport.h"
#include "viewer/ViewerCapture.h"
#include "viewer/ViewerScene.h"
#include "viewer/ViewerWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace tallowby::test {
namespace {

using BmpSaveTest = ViewerTest;

void ExpectFileHoldsPicture(const std::string& path, const BgrImage& shown) {
    const BmpFileContents file = ReadBmp(path);
    ASSERT_EQ(file.header.size(), 54u);
    const uint32_t rowBytes = static_cast<uint32_t>(BgrImage::RowBytes(shown.width));
    EXPECT_EQ(file.header.substr(0, 2), "BM");
    EXPECT_EQ(Little(file.header, 2, 4), rowBytes * static_cast<uint32_t>(shown.height) + 54);
    EXPECT_EQ(Little(file.header, 6, 4), 0u);
    EXPECT_EQ(Little(file.header, 10, 4), 54u);
    EXPECT_EQ(Little(file.header, 14, 4), 40u);
    EXPECT_EQ(file.image.width, shown.width);
    EXPECT_EQ(file.image.height, shown.height);
    EXPECT_EQ(Little(file.header, 26, 2), 1u);
    EXPECT_EQ(Little(file.header, 28, 2), 24u);
    EXPECT_EQ(Little(file.header, 30, 4), 0u);
    EXPECT_EQ(Little(file.header, 34, 4), rowBytes * static_cast<uint32_t>(shown.height));
    EXPECT_EQ(file.header.substr(38), std::string(16, '\0'));
    EXPECT_TRUE(file.image.pixels == shown.pixels) << "the file's rows differ from the window's picture";
}

TEST_F(BmpSaveTest, SKeySavesWhatTheWindowShowsThroughTheSaveDialog) {
    const std::string path = workspace + "picture.bmp";
    platform->saveFiles.push_back(path);
    WithStructureViewer("site", [&](int) {
        OnViewerSpecialKey(GLUT_KEY_UP, 0, 0);  // a zoomed picture, so the file is not the opening one by chance
        OnViewerKey('S', 0, 0);
        const BgrImage shown = ReadWindowPicture();
        ExpectFileHoldsPicture(path, shown);
        // The window's picture, not a blank one: the band is in it.
        EXPECT_TRUE(Near(PixelAt(shown, 340, 600), Scaled(0.7, 0.8, 0.95), 3));
    });
    ASSERT_EQ(platform->saveRequests.size(), 1u);
    EXPECT_EQ(platform->saveRequests[0].filter, "Files (*.bmp);;All Files (*)");
    EXPECT_EQ(platform->saveRequests[0].defaultExtension, "bmp");
    EXPECT_EQ(platform->saveRequests[0].initialFolder, workspace + "output/OpenGL/");
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(BmpSaveTest, OtherKeysAndACancelledDialogSaveNothing) {
    WithStructureViewer("site", [&](int) {
        for (unsigned char key : {'x', 'a', 'q', '\r'}) OnViewerKey(key, 0, 0);
        EXPECT_TRUE(platform->saveRequests.empty());
        OnViewerKey('s', 0, 0);  // the dialog is cancelled: its queue is empty
    });
    EXPECT_EQ(platform->saveRequests.size(), 1u);
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_TRUE(std::filesystem::is_empty(workspace));
}

TEST_F(BmpSaveTest, APictureThatCannotBeWrittenIsReported) {
    const std::string missingFolder = workspace + "no/such/folder/picture.bmp";
    const std::string folderInTheWay = workspace + "taken.bmp";
    std::filesystem::create_directory(folderInTheWay);
    for (const std::string& path : {missingFolder, folderInTheWay}) {
        platform->Clear();
        platform->saveFiles.push_back(path);
        WithStructureViewer("site", [&](int) { OnViewerKey('s', 0, 0); });
        ASSERT_EQ(platform->messages.size(), 1u) << path;
        EXPECT_EQ(platform->messages[0].kind, MessageKind::Error);
        EXPECT_EQ(platform->messages[0].text, "Failed to write " + path + ".");
    }
    EXPECT_FALSE(std::filesystem::exists(missingFolder));
    EXPECT_TRUE(std::filesystem::is_directory(folderInTheWay));
}

TEST_F(BmpSaveTest, CapturePressesTheArrowsThroughTheirRulesThenWritesAndCloses) {
    struct Case {
        int zoom, pan;
        float scale, panOffset;
    } cases[] = {{0, 0, 1, 0}, {3, 0, 1.331f, 0}, {0, 5, 1, -0.1f}, {0, -5, 1, 0.1f}, {30, 0, 10.8347f, 0}};
    for (const Case& c : cases) {
        BuildSmallModel();
        const std::string path = workspace + "capture.bmp";
        ViewerCaptureRequest request;
        request.zoomPresses = c.zoom;
        request.panPresses = c.pan;
        request.bmpPath = path;
        EXPECT_TRUE(CaptureViewerPicture(request));
        EXPECT_NEAR(Scene().scaleX, c.scale, 1e-3) << c.zoom << " " << c.pan;
        EXPECT_NEAR(Scene().panOffset, c.panOffset, 1e-5) << c.zoom << " " << c.pan;
        EXPECT_EQ(OpenViewerCount(), 0);
        EXPECT_EQ(std::filesystem::file_size(path), 54u + 2040u * 680u);
    }
    ViewerCaptureRequest refused;
    refused.zoomPresses = -1;
    refused.bmpPath = workspace + "refused.bmp";
    EXPECT_FALSE(CaptureViewerPicture(refused));
    EXPECT_FALSE(std::filesystem::exists(refused.bmpPath));
    EXPECT_EQ(platform->MessageTexts().back(), "The number of zoom presses must be 0 or more.");
}

class PositionWindowTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Shared().databasePath = workspace + "genome.fa";
        Reference().chromLengthIndex[{Shared().databasePath, "chrT"}] = 20000;
    }
    BgrImage Picture(const std::string& bmpPath) {
        BgrImage picture;
        RunWhenViewerShown([&](int window) {
            picture = ReadWindowPicture();
            if (!bmpPath.empty()) {
                EXPECT_TRUE(WriteWindowBmp(bmpPath));
            }
            CloseViewerWindow(window);
        });
        EXPECT_TRUE(OpenPositionViewer());
        return picture;
    }
};

TEST_F(PositionWindowTest, SiteBandStandsWhereTheSiteLiesOnItsChromosome) {
    // chrT:10000-11000 of 20000 bases: x 0.0 .. 0.08 of the line from -0.8 to 0.8.
    const BgrImage picture = Picture(workspace + "pos.bmp");
    ASSERT_EQ(picture.width, 680);
    EXPECT_TRUE(Near(PixelAt(picture, PixelX(0.04, 680), PixelY(0.3, 680, -2.5)), Scaled(0.1, 0.2, 0.95), 3));
    EXPECT_TRUE(Near(PixelAt(picture, PixelX(0.2, 680), PixelY(0.3, 680, -2.5)), Scaled(1, 1, 1), 0));
    EXPECT_TRUE(Near(PixelAt(picture, PixelX(-0.5, 680), PixelY(0.0, 680, -2.5)), Scaled(0.3, 0.3, 0.3), 4));
    EXPECT_TRUE(Near(PixelAt(picture, PixelX(-0.5, 680), PixelY(0.3, 680, -2.5)), Scaled(1, 1, 1), 0));
    ExpectFileHoldsPicture(workspace + "pos.bmp", picture);
}

TEST_F(PositionWindowTest, AnUnknownChromosomeLengthDrawsNoBandAndIsNotInvented) {
    Site().siteChrom = "chrU";
    const auto before = Reference().chromLengthIndex;
    const BgrImage picture = Picture("");
    EXPECT_EQ(Reference().chromLengthIndex, before);
    for (double x : {-0.8, -0.4, 0.0, 0.4})
        EXPECT_TRUE(Near(PixelAt(picture, PixelX(x, 680), PixelY(0.3, 680, -2.5)), Scaled(1, 1, 1), 0)) << x;
    EXPECT_TRUE(Near(PixelAt(picture, PixelX(-0.5, 680), PixelY(0.0, 680, -2.5)), Scaled(0.3, 0.3, 0.3), 4));
}

TEST_F(PositionWindowTest, ArrowKeysDoNothingHere) {
    RunWhenViewerShown([&](int window) {
        // The window has no special-key callback: a real key press goes nowhere. The capture
        // ignores its counts for this window too.
        CloseViewerWindow(window);
    });
    EXPECT_TRUE(OpenPositionViewer());
    ViewerCaptureRequest request;
    request.mode = "pos";
    request.zoomPresses = 4;
    request.panPresses = 3;
    request.bmpPath = workspace + "pos.bmp";
    EXPECT_TRUE(CaptureViewerPicture(request));
    EXPECT_FLOAT_EQ(Scene().scaleX, 1);
    EXPECT_FLOAT_EQ(Scene().panOffset, 0);
}

// A guard for tests that wait for something else to close a window: closes it after three
// seconds and remembers that it had to, so that a fault fails the test instead of hanging it.
struct CloseGuardState {
    int generation = 0;
    int window = 0;
    bool fired = false;
};
CloseGuardState& Guard() {
    static CloseGuardState guard;
    return guard;
}
void OnGuardTimer(int generation) {
    if (generation != Guard().generation) return;  // a guard of an earlier test
    Guard().fired = true;
    CloseViewerWindow(Guard().window);
}
void StartCloseGuard(int window) {
    Guard().window = window;
    Guard().fired = false;
    glutTimerFunc(3000, OnGuardTimer, ++Guard().generation);
}

using ViewerLoopTest = ViewerTest;

TEST_F(ViewerLoopTest, ClosingTheWindowReturnsItsOpenCallAndTheProgramGoesOn) {
    RunWhenViewerShown([&](int window) {
        StartCloseGuard(window);
        SendWindowManagerClose();
    });
    EXPECT_TRUE(OpenStructureViewer("site"));
    EXPECT_FALSE(Guard().fired) << "the window did not close on the window manager's request";
    EXPECT_EQ(OpenViewerCount(), 0);
    // A further viewer opens as usual.
    WithStructureViewer("site", [](int) {});
}

TEST_F(ViewerLoopTest, ClosingOneViewerLeavesTheOthersRunning) {
    std::vector<std::string> events;
    RunWhenViewerShown([&](int first) {
        RunWhenViewerShown([&, first](int second) {
            CloseViewerWindow(first);
            for (int i = 0; i < 100 && OpenViewerCount() > 1; ++i) {
                glutMainLoopEvent();
                usleep(5000);
            }
            events.push_back("still open: " + std::to_string(OpenViewerCount()));
            CloseViewerWindow(second);
        });
        events.push_back(OpenPositionViewer() ? "second returned" : "second failed");
    });
    EXPECT_TRUE(OpenStructureViewer("site"));
    EXPECT_EQ(events, (std::vector<std::string>{"still open: 1", "second returned"}));
    EXPECT_EQ(OpenViewerCount(), 0);
}

TEST_F(ViewerLoopTest, TheMainWindowClosingEndsEveryViewerLoop) {
    std::vector<std::string> events;
    RunWhenViewerShown([&](int first) {
        RunWhenViewerShown([&](int) {
            LeaveViewerLoops();  // what the main window does when it closes
        });
        events.push_back(OpenStructureViewer("site") ? "inner returned" : "inner failed");
        events.push_back("windows: " + std::to_string(OpenViewerCount()));
        (void)first;
    });
    EXPECT_TRUE(OpenStructureViewer("site"));
    events.push_back("outer returned");
    EXPECT_EQ(events, (std::vector<std::string>{"inner returned", "windows: 0", "outer returned"}));
    EXPECT_EQ(OpenViewerCount(), 0);
    // The next viewer runs again until it is closed.
    WithStructureViewer("site", [](int) { EXPECT_EQ(OpenViewerCount(), 1); });
}

TEST_F(ViewerLoopTest, FormsEventsAreServedWhileAViewerIsOpen) {
    EnsureQtApplication();
    bool qtServed = false;
    RunWhenViewerShown([&](int window) {
        StartCloseGuard(window);
        // Only the viewer loop can deliver this: nothing else runs Qt's events meanwhile.
        QTimer::singleShot(50, [&qtServed, window] {
            qtServed = true;
            CloseViewerWindow(window);
        });
    });
    EXPECT_TRUE(OpenStructureViewer("site"));
    EXPECT_TRUE(qtServed);
    EXPECT_FALSE(Guard().fired);
}

TEST(ViewerWithoutDisplayTest, SaysSoAndReturnsInsteadOfEndingTheProgram) {
    // In a child process, so that this process keeps its display.
    EXPECT_EXIT(
        {
            setenv("DISPLAY", ":9997", 1);
            ScriptedPlatform& scripted = ScriptedPlatform::Install();
            const bool opened = OpenPositionViewer();
            const bool told = scripted.MessageTexts() ==
                              std::vector<std::string>{"The viewer windows need an X display with OpenGL, and none "
                                                       "could be opened."};
            std::exit(!opened && told ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tallowby::test
