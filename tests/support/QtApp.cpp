#include "support/QtApp.h"

#include <QApplication>

namespace tallowby::test {

void EnsureQtApplication() {
    if (QApplication::instance()) return;
    // Forms are tested offscreen even where a display is set (the viewer tests need one).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tallowby-test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the test binary exits
}

}  // namespace tallowby::test
