#pragma once

#include <optional>
#include <string>

// Whole-file byte access by UTF-8 path. Nothing is cached.
std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
