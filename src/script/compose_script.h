#pragma once

#include <string>

#include "script_lines.h"

// Rewrites script lines 1 and 2 for the chosen folder from template pieces 0 to 3:
//   line 1 := piece 0, " ", folder quoted for cmd, " ", piece 1
//   line 2 := piece 2, " ", drive prefix of folder, piece 3
// Line 0 and the number of lines stay as they are. `folder` is code page 936 text.
void ComposeScript(ScriptLines& script, const ScriptLines& pieces, const std::string& folder);

// `folder` as one cmd argument inside a batch file: in double quotes, so that blanks, "&", ",",
// ";" and "=" stay part of the name, and with every "%" doubled, so that cmd reads it literally.
std::string QuoteFolderForBatch(const std::string& folder);

// The script's lines, each followed by CR LF (the last one too), as one string.
std::string ScriptText(const ScriptLines& script);
