// SPDX-License-Identifier: MIT
#pragma once

// The process operations on Windows: the folder that holds the program, and
// the classic change of the current directory with its drive letters.

#include <string>
#include <string_view>

namespace lexidor::process {

// The folder of the running program; a drive's root keeps its backslash
// ("C:\"), so it is a folder and not the drive's current directory.
std::u16string programFolder();
// The folder of the program at `modulePath`, by the same rule.
std::u16string folderOf(std::u16string_view modulePath);
// On another drive than the current one, sets that drive's current folder
// and leaves the current drive as it was; else changes the current folder.
void changeDirectory(std::u16string_view dir);

} // namespace lexidor::process
