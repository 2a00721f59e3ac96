// Process snapshot from /proc and detached starts, for the watchdog.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/PosixPlatform.h"

namespace platform {

namespace {

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A /proc file is read at every pass for every process: plain system calls, no stream.
std::string ReadSmallFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(fd);
    return bytes;
}

std::string ExecutableLinkName(const std::string& procDir) {
    char buf[4096];
    const ssize_t n = ::readlink((procDir + "/exe").c_str(), buf, sizeof buf - 1);
    if (n <= 0) return {};
    std::string target(buf, static_cast<std::size_t>(n));
    static const std::string kDeleted = " (deleted)";
    if (target.size() > kDeleted.size() &&
        target.compare(target.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0)
        target.resize(target.size() - kDeleted.size());
    return BaseName(target);
}

// The name a process counts under: its executable's file name; for a script started through
// its #! line the script's file name (the kernel records it as the command name, while the
// executable is the interpreter); where the executable link is hidden, the command name.
std::string ProcessName(const std::string& procDir) {
    std::string comm = ReadSmallFile(procDir + "/comm");
    if (!comm.empty() && comm.back() == '\n') comm.pop_back();
    const std::string exe = ExecutableLinkName(procDir);
    if (exe.empty()) return comm;
    if (comm.empty() || exe.compare(0, comm.size(), comm) == 0) return exe;
    const std::string cmdline = ReadSmallFile(procDir + "/cmdline");
    std::size_t start = cmdline.find('\0');
    for (int arg = 1; arg <= 3 && start != std::string::npos && start + 1 < cmdline.size(); ++arg) {
        const std::size_t end = cmdline.find('\0', start + 1);
        const std::string name = BaseName(cmdline.substr(start + 1, end - start - 1));
        if (name.compare(0, comm.size(), comm) == 0) return name;
        start = end;
    }
    return exe;
}

std::string Reason(int error) {
    switch (error) {
        case ENOENT:
            return "arquivo não encontrado";
        case EACCES:
        case EPERM:
            return "acesso negado";
        case ENOEXEC:
            return "formato de executável inválido";
        case ENOTDIR:
            return "caminho inválido";
        case ENAMETOOLONG:
            return "caminho longo demais";
        case ENOMEM:
        case EAGAIN:
            return "memória insuficiente";
        default:
            return "erro " + std::to_string(error);
    }
}

// Starts argv[0] with `folder` as working directory, in a new session, reparented to init so
// that nothing of ours waits for it. Returns 0 or the errno of what failed.
int SpawnDetached(const std::vector<std::string>& args, const std::string& folder,
                  bool searchPath) {
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return errno;
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return error;
    }
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        // Our standard streams are not the started program's business.
        if (const int null = ::open("/dev/null", O_RDWR); null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
            if (null > 2) ::close(null);
        }
        int error = 0;
        if (!folder.empty() && ::chdir(folder.c_str()) != 0) error = errno;
        if (error == 0) {
            if (searchPath)
                ::execvp(argv[0], argv.data());
            else
                ::execv(argv[0], argv.data());
            error = errno;
        }
        [[maybe_unused]] const ssize_t w = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (n == static_cast<ssize_t>(sizeof error)) return error;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return EAGAIN;
    return 0;
}

}  // namespace

std::optional<std::vector<std::string>> PosixPlatform::processNames() {
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr) return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(proc)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9') continue;
        std::string name = ProcessName(std::string("/proc/") + entry->d_name);
        if (!name.empty()) names.push_back(std::move(name));
    }
    ::closedir(proc);
    return names;
}

OpenResult PosixPlatform::open(const std::string& path, const std::string& folder) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {false, Reason(errno)};
    // The start changes directory first, so a relative path must be made whole here.
    std::string whole = path;
    if (whole.front() != '/') {
        char cwd[4096];
        if (::getcwd(cwd, sizeof cwd) != nullptr) whole = std::string(cwd) + "/" + whole;
    }
    if (S_ISREG(st.st_mode) && ::access(whole.c_str(), X_OK) == 0) {
        if (const int error = SpawnDetached({whole}, folder, false)) return {false, Reason(error)};
        return {};
    }
    if (const int error = SpawnDetached({"xdg-open", whole}, folder, true)) {
        if (error == ENOENT) return {false, "nenhum programa para abrir o arquivo"};
        return {false, Reason(error)};
    }
    return {};
}

}  // namespace platform
