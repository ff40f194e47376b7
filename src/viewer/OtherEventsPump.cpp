#include "viewer/OtherEventsPump.h"

// The one Qt call of the viewer: its loop serves the forms' events beside its own windows'.
#include <QCoreApplication>

namespace tallowby {

void PumpOtherEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace tallowby
