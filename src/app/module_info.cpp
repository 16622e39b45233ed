#include "module_info.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace morvane {

QString executableFilePath()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QString() : QString::fromStdString(path.string());
}

quintptr addressWithinModule(const void* codeAddress)
{
    Dl_info info{};
    const auto address = reinterpret_cast<quintptr>(codeAddress);
    if (dladdr(codeAddress, &info) == 0 || info.dli_fbase == nullptr)
        return address;
    return address - reinterpret_cast<quintptr>(info.dli_fbase);
}

}  // namespace morvane
