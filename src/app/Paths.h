#pragma once
// Path pieces as the forms use them; '/' separates folders.

#include <string>

namespace tallowby {

// which: 1 folder (without the last '/'), 2 file name, 3 extension with its dot, 4 file name
// without extension, 5 whole path without extension; anything else gives "".
// "/a/b.c.txt": 3 -> ".txt", 4 -> "b.c", 5 -> "/a/b.c".
[[nodiscard]] std::string PathPart(const std::string& path, int which);

// Creates the file empty when it is missing, and its folder first when that is missing (one level).
// An existing file is left untouched. False when the file does not exist afterwards.
bool EnsureFile(const std::string& path);

}  // namespace tallowby
