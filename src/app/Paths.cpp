#include "app/Paths.h"

#include <sys/stat.h>

#include <fstream>

namespace tallowby {

namespace {
std::string ExtensionOf(const std::string& name) {
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string WithoutExtension(const std::string& name) {
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
}  // namespace

std::string PathPart(const std::string& path, int which) {
    size_t slash = path.rfind('/');
    bool hasSlash = slash != std::string::npos;
    std::string name = hasSlash ? path.substr(slash + 1) : path;
    switch (which) {
        case 1:
            return hasSlash ? path.substr(0, slash) : std::string();
        case 2:
            return name;
        case 3:
            return ExtensionOf(name);
        case 4:
            return WithoutExtension(name);
        case 5: {
            size_t dot = path.rfind('.');
            return dot == std::string::npos || dot == 0 ? path : path.substr(0, dot);
        }
        default:
            return {};
    }
}

bool EnsureFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) return true;
    std::string folder = PathPart(path, 1);
    if (!folder.empty() && ::stat(folder.c_str(), &status) != 0) ::mkdir(folder.c_str(), 0777);
    std::ofstream created(path, std::ios::binary | std::ios::app);
    return static_cast<bool>(created);
}

}  // namespace tallowby
