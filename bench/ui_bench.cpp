// Start-up to first painted window, and resident memory then, of the app's window against a
// minimal Qt window (two buttons, two labels). Both run as children of this program, started
// the same way, alternating, and the medians are compared.
#include "app/app_delegate.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#ifdef __APPLE__
#include <mach/mach.h>
#else
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

long long nowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

long long residentKilobytes()
{
#ifdef __APPLE__
    mach_task_basic_info info{};
    mach_msg_type_number_t count = MACH_TASK_BASIC_INFO_COUNT;
    if (task_info(mach_task_self(), MACH_TASK_BASIC_INFO, reinterpret_cast<task_info_t>(&info), &count) != KERN_SUCCESS)
        return 0;
    return static_cast<long long>(info.resident_size / 1024);
#else
    std::ifstream statm("/proc/self/statm");
    long long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
#endif
}

// Reports once the window's first paint pass has finished, then ends the child.
class FirstPaintProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so it runs after the whole window has been painted and flushed.
            QTimer::singleShot(0, [] {
                std::printf("%lld %lld\n", nowNanoseconds(), residentKilobytes());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

int runChild(int argc, char* argv[], const std::string& kind)
{
    QApplication application(argc, argv);
    FirstPaintProbe probe;
    if (kind == "app") {
        // The same steps as the app's main(), with no system program, folder or input menu of the
        // machine's own within reach.
        app::AppDelegate delegate;
        const std::filesystem::path standIn = "/usr/bin/false";
        delegate.setSystemTools({standIn, standIn, standIn, "/dev/null/System Layouts", {}});
        QApplication::setQuitOnLastWindowClosed(delegate.applicationShouldTerminateAfterLastWindowClosed());
        delegate.applicationDidFinishLaunching();
        delegate.window()->installEventFilter(&probe);
        return QApplication::exec();
    }
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Keyboard layout to install:")));
    layout->addWidget(new QLabel(QStringLiteral("Drag keyboard layout here to install")));
    layout->addWidget(new QPushButton(QStringLiteral("Install for current user")));
    layout->addWidget(new QPushButton(QStringLiteral("Install for all users")));
    window.setFixedSize(760, 500);
    window.show();
    window.installEventFilter(&probe);
    return QApplication::exec();
}

struct Sample {
    double milliseconds;
    double residentMiB;
};

bool measure(const QString& program, const QString& kind, Sample& sample)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long started = nowNanoseconds();
    child.start(program, {QStringLiteral("--child"), kind});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return false;
    long long painted = 0, resident = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lld %lld", &painted, &resident) != 2)
        return false;
    sample = {(painted - started) / 1e6, resident / 1024.0};
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The offscreen platform warns of every window feature it lacks; the ratios are what to read.
    qputenv("QT_LOGGING_RULES", "default.warning=false");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY")
        && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::string(argv[1]) == "--child")
        return runChild(argc, argv, argv[2]);

    int runs = 31;
    if (argc == 3 && std::string(argv[1]) == "--runs")
        runs = std::max(1, std::atoi(argv[2]));

    QCoreApplication driver(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> time[2], memory[2];
    const QString kinds[2] = {QStringLiteral("minimal"), QStringLiteral("app")};
    // Round 0 warms the file cache and is not counted.
    for (int run = -1; run < runs; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (run + 1 + turn) % 2;  // alternate who goes first
            Sample sample{};
            if (!measure(self, kinds[which], sample)) {
                std::fprintf(stderr, "ui-bench: the %s window did not report its first paint\n",
                             qPrintable(kinds[which]));
                return 1;
            }
            if (run < 0)
                continue;
            time[which].push_back(sample.milliseconds);
            memory[which].push_back(sample.residentMiB);
        }
    }

    const double minimalTime = median(time[0]), appTime = median(time[1]);
    const double minimalMemory = median(memory[0]), appMemory = median(memory[1]);
    std::printf("platform %s, %d runs each, medians\n",
                qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default")).toUtf8().constData(), runs);
    std::printf("minimal window: start to first paint %.1f ms, resident %.1f MiB\n", minimalTime, minimalMemory);
    std::printf("app window:     start to first paint %.1f ms, resident %.1f MiB\n", appTime, appMemory);
    std::printf("start to first paint ratio: %.3f (goal <= 1.15)\n", appTime / minimalTime);
    std::printf("resident memory ratio:      %.3f (goal <= 1.10)\n", appMemory / minimalMemory);
    return 0;
}
