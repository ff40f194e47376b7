#include "app/ViewerLoops.h"

namespace tallowby {

namespace {
std::function<void()>& Leaver() {
    static std::function<void()> leaver;
    return leaver;
}
}  // namespace

void SetViewerLoopLeaver(std::function<void()> leaver) { Leaver() = std::move(leaver); }

void LeaveViewerLoops() {
    if (Leaver()) Leaver()();
}

}  // namespace tallowby
