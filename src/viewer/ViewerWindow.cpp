#include "viewer/ViewerWindow.h"

#include "app/Messages.h"
#include "app/SharedState.h"
#include "app/ViewerLoops.h"
#include "site/SitePipeline.h"
#include "viewer/BmpExport.h"
#include "viewer/OtherEventsPump.h"
#include "viewer/ViewerFonts.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ViewerPictures.h"
#include "viewer/ViewerScene.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <chrono>
#include <csetjmp>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <thread>

namespace tallowby {

namespace {
struct ViewerWindowState {
    void (*render)() = nullptr;  // draws the picture into the back buffer
    bool shown = false;          // has drawn itself once
    bool closed = false;
    std::function<void(int)> script;  // runs once when shown
};

struct ViewerLoops {
    std::map<int, ViewerWindowState> windows;
    std::function<void(int)> nextScript;
    std::function<void()> chromLengthPicture;
    bool leaving = false;  // the main window closed: every loop returns
    int depth = 0;         // loops running, nested
};

ViewerLoops& Loops() {
    static ViewerLoops loops;
    return loops;
}

void MarkClosed() {
    const int window = glutGetWindow();
    auto found = Loops().windows.find(window);
    if (found != Loops().windows.end()) found->second.closed = true;
    ForgetWindowFonts(window);
}

void MarkShown() {
    auto found = Loops().windows.find(glutGetWindow());
    if (found != Loops().windows.end()) found->second.shown = true;
}

// freeglut treats a failed call (no display connection, no suitable visual) as fatal and ends the
// program after telling its error handler. The handler jumps back to the guarded call instead,
// so the viewer can say what failed and the program goes on. Only freeglut's C frames lie
// between the guard and the handler.
std::jmp_buf* gGlutRecovery = nullptr;
char gGlutError[512] = "";

void OnGlutError(const char* format, va_list arguments) {
    std::vsnprintf(gGlutError, sizeof gGlutError, format, arguments);
    if (gGlutRecovery) std::longjmp(*gGlutRecovery, 1);
}

bool GuardedGlutCall(void (*call)()) {
    std::jmp_buf recovery;
    gGlutRecovery = &recovery;
    if (setjmp(recovery) != 0) {
        gGlutRecovery = nullptr;
        return false;
    }
    call();
    gGlutRecovery = nullptr;
    return true;
}

void InitGlut() {
    static int argc = 1;
    static char name[] = "tallowby";
    static char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
}

const char* gNewWindowTitle = "";
int gNewWindow = 0;
void CreateGlutWindow() { gNewWindow = glutCreateWindow(gNewWindowTitle); }

// Under load an X server may refuse a connection for a moment; a few tries ride that out.
constexpr int kConnectTries = 20;
void WaitBeforeRetry() { std::this_thread::sleep_for(std::chrono::milliseconds(50)); }

bool StartGlut() {
    static bool started = false;
    if (started) return true;
    if (!ViewerDisplayAvailable()) {
        ShowError("The viewer windows need an X display with OpenGL, and none could be opened.");
        return false;
    }
    glutInitErrorFunc(OnGlutError);
    for (int attempt = 0; attempt < kConnectTries && !started; ++attempt) {
        started = GuardedGlutCall(InitGlut);
        if (!started) WaitBeforeRetry();
    }
    if (!started) {
        ShowError(std::string("The viewer windows could not be opened: ") + gGlutError + ".");
        return false;
    }
    // A closed viewer returns to the form that opened it; it must not end the program.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    SetViewerLoopLeaver(LeaveAllViewers);
    return true;
}

void RenderStructure() {
    const ViewerScene& scene = Scene();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glScalef(scene.scaleX, scene.scaleY, scene.scaleZ);
    glTranslatef(scene.translateX, scene.translateY, scene.translateZ);
    DrawStructureScene();
}

void RenderPosition() {
    glClearColor(1, 1, 1, 1);
    glLoadIdentity();
    DrawPosition();
}

void RenderChromLength() {
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    if (Loops().chromLengthPicture) Loops().chromLengthPicture();
    glFlush();
}

void DisplayChromLength() {
    RenderChromLength();
    glutSwapBuffers();
    MarkShown();
}

void Reshape(int width, int height, double bottom) {
    const ReshapeDecision decision = DecideReshape(width, height);
    Scene().windowWidth = decision.storedWidth;
    Scene().windowHeight = decision.storedHeight;
    if (decision.useWholeWindow)
        glViewport(0, 0, width, height);
    else
        glutReshapeWindow(decision.askedWidth, decision.askedHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(-1, 1, bottom, 1);
    glMatrixMode(GL_MODELVIEW);
}

struct WindowSetup {
    const char* title;
    void (*display)();
    void (*render)();
    void (*reshape)(int, int);
    bool arrowKeys;
};

// The new window's id, or 0 after an error message when it could not be created.
int CreateViewerWindow(const WindowSetup& setup) {
    const ViewerScene& scene = Scene();
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    glutInitWindowPosition(30, 30);
    glutInitWindowSize(scene.windowWidth, scene.windowHeight);
    gNewWindowTitle = setup.title;
    if (!GuardedGlutCall(CreateGlutWindow)) {
        ShowError(std::string("The viewer window could not be opened: ") + gGlutError + ".");
        return 0;
    }
    const int window = gNewWindow;
    ViewerWindowState& state = Loops().windows[window];
    state.render = setup.render;
    state.script = std::move(Loops().nextScript);
    Loops().nextScript = nullptr;
    BuildFonts();
    glClearColor(1, 1, 1, 1);
    glutReshapeFunc(setup.reshape);
    glutDisplayFunc(setup.display);
    if (setup.arrowKeys) glutSpecialFunc(OnViewerSpecialKey);
    glutKeyboardFunc(OnViewerKey);
    glutCloseFunc(MarkClosed);
    return window;
}

void RunPendingScripts() {
    for (auto& [window, state] : Loops().windows) {
        if (!state.shown || state.closed || !state.script) continue;
        std::function<void(int)> script = std::move(state.script);
        state.script = nullptr;
        glutSetWindow(window);
        script(window);
        return;  // the script may have changed the window list
    }
}

// Serves every viewer window and the forms until `window` is closed or the main window closes.
void RunLoopUntilClosed(int window) {
    ++Loops().depth;
    while (!Loops().windows[window].closed && !Loops().leaving) {
        glutMainLoopEvent();
        PumpOtherEvents();
        RunPendingScripts();
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
    }
    // Windows asked to close are destroyed by the next pass of the event handling.
    glutMainLoopEvent();
    Loops().windows.erase(window);
    if (--Loops().depth == 0) Loops().leaving = false;
}

bool OpenAndRun(const WindowSetup& setup) {
    const int window = StartGlut() ? CreateViewerWindow(setup) : 0;
    if (window == 0) {
        Loops().nextScript = nullptr;
        return false;
    }
    RunLoopUntilClosed(window);
    return true;
}
}  // namespace

bool ViewerDisplayAvailable() {
    Display* display = XOpenDisplay(nullptr);
    for (int attempt = 1; !display && attempt < kConnectTries && std::getenv("DISPLAY"); ++attempt) {
        WaitBeforeRetry();
        display = XOpenDisplay(nullptr);
    }
    if (!display) return false;
    int errorBase = 0, eventBase = 0;
    const bool glx = glXQueryExtension(display, &errorBase, &eventBase);
    XCloseDisplay(display);
    return glx;
}

bool OpenStructureViewer(const std::string& mode) {
    if (mode != "site" && mode != "circle" && mode != "linear" && mode != "express") {
        ShowError("The viewer mode " + mode + " does not exist; use site, circle, linear or express.");
        return false;
    }
    const CurrentSite& site = Site();
    const int length = site.siteEnd - site.siteStart;
    const int margin = length < 1000 ? 2 * length : length;
    if (!FindSiteLocus(Shared().annotationType, site.siteChrom, site.siteStart, site.siteEnd, margin, 3)) {
        Loops().nextScript = nullptr;
        return false;
    }
    ResetView();
    Scene().viewMode = mode;
    return OpenAndRun({"Linear Struct", DisplayStructure, RenderStructure, mode == "site" ? ReshapeTall : ReshapeSquare,
                       true});
}

bool OpenPositionViewer() {
    ResetView();
    return OpenAndRun({"Linear pos", DisplayPosition, RenderPosition, ReshapeTall, false});
}

bool OpenChromLengthViewer() {
    ResetView();
    return OpenAndRun({"Chrom Length", DisplayChromLength, RenderChromLength, ReshapeTall, false});
}

void SetChromLengthPicture(std::function<void()> draw) { Loops().chromLengthPicture = std::move(draw); }

void ReshapeSquare(int width, int height) { Reshape(width, height, -1); }
void ReshapeTall(int width, int height) { Reshape(width, height, -2.5); }

void DisplayStructure() {
    RenderStructure();
    glutSwapBuffers();
    MarkShown();
}

void DisplayPosition() {
    RenderPosition();
    glutSwapBuffers();
    MarkShown();
}

void RenderCurrentViewer() {
    auto found = Loops().windows.find(glutGetWindow());
    if (found != Loops().windows.end() && found->second.render) found->second.render();
    glFinish();
}

void OnViewerKey(unsigned char key, int, int) {
    if (IsSaveKey(key)) SaveViewerPicture();
}

void OnViewerSpecialKey(int key, int, int) {
    const int length = Site().siteEnd - Site().siteStart;
    switch (key) {
        case GLUT_KEY_LEFT:
            ApplyArrowKey(Scene(), ArrowKey::Left, length);
            break;
        case GLUT_KEY_RIGHT:
            ApplyArrowKey(Scene(), ArrowKey::Right, length);
            break;
        case GLUT_KEY_UP:
            ApplyArrowKey(Scene(), ArrowKey::Up, length);
            break;
        case GLUT_KEY_DOWN:
            ApplyArrowKey(Scene(), ArrowKey::Down, length);
            break;
        default:
            break;
    }
    glutPostRedisplay();
}

void RunWhenViewerShown(std::function<void(int window)> script) { Loops().nextScript = std::move(script); }

void CloseViewerWindow(int window) {
    auto found = Loops().windows.find(window);
    if (found == Loops().windows.end() || found->second.closed) return;
    glutDestroyWindow(window);
}

void LeaveAllViewers() {
    for (auto& [window, state] : Loops().windows)
        if (!state.closed) glutDestroyWindow(window);
    if (Loops().depth > 0) Loops().leaving = true;
}

int OpenViewerCount() {
    int count = 0;
    for (const auto& [window, state] : Loops().windows) count += state.closed ? 0 : 1;
    return count;
}

}  // namespace tallowby
