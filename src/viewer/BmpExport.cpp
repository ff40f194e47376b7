#include "viewer/BmpExport.h"

#include "app/Messages.h"
#include "app/Workspace.h"
#include "platform/Platform.h"
#include "viewer/ViewerWindow.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

namespace tallowby {

BgrImage ReadWindowPicture() {
    BgrImage image;
    image.width = glutGet(GLUT_WINDOW_WIDTH);
    image.height = glutGet(GLUT_WINDOW_HEIGHT);
    image.pixels.assign(static_cast<size_t>(BgrImage::RowBytes(image.width)) * static_cast<size_t>(image.height), 0);
    // Read the back buffer before the swap: after a swap, software GL under a virtual X server
    // gives the front buffer back black.
    RenderCurrentViewer();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);  // rows padded to four bytes, as BMP rows are
    glReadPixels(0, 0, image.width, image.height, GL_BGR, GL_UNSIGNED_BYTE, image.pixels.data());
    glutSwapBuffers();
    return image;
}

bool WriteWindowBmp(const std::string& path) {
    if (WriteBmpFile(path, ReadWindowPicture())) return true;
    ReportWriteFailure(path);
    return false;
}

void SaveViewerPicture() {
    const int window = glutGetWindow();
    FileDialogRequest request;
    request.filter = "Files (*.bmp);;All Files (*)";
    request.defaultExtension = "bmp";
    request.initialFolder = WorkspaceFile("output/OpenGL/");
    std::optional<std::string> chosen = Plat().ChooseSaveFile(request);
    if (!chosen) return;
    glutSetWindow(window);
    WriteWindowBmp(*chosen);
}

}  // namespace tallowby
