#pragma once

#include <string>

// The program's title as message boxes show it, from the executable's path (code page 936):
// the file name without folder and without everything from its first dot on, its first
// character unchanged and every later ASCII letter in lower case. Double-byte characters are
// kept whole, so a trail byte that looks like "\" or a capital letter is never taken for one.
// "C:\Tools\MyTool.Final.EXE" gives "Mytool".
std::string ApplicationTitle(const std::string& executablePath);
