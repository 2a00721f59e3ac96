#include "platform/windows/WindowsPlatform.h"

// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <thread>
#include <vector>

#include "platform/CreatePlatform.h"

namespace platform {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string Utf8(const wchar_t* text, int length = -1) {
    if (length < 0) length = static_cast<int>(wcslen(text));
    if (length == 0) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
    return out;
}

const wchar_t* const kMarkerClass = L"TFrmGerenciadorExecutaveis";

// The mutex makes the start atomic; the hidden window of the class "TFrmGerenciadorExecutaveis"
// is what other programs (and older copies) look for.
class WindowsInstanceLock : public InstanceLock {
public:
    WindowsInstanceLock(HANDLE mutex, HWND window) : mutex_(mutex), window_(window) {}
    ~WindowsInstanceLock() override {
        if (window_) DestroyWindow(window_);
        CloseHandle(mutex_);
    }

private:
    HANDLE mutex_;
    HWND window_;
};

HWND CreateMarkerWindow() {
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kMarkerClass;
        return RegisterClassW(&wc);
    }();
    if (registered == 0) return nullptr;
    return CreateWindowExW(WS_EX_TOOLWINDOW, kMarkerClass, L"Gerencia de Aplicativos ZELKO",
                           WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

std::string Reason(INT_PTR code) {
    switch (code) {
        case 0:
            return "memória insuficiente";
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return "arquivo não encontrado";
        case SE_ERR_ACCESSDENIED:
            return "acesso negado";
        case ERROR_BAD_FORMAT:
            return "formato de executável inválido";
        case SE_ERR_NOASSOC:
        case SE_ERR_ASSOCINCOMPLETE:
            return "nenhum programa para abrir o arquivo";
        case SE_ERR_SHARE:
            return "arquivo em uso";
        default:
            return "erro " + std::to_string(static_cast<long long>(code));
    }
}

std::string LocaleText(LCTYPE type, const char* fallback) {
    wchar_t buffer[128];
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
    return n > 1 ? Utf8(buffer, n - 1) : std::string(fallback);
}

}  // namespace

std::string PatternFromWindows(const std::string& p) {
    std::string r;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        if (c == '\'') {  // quoted literal text stays quoted
            const std::size_t end = p.find('\'', i + 1);
            r += p.substr(i, (end == std::string::npos ? p.size() : end + 1) - i);
            i = end == std::string::npos ? p.size() : end;
            continue;
        }
        switch (c) {
            case 'M':
                r += 'm';
                break;
            case 'H':
                r += 'h';
                break;
            case 'm':
                r += 'n';
                break;
            case 't':
                if (i + 1 < p.size() && p[i + 1] == 't') ++i;
                r += "ampm";
                break;
            case 'g':
                break;  // era
            default:
                r += c;
        }
    }
    return r;
}

std::string WindowsPlatform::executablePath() const {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return Utf8(buffer.data(), static_cast<int>(n));
        buffer.resize(buffer.size() * 2);
    }
}

std::unique_ptr<InstanceLock> WindowsPlatform::acquireInstanceLock(const std::string& name) {
    const std::wstring mutexName = L"Local\\" + Wide(name);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
    if (mutex == nullptr) return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS || FindWindowW(kMarkerClass, nullptr) != nullptr) {
        CloseHandle(mutex);
        return nullptr;
    }
    return std::make_unique<WindowsInstanceLock>(mutex, CreateMarkerWindow());
}

RegionalFormats WindowsPlatform::regionalFormats() const {
    return RegionalFormatsFrom(PatternFromWindows(LocaleText(LOCALE_SSHORTDATE, "dd/MM/yyyy")),
                               PatternFromWindows(LocaleText(LOCALE_STIMEFORMAT, "HH:mm:ss")));
}

TDateTime WindowsPlatform::localNow() const {
    SYSTEMTIME t;
    GetLocalTime(&t);
    DateTimeParts p;
    p.date = {t.wYear, t.wMonth, t.wDay};
    p.time = {t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
    return EncodeDateTime(p);
}

bool WindowsPlatform::replaceFile(const std::string& path, const std::string& bytes,
                                  std::string& reason) {
    const std::wstring target = Wide(path);
    const std::wstring temporary = target + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = "erro " + std::to_string(GetLastError());
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok || !MoveFileExW(temporary.c_str(), target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        reason = "erro " + std::to_string(ok ? GetLastError() : error);
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::vector<std::string>> WindowsPlatform::processNames() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<std::string> names;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        names.push_back(Utf8(entry.szExeFile));
    CloseHandle(snapshot);
    return names;
}

OpenResult WindowsPlatform::open(const std::string& path, const std::string& folder) {
    const std::wstring file = Wide(path);
    const std::wstring directory = Wide(folder);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", file.c_str(), L"",
                      directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL));
    if (result <= 32) return {false, Reason(result)};
    return {};
}

// A short-lived thread of its own: sndPlaySoundW without "no stop" cuts off the previous start.
bool WindowsPlatform::playAlarm(const std::string& wavPath) {
    std::thread([path = Wide(wavPath)] {
        for (int k = 0; k < 4; ++k) {
            sndPlaySoundW(path.c_str(), SND_ASYNC);
            Sleep(1000);
        }
    }).detach();
    return true;
}

std::unique_ptr<Platform> CreatePlatform() {
    return std::make_unique<WindowsPlatform>();
}

}  // namespace platform
