#include "watchdog/ProcessCheck.h"

#include <optional>

#include "shell/Formats.h"
#include "shell/uFuncao.h"

namespace {

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

std::string CleanListedPath(const std::string& element) {
    const std::size_t first = element.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    std::string path = element.substr(first, element.find_last_not_of(" \t") - first + 1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return path;
}

std::unordered_set<std::string> ProcessCheck::RunningNames(
    const std::vector<std::string>& snapshot) const {
    const std::string separators = platform_.pathSeparators();
    std::unordered_set<std::string> names;
    names.reserve(snapshot.size() * 2);
    for (const std::string& process : snapshot) {
        std::string upper = AsciiUpper(process);
        names.insert(FileNamePart(upper, separators));
        names.insert(std::move(upper));
    }
    return names;
}

bool ProcessCheck::ListProcess(const std::unordered_set<std::string>& running,
                               const std::string& pExecutavel) {
    return running.count(AsciiUpper(pExecutavel)) > 0;
}

bool ProcessCheck::ListProcess(const std::vector<std::string>& snapshot,
                               const std::string& pExecutavel) const {
    return ListProcess(RunningNames(snapshot), pExecutavel);
}

std::vector<std::string> ProcessCheck::ProgramaAberto() {
    std::vector<std::string> log;
    if (running_) return log;  // passes never overlap
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};

    const std::string separators = platform_.pathSeparators();
    std::optional<std::unordered_set<std::string>> running;
    std::unordered_set<std::string> requested;  // upper-case file names started in this pass
    for (const std::string& element : TFuncao::GetDadosIni(platform_)) {
        const std::string path = CleanListedPath(element);
        if (path.empty()) continue;
        if (!running) {
            const std::optional<std::vector<std::string>> snapshot = platform_.processNames();
            if (!snapshot) {
                // Without the list every program would look missing and start twice.
                log.push_back("Lista de processos não pôde ser lida " +
                              DateTimeToStr(clock_.Now()));
                return log;
            }
            running = RunningNames(*snapshot);
        }
        const std::string vExecutavel = FileNamePart(path, separators);
        std::string upper = AsciiUpper(vExecutavel);
        if (running->count(upper) || !requested.insert(std::move(upper)).second) continue;
        const platform::OpenResult result = platform_.open(path, FolderPart(path, separators));
        if (result.ok)
            log.push_back(vExecutavel + " foi aberto " + DateTimeToStr(clock_.Now()));
        else
            log.push_back(vExecutavel + " não pôde ser aberto " + DateTimeToStr(clock_.Now()) +
                          " (" + result.reason + ")");
    }
    return log;
}
