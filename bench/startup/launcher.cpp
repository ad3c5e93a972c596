// Start-up time and peak resident memory of Tolvani with its bundled
// dictionary against the least a window with text costs, as whole
// processes: from fork to the exit that follows the first paint of the main
// window. The floor is a bare Qt window of the same client size with one
// label; an empty bare window (which never starts the font system) and the
// same main window over a one-entry dictionary are shown beside it. All run
// in turn on the offscreen platform, then under a private Xvfb.
//
//   bench_startup [RUNS]    RUNS of each program per platform (default 20)
//
// Targets: start-up within 1.25 times the floor's, peak memory within
// 3 MiB of it (medians). A missed target is reported, not an error; a probe
// that fails or hangs is.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr double kTimeRatioTarget = 1.25;
constexpr double kMemoryDifferenceTargetMiB = 3.0;
constexpr int kDefaultRuns = 20;
constexpr int kWarmUpRuns = 2;
constexpr double kProbeTimeoutMs = 15000;
constexpr double kServerTimeoutMs = 10000;

// What is launched, in turn. The first row is the floor that the targets
// are measured against and the second the program; any further row is a
// reference, shown against the floor.
struct Probe {
    const char *name;
    const char *path;
};
constexpr Probe kProbes[] = {
    {"one label", TOLVANI_TEXT_PROBE},
    {"tolvani", TOLVANI_PROGRAM_PROBE},
    {"bare window", TOLVANI_BARE_PROBE},
    {"without data", TOLVANI_NO_DATA_PROBE},
};
constexpr std::size_t kProbeCount = std::size(kProbes);

// Thrown on anything that makes the figures meaningless.
struct Failure {
    std::string message;
};

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Starts `argv` with its output in `outputFd` and, if given, `keepFd` open;
// an empty `environment` keeps this program's.
pid_t spawn(std::vector<std::string> argv, std::vector<std::string> environment, int outputFd,
            int keepFd = -1)
{
    const auto pointers = [](std::vector<std::string> &strings) {
        std::vector<char *> result;
        for (auto &string : strings)
            result.push_back(string.data());
        result.push_back(nullptr);
        return result;
    };
    auto arguments = pointers(argv);
    auto variables = pointers(environment);
    const pid_t pid = fork();
    if (pid < 0)
        throw Failure{std::string("fork: ") + std::strerror(errno)};
    if (pid == 0) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        dup2(outputFd, STDOUT_FILENO);
        dup2(outputFd, STDERR_FILENO);
        if (keepFd >= 0)
            fcntl(keepFd, F_SETFD, 0);
        execvpe(arguments[0], arguments.data(), environment.empty() ? environ : variables.data());
        _exit(127);
    }
    return pid;
}

struct Ended {
    int status;
    rusage usage;
};

// Blocked in main, so that a child's end waits to be taken by waitFor.
sigset_t childEndedSignal()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGCHLD);
    return signals;
}

// Waits for `pid` to end, for `timeoutMs` at most, then kills it; this
// program ends soon after and init reaps it.
std::optional<Ended> waitFor(pid_t pid, double timeoutMs)
{
    const sigset_t childEnded = childEndedSignal();
    const double deadline = now() + timeoutMs;
    for (;;) {
        Ended ended{};
        const pid_t done = wait4(pid, &ended.status, WNOHANG, &ended.usage);
        if (done != 0)
            return done == pid ? std::optional(ended) : std::nullopt;
        const long left = long(deadline - now()) + 1;
        if (left <= 0) {
            kill(pid, SIGKILL);
            return std::nullopt;
        }
        const timespec wait{left / 1000, (left % 1000) * 1000000};
        sigtimedwait(&childEnded, nullptr, &wait);
    }
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    return text;
}

