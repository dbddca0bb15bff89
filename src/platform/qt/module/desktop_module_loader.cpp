#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include "platform/qt/module/desktop_module.h"

// The module's bytes, placed in the program file at build time.
asm(R"(
    .section .rodata.horalet_desktop_module, "a"
    .balign 64
    .globl horalet_embedded_module_begin
    .hidden horalet_embedded_module_begin
horalet_embedded_module_begin:
    .incbin ")" HORALET_DESKTOP_MODULE_FILE R"("
    .globl horalet_embedded_module_end
    .hidden horalet_embedded_module_end
horalet_embedded_module_end:
    .previous
)");

extern "C" const char horalet_embedded_module_begin[];
extern "C" const char horalet_embedded_module_end[];

namespace horalet::platform::qt {

namespace {

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

std::string loaderError()
{
    const char* why = ::dlerror();
    return why != nullptr ? why : "the dynamic loader gives no reason";
}

bool writeAll(int fd, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The loader maps a file, so the bytes go to an anonymous one in memory;
// nothing is left on disk and nothing can be swapped in underneath.
const DesktopModule* load(std::string& error)
{
    const int fd = ::memfd_create("horalet-desktop", MFD_CLOEXEC);
    if (fd < 0) {
        error = systemError("memfd_create");
        return nullptr;
    }
    const auto size = static_cast<std::size_t>(horalet_embedded_module_end - horalet_embedded_module_begin);
    if (!writeAll(fd, horalet_embedded_module_begin, size)) {
        error = systemError("writing the module");
        ::close(fd);
        return nullptr;
    }
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    void* const handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    // The mapping keeps the module; the descriptor is no longer needed.
    ::close(fd);
    if (handle == nullptr) {
        error = loaderError();
        return nullptr;
    }
    using Entry = const DesktopModule* (*)();
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, "horalet_desktop_module"));
    if (entry == nullptr) {
        error = loaderError();
        return nullptr;
    }
    return entry();
}

} // namespace

const DesktopModule* loadDesktopModule(std::string& error)
{
    static std::string firstError;
    static const DesktopModule* const module = load(firstError);
    error = firstError;
    return module;
}

} // namespace horalet::platform::qt
