// Measures two configurations of the program against the floor under Wine,
// alternating them in one invocation (bare, floor, platform floor,
// installed, floor, platform floor...) so that all see the same machine
// load, and prints Markdown tables of medians with the ratios to the floor
// and the targets met or missed. The platform floor (the floor with the
// program's manifest and COM) is measured while counting only, for a second
// ratio: what the program costs beyond what it takes from the platform.
//   measure.exe BARE.exe INSTALLED.exe FLOOR.exe PLATFORM_FLOOR.exe SKIN.dll RUNS
#include <windows.h>
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <iterator>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kCountingMs = 8000;
constexpr DWORD kExpirySeconds = 3;
constexpr DWORD kWindowTimeoutMs = 20000;
// One display period after the program first waits for input, before its
// CPU while counting is read: whatever the initialisation left for the loop
// (a message posted to itself, a deferred paint) is over by then.
constexpr DWORD kSettleMs = 500;

double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialogOf(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::string(className) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The process's first top-level dialog: the countdown window (or the floor's).
HWND PollForDialog(DWORD processId, HANDLE process)
{
    const double end = NowMs() + kWindowTimeoutMs;
    while (NowMs() < end && ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        Search search{processId, nullptr};
        ::EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        ::Sleep(1);
    }
    return nullptr;
}

std::string ReadWholeFile(const std::string& path)
{
    std::string text;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return text;
    }
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    ::CloseHandle(file);
    return text;
}

std::string LowerCase(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

std::vector<std::string> SubfolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (data.cFileName[0] >= '0' && data.cFileName[0] <= '9') {
            names.push_back(data.cFileName);
        }
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return names;
}

// Wine reports no CPU times for other processes (GetProcessTimes gives a
// constant), so the child's Unix process is found through /proc by its
// command line, and its threads' run times are read from schedstat (ns). A
// Wine process's command line begins with its image's full path; the name
// alone would also find a copy of the program that another build folder
// runs on the same machine.
std::string FindUnixProcess(const std::string& exe)
{
    const std::string wanted = LowerCase(exe);
    for (const std::string& pid : SubfolderNames("Z:\\proc")) {
        const std::string line = ReadWholeFile("Z:\\proc\\" + pid + "\\cmdline");
        if (LowerCase(line.substr(0, line.find('\0'))) == wanted) {
            return "Z:\\proc\\" + pid;
        }
    }
    return std::string();
}

double CpuMs(const std::string& unixProcess)
{
    double total = 0.0;
    for (const std::string& task : SubfolderNames(unixProcess + "\\task")) {
        total += std::atof(ReadWholeFile(unixProcess + "\\task\\" + task + "\\schedstat").c_str()) / 1e6;
    }
    return total;
}

