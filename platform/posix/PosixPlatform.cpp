#include "platform/posix/PosixPlatform.h"

#include <fcntl.h>
#include <langinfo.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace platform {

namespace {

class FlockInstanceLock : public InstanceLock {
public:
    explicit FlockInstanceLock(int fd) : fd_(fd) {}
    ~FlockInstanceLock() override { ::close(fd_); }

private:
    int fd_;
};

std::string RuntimeFolder() {
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir && *dir) {
        struct stat st {};
        if (::stat(dir, &st) == 0 && S_ISDIR(st.st_mode) && ::access(dir, W_OK) == 0) return dir;
    }
    return "/tmp";
}

// One marker per user and per display, so another desktop session runs its own instance.
std::string DisplayKey() {
    std::string display;
    if (const char* d = std::getenv("WAYLAND_DISPLAY"); d && *d)
        display = d;
    else if (const char* x = std::getenv("DISPLAY"); x && *x)
        display = x;
    std::string key;
    for (char c : display) key += (c == '/' ? '_' : c);
    return key;
}

}  // namespace

std::string PosixPlatform::executablePath() const {
    std::vector<char> buf(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) throw std::system_error(errno, std::generic_category(), "/proc/self/exe");
        if (static_cast<std::size_t>(n) < buf.size()) return std::string(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

std::unique_ptr<InstanceLock> PosixPlatform::acquireInstanceLock(const std::string& name) {
    const std::string path = RuntimeFolder() + "/" + name + "-" + std::to_string(::getuid()) + "-" +
                             DisplayKey() + ".lock";
    // CLOEXEC: programs the watchdog starts must never inherit (and so keep) the lock.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) throw std::runtime_error("Não foi possível criar o arquivo de instância " + path);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<FlockInstanceLock>(fd);
}

std::string PatternFromStrftime(const std::string& p) {
    std::string r;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i] != '%' || i + 1 == p.size()) {
            r += p[i];
            continue;
        }
        char c = p[++i];
        if ((c == 'E' || c == 'O' || c == '-') && i + 1 < p.size()) c = p[++i];
        switch (c) {
            case 'd':
                r += "dd";
                break;
            case 'e':
                r += "d";
                break;
            case 'm':
                r += "mm";
                break;
            case 'y':
                r += "yy";
                break;
            case 'Y':
                r += "yyyy";
                break;
            case 'H':
                r += "hh";
                break;
            case 'k':
                r += "h";
                break;
            case 'I':
                r += "hh";
                break;
            case 'l':
                r += "h";
                break;
            case 'M':
                r += "nn";
                break;
            case 'S':
                r += "ss";
                break;
            case 'p':
                r += "ampm";
                break;
            case 'D':
                r += "mm/dd/yy";
                break;
            case 'T':
                r += "hh:nn:ss";
                break;
            case 'R':
                r += "hh:nn";
                break;
            case 'r':
                r += "hh:nn:ss ampm";
                break;
            case '%':
                r += '%';
                break;
            default:
                break;
        }
    }
    return r;
}

RegionalFormats PosixPlatform::regionalFormats() const {
    const char* previous = std::setlocale(LC_TIME, nullptr);
    const std::string saved = previous ? previous : "C";
    const char* locale = std::setlocale(LC_TIME, "");
    const std::string name = locale ? locale : "C";
    // Without a configured locale the desk still gets the Brazilian patterns it expects.
    const bool plainC = name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
    RegionalFormats f;
    if (!plainC)
        f = RegionalFormatsFrom(PatternFromStrftime(::nl_langinfo(D_FMT)),
                                PatternFromStrftime(::nl_langinfo(T_FMT)));
    std::setlocale(LC_TIME, saved.c_str());
    return f;
}

TDateTime PosixPlatform::localNow() const {
    struct timeval tv {};
    ::gettimeofday(&tv, nullptr);
    struct tm local {};
    const time_t seconds = tv.tv_sec;
    ::localtime_r(&seconds, &local);
    DateTimeParts p;
    p.date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    p.time = {local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
              static_cast<int>(tv.tv_usec / 1000)};
    return EncodeDateTime(p);
}

}  // namespace platform
