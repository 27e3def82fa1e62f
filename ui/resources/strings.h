#pragma once
// The string table: the application title, the idle text of the status
// line, the prompts of the menu commands and the texts of the status-bar
// indicators.

#include <string>

// The string with this number, or an empty string when there is none.
std::string LoadResourceString(int id);

// The status-line prompt of a command: the part of its string before "\n".
std::string CommandPrompt(int command);