class Child {
public:
    Child(const std::string& exe, const std::string& arguments)
    {
        std::string line = "\"" + exe + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        started_ = NowMs();
        if (::CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            ::CloseHandle(info.hThread);
            process_ = info.hProcess;
            id_ = info.dwProcessId;
        }
    }
    ~Child()
    {
        if (process_ != nullptr) {
            if (::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
                ::TerminateProcess(process_, 99);
                ::WaitForSingleObject(process_, 5000);
            }
            ::CloseHandle(process_);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    HANDLE Process() const { return process_; }
    DWORD Id() const { return id_; }
    double Started() const { return started_; }

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    double started_ = 0;
};

struct Samples {
    std::vector<double> startupMs, countingMs, startCpuMs, workingSetKb, peakKb, cpuMs, latenessMs;
};

bool CountingRun(const std::string& exe, Samples& samples)
{
    Child child(exe, "0,60,");
    HWND window = PollForDialog(child.Id(), child.Process());
    if (window == nullptr) {
        return false;
    }
    samples.startupMs.push_back(NowMs() - child.Started());
    // The window exists before its initialisation (WM_INITDIALOG: the skin,
    // the texts, the icon, the timers) has run. The program counts once its
    // thread first waits for input in the message loop.
    ::WaitForInputIdle(child.Process(), kWindowTimeoutMs);
    samples.countingMs.push_back(NowMs() - child.Started());
    const std::string unixProcess = FindUnixProcess(exe);
    if (unixProcess.empty()) {
        return false;
    }
    samples.startCpuMs.push_back(CpuMs(unixProcess));
    ::Sleep(kSettleMs);
    const double cpuBefore = CpuMs(unixProcess);
    ::Sleep(kCountingMs);
    samples.cpuMs.push_back(CpuMs(unixProcess) - cpuBefore);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(child.Process(), &memory, sizeof memory);
    samples.workingSetKb.push_back(static_cast<double>(memory.WorkingSetSize) / 1024.0);
    samples.peakKb.push_back(static_cast<double>(memory.PeakWorkingSetSize) / 1024.0);
    // Cancelled, not killed: the notification icon leaves the tray cleanly.
    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return ::WaitForSingleObject(child.Process(), 10000) == WAIT_OBJECT_0;
}

bool ExpiryRun(const std::string& exe, Samples& samples)
{
    Child child(exe, "0," + std::to_string(kExpirySeconds) + ",");
    if (PollForDialog(child.Id(), child.Process()) == nullptr) {
        return false;
    }
    const double shown = NowMs();
    if (::WaitForSingleObject(child.Process(), kExpirySeconds * 1000 + 10000) != WAIT_OBJECT_0) {
        return false;
    }
    samples.latenessMs.push_back(NowMs() - shown - kExpirySeconds * 1000.0);
    DWORD code = 0;
    ::GetExitCodeProcess(child.Process(), &code);
    return code == 1;
}

double Median(std::vector<double> values)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

double FileKb(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return 0.0;
    }
    return static_cast<double>(data.nFileSizeLow) / 1024.0;
}

const char* Verdict(bool met)
{
    return met ? "met" : "**missed**";
}

struct Configuration {
    const char* name;
    std::string exe;
    Samples samples;
    double ratioTarget;  // start-up and working set, at most this times the floor's
};

double Ratio(const std::vector<double> Samples::*measure, const Configuration& program, const Samples& floor)
{
    const double floorMedian = Median(floor.*measure);
    return floorMedian > 0.0 ? Median(program.samples.*measure) / floorMedian : 0.0;
}

void Row(const char* name, const std::vector<double> Samples::*measure, const Configuration* configurations,
         const Samples& floor, const Samples& platformFloor, const char* unit)
{
    std::printf("| %s |", name);
    for (int i = 0; i < 2; ++i) {
        std::printf(" %.1f %s (%.2f× · %.2f×) |", Median(configurations[i].samples.*measure), unit,
                    Ratio(measure, configurations[i], floor), Ratio(measure, configurations[i], platformFloor));
    }
    std::printf(" %.1f %s | %.1f %s (%.2f×) |\n", Median(floor.*measure), unit, Median(platformFloor.*measure),
                unit, Median(floor.*measure) > 0.0 ? Median(platformFloor.*measure) / Median(floor.*measure) : 0.0);
}

void LatenessRow(const char* name, const std::vector<double>& late)
{
    std::printf("| %s | %.1f ms | %.1f ms | %.1f ms |\n", name, *std::min_element(late.begin(), late.end()),
                Median(late), *std::max_element(late.begin(), late.end()));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: measure BARE.exe INSTALLED.exe FLOOR.exe PLATFORM_FLOOR.exe SKIN.dll RUNS\n");
        return 2;
    }
    Configuration configurations[2] = {
        {"bare exe + language file", argv[1], {}, 1.15},
        {"default install, skin on", argv[2], {}, 1.3},
    };
    const std::string floor = argv[3];
    const std::string platformFloor = argv[4];
    const std::string skinDll = argv[5];
    const int runs = std::max(1, std::atoi(argv[6]));
    // 1 ms sleeps while polling for the window.
    ::timeBeginPeriod(1);

