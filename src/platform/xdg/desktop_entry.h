#pragma once

#include <map>
#include <string>

// The pieces of the Desktop Entry format that Talkvane writes and reads back.
namespace platform::xdg {

// One Exec argument, quoted when it holds a reserved character, then
// escaped as a string value, so that a launcher hands the program exactly
// this text as argv[0].
std::string execArgument(const std::string &argument);

// The keys of the [Desktop Entry] group, values as written (not unescaped).
std::map<std::string, std::string> readDesktopEntry(const std::string &text);

}  // namespace platform::xdg
