// Start-up time and peak resident memory of Tolvani with its bundled
// dictionary against the least a window with text costs, as whole
// processes: from fork to the exit that follows the first paint of the main
// window. The floor is a bare Qt window of the same client size with one
// label; an empty bare window (which never starts the font system) and the
// same main window over a one-entry dictionary are shown beside it. All run
// alternately on the offscreen platform, then under a private Xvfb.
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
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr double kTimeRatioTarget = 1.25;
constexpr double kMemoryDifferenceTargetMiB = 3.0;
constexpr int kDefaultRuns = 20;
constexpr int kWarmUpRuns = 2;
constexpr int kProbeTimeoutMs = 15000;

struct Sample {
    double milliseconds;
    double peakMiB;
};

struct Probe {
    const char *name;
    const char *path;
    std::vector<Sample> samples;
};

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Thrown on anything that makes the figures meaningless; caught in main
// after the X server has been ended.
struct Failure {
    std::string message;
};

[[noreturn]] void fail(const std::string &message)
{
    throw Failure{message};
}

// The environment a user's session would give the program, less anything
// inherited that steers Qt, plus the platform under test.
std::vector<std::string> childEnvironment(const std::string &platform, const std::string &display,
                                          const std::string &runtimeDirectory)
{
    std::vector<std::string> variables;
    for (char **entry = environ; *entry; ++entry) {
        const std::string_view variable(*entry);
        if (variable.starts_with("QT_") || variable.starts_with("DISPLAY=")
            || variable.starts_with("WAYLAND_DISPLAY=") || variable.starts_with("XDG_RUNTIME_DIR=")
            || variable.starts_with("DBUS_SESSION_BUS_ADDRESS=")) {
            continue;
        }
        variables.emplace_back(variable);
    }
    variables.push_back("QT_QPA_PLATFORM=" + platform);
    variables.push_back("XDG_RUNTIME_DIR=" + runtimeDirectory);
    if (!display.empty())
        variables.push_back("DISPLAY=" + display);
    return variables;
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> result;
    for (auto &string : strings)
        result.push_back(string.data());
    result.push_back(nullptr);
    return result;
}

// Waits for `pid` for at most `timeoutMs`; kills it if it is still running.
std::optional<std::pair<int, rusage>> waitWithTimeout(pid_t pid, int timeoutMs)
{
    bool timedOut = false;
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        pollfd ready{pidfd, POLLIN, 0};
        timedOut = poll(&ready, 1, timeoutMs) == 0;
        close(pidfd);
        if (timedOut)
            kill(pid, SIGKILL);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            return std::nullopt;
    }
    if (timedOut)
        return std::nullopt;
    return std::pair{status, usage};
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

// One whole process: fork, exec, wait for its exit after the first paint.
Sample launch(const Probe &probe, std::vector<std::string> &environment, int outputFd)
{
    if (ftruncate(outputFd, 0) != 0 || lseek(outputFd, 0, SEEK_SET) != 0)
        fail("cannot reset the probe's output file");
    std::vector<std::string> arguments{probe.path};
    auto argv = pointers(arguments);
    auto envp = pointers(environment);

    const double start = now();
    const pid_t pid = fork();
    if (pid < 0)
        fail(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        dup2(outputFd, STDOUT_FILENO);
        dup2(outputFd, STDERR_FILENO);
        execve(probe.path, argv.data(), envp.data());
        _exit(127);
    }
    const auto result = waitWithTimeout(pid, kProbeTimeoutMs);
    const double elapsed = now() - start;
    if (!result)
        fail(std::string(probe.name) + " did not paint its window within the time limit");
    const auto &[status, usage] = *result;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fail(std::string(probe.name) + " (" + probe.path + ") failed with status "
             + std::to_string(status) + ":\n" + readAll(outputFd));
    }
    return {elapsed, double(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
    double timeMedian, timeMin, timeMax, memoryMedian, memoryMin, memoryMax;
};

Summary summarize(const std::vector<Sample> &samples)
{
    std::vector<double> times, memories;
    for (const auto &sample : samples) {
        times.push_back(sample.milliseconds);
        memories.push_back(sample.peakMiB);
    }
    const auto [timeMin, timeMax] = std::minmax_element(times.begin(), times.end());
    const auto [memoryMin, memoryMax] = std::minmax_element(memories.begin(), memories.end());
    return {median(times), *timeMin, *timeMax, median(memories), *memoryMin, *memoryMax};
}

void printRaw(const Probe &probe)
{
    std::printf("  %-13s ms :", probe.name);
    for (const auto &sample : probe.samples)
        std::printf(" %.1f", sample.milliseconds);
    std::printf("\n  %-13s MiB:", probe.name);
    for (const auto &sample : probe.samples)
        std::printf(" %.1f", sample.peakMiB);
    std::printf("\n");
}

void printSummary(const Probe &probe, const Summary &summary, const Summary &floor)
{
    std::printf("  %-13s start-up ms median %7.2f  (min %6.2f, max %6.2f)  %5.3f x   "
                "peak RSS MiB median %6.2f  (min %6.2f, max %6.2f)  %+5.2f MiB\n",
                probe.name, summary.timeMedian, summary.timeMin, summary.timeMax,
                summary.timeMedian / floor.timeMedian, summary.memoryMedian, summary.memoryMin,
                summary.memoryMax, summary.memoryMedian - floor.memoryMedian);
}

// Runs the probes in turn, the order rotated every round so that none
// always runs on a cache another has just warmed. The ratios and
// differences are against the one-label floor; the bare window and the
// window without data are references only.
bool measure(const std::string &platformName, const std::string &platform, const std::string &display,
             const std::string &runtimeDirectory, int runs, int outputFd)
{
    auto environment = childEnvironment(platform, display, runtimeDirectory);
    Probe text{"one label", TOLVANI_TEXT_PROBE, {}};
    Probe bare{"bare window", TOLVANI_BARE_PROBE, {}};
    Probe program{"tolvani", TOLVANI_PROGRAM_PROBE, {}};
    Probe empty{"without data", TOLVANI_NO_DATA_PROBE, {}};
    Probe *const probes[] = {&text, &program, &bare, &empty};
    constexpr int kProbes = int(std::size(probes));
    for (int i = 0; i < kWarmUpRuns; ++i) {
        for (Probe *probe : probes)
            launch(*probe, environment, outputFd);
    }
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < kProbes; ++k) {
            Probe &probe = *probes[(i + k) % kProbes];
            probe.samples.push_back(launch(probe, environment, outputFd));
        }
    }

    const Summary floor = summarize(text.samples);
    const Summary tolvani = summarize(program.samples);
    const double ratio = tolvani.timeMedian / floor.timeMedian;
    const double difference = tolvani.memoryMedian - floor.memoryMedian;
    const bool timeMet = ratio <= kTimeRatioTarget;
    const bool memoryMet = difference <= kMemoryDifferenceTargetMiB;

    std::printf("\n%s, %d runs each, in turn (start-up: fork to exit after the first paint)\n",
                platformName.c_str(), runs);
    for (const Probe *probe : probes)
        printSummary(*probe, summarize(probe->samples), floor);
    std::printf("  start-up ratio  %.3f x   (target <= %.2f x the one-label floor: %s)\n", ratio,
                kTimeRatioTarget, timeMet ? "met" : "MISSED");
    std::printf("  memory difference  %+.2f MiB   (target <= %.0f MiB over the one-label floor: %s)\n",
                difference, kMemoryDifferenceTargetMiB, memoryMet ? "met" : "MISSED");
    std::printf("  raw figures, in launch order:\n");
    for (const Probe *probe : probes)
        printRaw(*probe);
    std::fflush(stdout);
    return timeMet && memoryMet;
}

