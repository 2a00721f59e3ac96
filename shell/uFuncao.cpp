#include "shell/uFuncao.h"

std::string FolderPart(const std::string& path, const std::string& separators) {
    const std::size_t last = path.find_last_of(separators);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string FileNamePart(const std::string& path, const std::string& separators) {
    const std::size_t last = path.find_last_of(separators);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string TFuncao::GetCaminhoExeGerenciador(const platform::Platform& pPlataforma) {
    return FolderPart(pPlataforma.executablePath(), pPlataforma.pathSeparators());
}
