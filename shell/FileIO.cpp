#include "shell/FileIO.h"

#include <filesystem>
#include <fstream>

namespace {

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(PathOf(path), error)) return std::nullopt;
    try {
        std::ifstream in(PathOf(path), std::ios::binary | std::ios::ate);
        if (!in) return std::nullopt;
        const std::streamoff size = in.tellg();
        if (size < 0) return std::nullopt;
        std::string bytes(static_cast<std::size_t>(size), '\0');
        in.seekg(0);
        in.read(bytes.data(), size);
        if (in.gcount() != size) return std::nullopt;
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(PathOf(path), error);
}
