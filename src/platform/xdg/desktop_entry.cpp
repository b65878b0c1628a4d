#include "platform/xdg/desktop_entry.h"

#include <sstream>

namespace platform::xdg {

namespace {

bool isReserved(char c)
{
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    return reserved.find(c) != std::string::npos;
}

// The string-value escapes of the format; applied after the Exec quoting.
std::string escapeStringValue(const std::string &value)
{
    std::string out;
    for (char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string execArgument(const std::string &argument)
{
    bool quote = argument.empty();
    std::string quoted;
    for (char c : argument) {
        if (isReserved(c))
            quote = true;
        // Inside quotes these four keep their meaning only when escaped.
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';  // a lone % starts a field code
        quoted += c;
    }
    if (!quote) {
        // No reserved character: no backslash was added either.
        return quoted;
    }
    return escapeStringValue("\"" + quoted + "\"");
}

std::map<std::string, std::string> readDesktopEntry(const std::string &text)
{
    std::map<std::string, std::string> keys;
    std::istringstream in(text);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto eq = line.find('=');
        if (!inGroup || eq == std::string::npos)
            continue;
        auto trim = [](std::string s) {
            const auto b = s.find_first_not_of(" \t");
            const auto e = s.find_last_not_of(" \t");
            return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
        };
        keys.emplace(trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
    }
    return keys;
}

}  // namespace platform::xdg