std::optional<std::string> findInPath(const char *name)
{
    const char *path = std::getenv("PATH");
    std::string_view rest = path ? path : "/usr/bin:/bin";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string directory(rest.substr(0, colon));
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        const std::string candidate = (directory.empty() ? "." : directory) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

// An X server of our own on a free display, which it names on a pipe.
struct XServer {
    pid_t pid = -1;
    std::string display;

    ~XServer()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            int status = 0;
            waitpid(pid, &status, 0);
        }
    }

    bool start(const std::string &program, int outputFd)
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return false;
        pid = fork();
        if (pid < 0)
            return false;
        if (pid == 0) {
            const int writeEnd = dup(fds[1]); // without close-on-exec
            dup2(outputFd, STDOUT_FILENO);
            dup2(outputFd, STDERR_FILENO);
            const std::string fd = std::to_string(writeEnd);
            execl(program.c_str(), program.c_str(), "-displayfd", fd.c_str(), "-screen", "0",
                  "1280x1024x24", "-dpi", "96", "-nolisten", "tcp", "-noreset", nullptr);
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        pollfd ready{fds[0], POLLIN, 0};
        const double deadline = now() + 10000;
        while (number.find('\n') == std::string::npos && now() < deadline) {
            if (poll(&ready, 1, int(deadline - now()) + 1) <= 0)
                break;
            char buffer[32];
            const ssize_t n = read(fds[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            number.append(buffer, std::size_t(n));
        }
        close(fds[0]);
        while (!number.empty() && (number.back() == '\n' || number.back() == '\r'))
            number.pop_back();
        if (number.empty())
            return false;
        display = ":" + number;
        return true;
    }
};

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    if (runs < 1) {
        std::fprintf(stderr, "usage: bench_startup [RUNS], RUNS a positive number\n");
        return 2;
    }

    // A private runtime folder, as a fresh login session would have.
    char runtimeTemplate[] = "/tmp/bench_startup.XXXXXX";
    if (!mkdtemp(runtimeTemplate)) {
        std::fprintf(stderr, "bench_startup: cannot make a runtime folder: %s\n", std::strerror(errno));
        return 1;
    }
    const std::string runtimeDirectory = runtimeTemplate;
    const std::string outputPath = runtimeDirectory + "/probe-output";
    const std::string serverOutputPath = runtimeDirectory + "/xvfb-output";
    const int outputFd = open(outputPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    const int serverOutputFd = open(serverOutputPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (outputFd < 0 || serverOutputFd < 0) {
        std::fprintf(stderr, "bench_startup: cannot make the output files in %s\n",
                     runtimeDirectory.c_str());
        return 1;
    }

    std::printf("Start-up and peak memory: Tolvani with its bundled dictionary against a window "
                "of the same size with one label\n");
    std::fflush(stdout);
    int status = 0;
    try {
        bool met = measure("offscreen", "offscreen", "", runtimeDirectory, runs, outputFd);
        if (const auto xvfb = findInPath("Xvfb")) {
            XServer server;
            if (!server.start(*xvfb, serverOutputFd))
                fail("Xvfb did not start:\n" + readAll(serverOutputFd));
            met = measure("Xvfb (xcb, display " + server.display + ")", "xcb", server.display,
                          runtimeDirectory, runs, outputFd)
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