// The environment a user's session would give the program, less anything
// inherited that steers Qt, plus the platform under test.
std::vector<std::string> childEnvironment(const std::string &platform, const std::string &display,
                                          const std::string &runtimeDirectory)
{
    std::vector<std::string> variables;
    for (char **entry = environ; *entry; ++entry) {
        const std::string_view variable(*entry);
        if (!variable.starts_with("QT_") && !variable.starts_with("DISPLAY=")
            && !variable.starts_with("WAYLAND_DISPLAY=") && !variable.starts_with("XDG_RUNTIME_DIR=")
            && !variable.starts_with("DBUS_SESSION_BUS_ADDRESS="))
            variables.emplace_back(variable);
    }
    variables.push_back("QT_QPA_PLATFORM=" + platform);
    variables.push_back("XDG_RUNTIME_DIR=" + runtimeDirectory);
    if (!display.empty())
        variables.push_back("DISPLAY=" + display);
    return variables;
}

struct Samples {
    std::vector<double> milliseconds;
    std::vector<double> peakMiB;
};

// One whole process: fork, exec, wait for its exit after the first paint.
void launch(const Probe &probe, const std::vector<std::string> &environment, int outputFd,
            Samples *samples = nullptr)
{
    if (ftruncate(outputFd, 0) != 0 || lseek(outputFd, 0, SEEK_SET) != 0)
        throw Failure{"cannot reset the probe's output file"};
    const double start = now();
    const auto ended = waitFor(spawn({probe.path}, environment, outputFd), kProbeTimeoutMs);
    const double elapsed = now() - start;
    if (!ended)
        throw Failure{std::string(probe.name) + " did not paint its window within the time limit"};
    if (!WIFEXITED(ended->status) || WEXITSTATUS(ended->status) != 0) {
        throw Failure{std::string(probe.name) + " (" + probe.path + ") failed with status "
                      + std::to_string(ended->status) + ":\n" + readAll(outputFd)};
    }
    if (samples) {
        samples->milliseconds.push_back(elapsed);
        samples->peakMiB.push_back(double(ended->usage.ru_maxrss) / 1024.0);
    }
}

struct Spread {
    double median, min, max;
};

Spread spreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    const double median =
            values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

void printRaw(const char *name, const char *unit, const std::vector<double> &values)
{
    std::printf("  %-13s %-3s:", name, unit);
    for (const double value : values)
        std::printf(" %.1f", value);
    std::printf("\n");
}

// Runs the probes in turn, the order rotated every round so that none
// always runs on a cache another has just warmed.
bool measure(const std::string &platformName, const std::vector<std::string> &environment, int runs,
             int outputFd)
{
    Samples samples[kProbeCount];
    for (int i = 0; i < kWarmUpRuns; ++i) {
        for (const Probe &probe : kProbes)
            launch(probe, environment, outputFd);
    }
    for (std::size_t i = 0; i < std::size_t(runs); ++i) {
        for (std::size_t k = 0; k < kProbeCount; ++k)
            launch(kProbes[(i + k) % kProbeCount], environment, outputFd, &samples[(i + k) % kProbeCount]);
    }

    std::printf("\n%s, %d runs each, in turn (start-up: fork to exit after the first paint)\n",
                platformName.c_str(), runs);
    Spread time[kProbeCount], memory[kProbeCount];
    for (std::size_t k = 0; k < kProbeCount; ++k) {
        time[k] = spreadOf(samples[k].milliseconds);
        memory[k] = spreadOf(samples[k].peakMiB);
        std::printf("  %-13s start-up ms median %7.2f  (min %6.2f, max %6.2f)  %5.3f x   "
                    "peak RSS MiB median %6.2f  (min %6.2f, max %6.2f)  %+5.2f MiB\n",
                    kProbes[k].name, time[k].median, time[k].min, time[k].max,
                    time[k].median / time[0].median, memory[k].median, memory[k].min, memory[k].max,
                    memory[k].median - memory[0].median);
    }
    const double ratio = time[1].median / time[0].median;
    const double difference = memory[1].median - memory[0].median;
    const bool timeMet = ratio <= kTimeRatioTarget;
    const bool memoryMet = difference <= kMemoryDifferenceTargetMiB;
    std::printf("  start-up ratio  %.3f x   (target <= %.2f x the one-label floor: %s)\n", ratio,
                kTimeRatioTarget, timeMet ? "met" : "MISSED");
    std::printf("  memory difference  %+.2f MiB   (target <= %.0f MiB over the one-label floor: "
                "%s)\n",
                difference, kMemoryDifferenceTargetMiB, memoryMet ? "met" : "MISSED");
    std::printf("  raw figures, in launch order:\n");
    for (std::size_t k = 0; k < kProbeCount; ++k) {
        printRaw(kProbes[k].name, "ms", samples[k].milliseconds);
        printRaw(kProbes[k].name, "MiB", samples[k].peakMiB);
    }
    std::fflush(stdout);
    return timeMet && memoryMet;
}

