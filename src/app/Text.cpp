#include "app/Text.h"

#include <cstdarg>
#include <cstdio>

namespace tallowby {

std::string Format(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    }
    va_end(arguments);
    return text;
}

std::vector<std::string> SplitText(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t from = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        pieces.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    pieces.push_back(text.substr(from));
    return pieces;
}

std::string JoinNamesForMessage(const std::vector<std::string>& names, std::string_view separator) {
    constexpr size_t kLimit = 4000;
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        size_t added = (i ? separator.size() : 0) + names[i].size();
        if (text.size() + added > kLimit) return text + "...";
        if (i) text += separator;
        text += names[i];
    }
    return text;
}

}  // namespace tallowby
