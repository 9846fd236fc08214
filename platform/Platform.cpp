#include "platform/Platform.h"

#include <sys/stat.h>

bool Platform::fileExists(const std::string& path) const {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