// An X server of our own on a free display, which it names on a pipe.
class XServer
{
public:
    // Starts Xvfb from the PATH and returns its display; none if there is no Xvfb.
    std::optional<std::string> start(int outputFd)
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            throw Failure{std::string("pipe: ") + std::strerror(errno)};
        m_pid = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                       "-dpi", "96", "-nolisten", "tcp", "-noreset"},
                      {}, outputFd, fds[1]);
        close(fds[1]);
        // It writes the number, then a line break, when it is ready; it
        // ends if the pipe closes before the line break is written.
        const double deadline = now() + kServerTimeoutMs;
        std::string number;
        while (!number.ends_with('\n')) {
            pollfd ready{fds[0], POLLIN, 0};
            char chunk[32];
            const int left = int(deadline - now()) + 1;
            const ssize_t n = left > 0 && poll(&ready, 1, left) > 0 ? read(fds[0], chunk, sizeof chunk) : 0;
            if (n <= 0)
                break;
            number.append(chunk, std::size_t(n));
        }
        close(fds[0]);
        if (number.ends_with('\n'))
            return ":" + std::to_string(std::atoi(number.c_str()));
        const auto ended = waitFor(std::exchange(m_pid, -1), kServerTimeoutMs);
        if (ended && WIFEXITED(ended->status) && WEXITSTATUS(ended->status) == 127)
            return std::nullopt;
        throw Failure{"Xvfb did not start:\n" + readAll(outputFd)};
    }

    ~XServer()
    {
        if (m_pid > 0 && kill(m_pid, SIGTERM) == 0)
            waitFor(m_pid, kServerTimeoutMs);
    }

private:
    pid_t m_pid = -1;
};

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    if (runs < 1) {
        std::fprintf(stderr, "usage: bench_startup [RUNS], RUNS a positive number\n");
        return 2;
    }
    const sigset_t childEnded = childEndedSignal();
    sigprocmask(SIG_BLOCK, &childEnded, nullptr);

    // A private runtime folder, as a fresh login session would have, that
    // also holds what the probes and the server print.
    char runtimeTemplate[] = "/tmp/bench_startup.XXXXXX";
    if (!mkdtemp(runtimeTemplate)) {
        std::fprintf(stderr, "bench_startup: cannot make a runtime folder: %s\n", std::strerror(errno));
        return 1;
    }
    const std::string runtimeDirectory = runtimeTemplate;
    const int outputFd = open(runtimeDirectory.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    const int serverOutputFd = open(runtimeDirectory.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);

    std::printf("Start-up and peak memory: Tolvani with its bundled dictionary against a window "
                "of the same size with one label\n");
    std::fflush(stdout);
    int status = 0;
    try {
        if (outputFd < 0 || serverOutputFd < 0)
            throw Failure{"cannot make the output files in " + runtimeDirectory};
        bool met = measure("offscreen", childEnvironment("offscreen", "", runtimeDirectory), runs,
                           outputFd);
        XServer server;
        if (const auto display = server.start(serverOutputFd)) {
            met = measure("Xvfb (xcb, display " + *display + ")",
                          childEnvironment("xcb", *display, runtimeDirectory), runs, outputFd)
                    && met;
        } else {
            std::printf("\nXvfb: skipped, no Xvfb program on the PATH\n");
        }
        std::printf("\n%s\n", met ? "All targets met." : "A target was missed.");
    } catch (const Failure &failure) {
        std::fprintf(stderr, "bench_startup: %s\n", failure.message.c_str());
        status = 1;
    }

    close(outputFd);
    close(serverOutputFd);
    std::error_code ignored;
    std::filesystem::remove_all(runtimeDirectory, ignored);
    return status;
}