    Samples floorSamples;
    Samples platformSamples;
    for (int run = 1; run <= runs; ++run) {
        std::fprintf(stderr, "run %d of %d\n", run, runs);
        bool ok = true;
        for (Configuration& program : configurations) {
            ok = ok && CountingRun(program.exe, program.samples) && CountingRun(floor, floorSamples) &&
                 CountingRun(platformFloor, platformSamples);
        }
        for (Configuration& program : configurations) {
            ok = ok && ExpiryRun(program.exe, program.samples) && ExpiryRun(floor, floorSamples);
        }
        if (!ok) {
            std::fprintf(stderr, "run %d failed: a window did not appear or a process did not end as expected\n",
                         run);
            return 1;
        }
    }
    ::timeEndPeriod(1);

    std::printf("Each figure of the program with its ratio to the floor and to the floor with the program's "
                "manifest and COM.\n\n");
    std::printf("| Measure (median of %d) | %s | %s | Floor | Floor with the manifest and COM |\n"
                "|---|---|---|---|---|\n",
                runs, configurations[0].name, configurations[1].name);
    const Samples& floors = floorSamples;
    const Samples& platform = platformSamples;
    Row("Start-up until the countdown window exists", &Samples::startupMs, configurations, floors, platform, "ms");
    Row("Start-up until it counts (first waits for input)", &Samples::countingMs, configurations, floors, platform,
        "ms");
    Row("CPU time from the start until it counts", &Samples::startCpuMs, configurations, floors, platform, "ms");
    Row("Working set after 8 s of counting", &Samples::workingSetKb, configurations, floors, platform, "KB");
    Row("Peak working set", &Samples::peakKb, configurations, floors, platform, "KB");
    Row("CPU time over 8 s of counting", &Samples::cpuMs, configurations, floors, platform, "ms");

    std::printf("\nExpiry of a %lu s run, from the window's appearance to the process's end, minus the delay:\n\n",
                kExpirySeconds);
    std::printf("| Lateness | Min | Median | Max |\n|---|---|---|---|\n");
    for (const Configuration& program : configurations) {
        LatenessRow(program.name, program.samples.latenessMs);
    }
    LatenessRow("floor", floorSamples.latenessMs);

    const double exeKb = FileKb(configurations[0].exe);
    const double skinKb = FileKb(skinDll);
    std::printf("\nSizes: `TolvrinShutdown.exe` %.1f KB, `TolvrinSkin.dll` %.1f KB, the floor %.1f KB.\n", exeKb,
                skinKb, FileKb(floor));

    std::printf("\nTargets:\n\n");
    const double floorLate = Median(floorSamples.latenessMs);
    for (const Configuration& program : configurations) {
        const double startup = Ratio(&Samples::startupMs, program, floorSamples);
        const double workingSet = Ratio(&Samples::workingSetKb, program, floorSamples);
        const double cpu = Ratio(&Samples::cpuMs, program, floorSamples);
        const double late = Median(program.samples.latenessMs);
        std::printf("- %s: start-up %.2f× and working set %.2f× the floor, at most %.2f×: %s; "
                    "CPU %.2f×, at most 1.3×: %s; process gone %.1f ms after the floor's, at most 25 ms: %s; "
                    "never early: %s\n",
                    program.name, startup, workingSet, program.ratioTarget,
                    Verdict(startup <= program.ratioTarget && workingSet <= program.ratioTarget), cpu,
                    Verdict(cpu <= 1.3), late - floorLate, Verdict(late - floorLate <= 25.0),
                    Verdict(*std::min_element(program.samples.latenessMs.begin(),
                                              program.samples.latenessMs.end()) >= 0.0));
    }
    for (const Configuration& program : configurations) {
        std::printf("- %s against the floor with the manifest and COM: start-up %.2f×, working set %.2f×\n",
                    program.name, Ratio(&Samples::startupMs, program, platformSamples),
                    Ratio(&Samples::workingSetKb, program, platformSamples));
    }
    std::printf("- x64 release exe at most 230 KB: %s\n", Verdict(exeKb <= 230.0));
    std::printf("- `TolvrinSkin.dll` at most 120 KB: %s\n", Verdict(skinKb > 0.0 && skinKb <= 120.0));
    return 0;
}
