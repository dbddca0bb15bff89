#pragma once

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/foundation/result.h"

namespace horalet::platform::os {

// A failed system call on a file or folder: the sentence, with the path
// and the system's reason (errno unless given) as the detail.
inline Error systemError(const std::string& sentence, const std::string& path, int number = errno)
{
    return Error{sentence, path + "：" + std::strerror(number)};
}

} // namespace horalet::platform::os
