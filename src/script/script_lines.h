#pragma once

#include <string>
#include <vector>

// An ordered list of text lines addressed by index from 0: code page 936 bytes, no line breaks.
// The script and its template pieces are both held this way.
using ScriptLines = std::vector<std::string>;
