#include "app/NoticeActions.h"

#include <map>

namespace tallowby {

namespace {
std::map<std::string, std::function<void()>>& Actions() {
    static std::map<std::string, std::function<void()>> actions;
    return actions;
}
}  // namespace

void RegisterNoticeAction(const std::string& kind, std::function<void()> action) { Actions()[kind] = std::move(action); }

bool RunNoticeAction(const std::string& kind) {
    auto found = Actions().find(kind);
    if (found == Actions().end() || !found->second) return false;
    found->second();
    return true;
}

}  // namespace tallowby
