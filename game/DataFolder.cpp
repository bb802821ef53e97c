#include "DataFolder.h"

#include <cstdlib>

std::string DataFolder() {
    // A relative $XDG_DATA_HOME would name a different folder from every working folder.
    if (const char *data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/')
        return std::string(data) + "/zuft";
    if (const char *home = std::getenv("HOME"); home && home[0] != '\0')
        return std::string(home) + "/.local/share/zuft";
    return {};
}
