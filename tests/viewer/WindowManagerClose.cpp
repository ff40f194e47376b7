#include "WindowManagerClose.h"

// gtest first: the X headers define names such as None that it uses.
#include <gtest/gtest.h>

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <unistd.h>

namespace tallowby::test {

void SendWindowManagerClose() {
    const Window target = glXGetCurrentDrawable();
    ASSERT_NE(target, 0u) << "no viewer window is current";
    Display* display = XOpenDisplay(nullptr);
    for (int attempt = 0; !display && attempt < 20; ++attempt) {  // a busy server may refuse for a moment
        usleep(50000);
        display = XOpenDisplay(nullptr);
    }
    ASSERT_NE(display, nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
}

}  // namespace tallowby::test
