#include "shell/uFuncao.h"

#include "watchdog/IniFile.h"

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

int Occurs(const std::string& str, const std::string& substr) {
    if (substr.empty() || str.empty()) return 0;
    // The text ends at its first NUL, as a C string would.
    const std::string text = str.substr(0, str.find('\0'));
    int count = 0;
    for (std::size_t pos = text.find(substr); pos != std::string::npos;
         pos = text.find(substr, pos + substr.size()))
        ++count;
    return count;
}

TStringArray Split(const std::string& str, const std::string& separator) {
    TStringArray result;
    result.reserve(static_cast<std::size_t>(Occurs(str, separator)) + 1);
    if (separator.empty()) return {str};
    std::size_t start = 0;
    for (std::size_t pos = str.find(separator); pos != std::string::npos;
         pos = str.find(separator, start)) {
        result.push_back(str.substr(start, pos - start));
        start = pos + separator.size();
    }
    result.push_back(str.substr(start));
    return result;
}

TStringArray TFuncao::GetDadosIni(const platform::Platform& pPlataforma) {
    return Split(ReadIniValue(SetupIniPath(pPlataforma), "EXECUTAVEL", "CAMINHOS"), "|");
}

std::string SetupIniPath(const platform::Platform& pPlataforma) {
    return TFuncao::GetCaminhoExeGerenciador(pPlataforma) + "setup.ini";
}
