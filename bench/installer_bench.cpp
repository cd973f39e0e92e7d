// Measures the installation core against plain tools, side by side in one run: the two sides
// of each comparison alternate round by round, warm-up rounds are dropped, medians are shown.

#include "installer/installed_layouts.h"
#include "installer/system_install.h"
#include "installer/user_install.h"
#include "layout/keyboard_geometry.h"
#include "layout/keyboard_model.h"
#include "layout/layout_check.h"
#include "platform/error.h"
#include "platform/files.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int defaultRounds = 30;
constexpr int warmUpRounds = 3;
// A single-file copy takes well under a millisecond, so it gets more rounds for a steadier median.
constexpr int smallItemRoundFactor = 10;
constexpr int bundleFileCount = 2000;

struct Options {
    int rounds = defaultRounds;
};

[[noreturn]] void exitWithUsage(const char* program)
{
    std::fprintf(stderr, "usage: %s [--rounds N]   (N >= 1, default %d)\n", program, defaultRounds);
    std::exit(2);
}

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument != "--rounds" || i + 1 >= argc)
            exitWithUsage(argv[0]);
        char* end = nullptr;
        const long rounds = std::strtol(argv[++i], &end, 10);
        if (*end != '\0' || rounds < 1 || rounds > 100000)
            exitWithUsage(argv[0]);
        options.rounds = static_cast<int>(rounds);
    }
    return options;
}

// A unique folder on tmpfs, removed with everything in it when the run ends.
class WorkFolder {
public:
    WorkFolder()
    {
        onSharedMemory_ = fs::is_directory("/dev/shm");
        const fs::path parent = onSharedMemory_ ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (parent / "installer-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("Couldn't create a working folder in " + parent.string() + ": "
                                     + std::strerror(errno));
        path_ = pattern;
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    ~WorkFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }

    const fs::path& path() const { return path_; }
    bool onSharedMemory() const { return onSharedMemory_; }

private:
    fs::path path_;
    bool onSharedMemory_ = false;
};

void writeFile(const fs::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("Couldn't write " + path.string());
}

std::string randomBytes(std::mt19937_64& random, std::size_t size)
{
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xff);
    return bytes;
}

// Foo.bundle/Contents/{Info.plist, Resources/group-G/set-S/key-K.bin}: 2,000 files, 1-8 KB each.
fs::path makeBundle(const fs::path& parent, std::mt19937_64& random)
{
    const fs::path bundle = parent / "Foo.bundle";
    const fs::path contents = bundle / "Contents";
    fs::create_directories(contents);
    writeFile(contents / "Info.plist", randomBytes(random, 1024));

    std::uniform_int_distribution<std::size_t> fileSize(1024, 8192);
    constexpr int groups = 10;
    constexpr int setsPerGroup = 4;
    constexpr int filesPerSet = (bundleFileCount - 1 + groups * setsPerGroup - 1) / (groups * setsPerGroup);
    int remaining = bundleFileCount - 1;
    for (int group = 0; group < groups; ++group) {
        for (int set = 0; set < setsPerGroup; ++set) {
            const fs::path folder =
                contents / "Resources" / ("group-" + std::to_string(group)) / ("set-" + std::to_string(set));
            fs::create_directories(folder);
            for (int file = 0; file < filesPerSet && remaining > 0; ++file, --remaining)
                writeFile(folder / ("key-" + std::to_string(file) + ".bin"), randomBytes(random, fileSize(random)));
        }
    }
    return bundle;
}

fs::path makeKeylayout(const fs::path& parent)
{
    constexpr std::size_t size = 200 * 1024;
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<keyboard group=\"126\" id=\"-4242\" name=\"Bench\">\n";
    for (int code = 0; text.size() < size; ++code)
        text +=
            "  <key code=\"" + std::to_string(code % 128) + "\" output=\"&#x" + std::to_string(1000 + code) + ";\"/>\n";
    text.resize(size);
    const fs::path path = parent / "Bench.keylayout";
    writeFile(path, text);
    return path;
}

std::string findInPath(const std::string& program)
{
    const char* searchPath = std::getenv("PATH");
    std::string_view rest = searchPath != nullptr ? searchPath : "/usr/bin:/bin";
    while (!rest.empty()) {
        const std::size_t colon = std::min(rest.find(':'), rest.size());
        const fs::path candidate = fs::path(rest.substr(0, colon)) / program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
        rest.remove_prefix(std::min(colon + 1, rest.size()));
    }
    throw std::runtime_error("Couldn't find " + program + " in PATH");
}

// Starts the program afresh and waits for it; anything but a clean exit with the status expected
// ends the benchmark. A quiet program's outputs go to /dev/null.
void runProgram(const std::vector<std::string>& arguments, bool quiet = false, int expectedStatus = 0)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const int output : {STDOUT_FILENO, STDERR_FILENO})
        if (quiet)
            posix_spawn_file_actions_addopen(&actions, output, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawnError = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0)
        throw std::runtime_error("Couldn't start " + arguments[0] + ": " + std::strerror(spawnError));
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("Couldn't wait for " + arguments[0] + ": " + std::strerror(errno));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != expectedStatus)
        throw std::runtime_error(arguments[0] + " failed");
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One timed run of a side; it prepares and cleans up around the part it times.
using TimedRun = std::function<double()>;

struct SideBySide {
    std::vector<double> ours;
    std::vector<double> theirs;
    double ratio() const { return median(ours) / median(theirs); }
};

SideBySide measureAlternately(int rounds, const TimedRun& ours, const TimedRun& theirs)
{
    SideBySide result;
    for (int round = 0; round < warmUpRounds + rounds; ++round) {
        const double oursMs = ours();
        const double theirsMs = theirs();
        if (round < warmUpRounds)
            continue;
        result.ours.push_back(oursMs);
        result.theirs.push_back(theirsMs);
    }
    return result;
}

// Relative path to content of every regular file, so two copies can be compared.
std::map<std::string, std::string> treeContents(const fs::path& root)
{
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        contents[fs::relative(entry.path(), root).string()].assign(std::istreambuf_iterator<char>(in),
                                                                   std::istreambuf_iterator<char>());
    }
    return contents;
}

// Both sides must produce the same tree, or the ratio would compare different work.
void checkCopiesAgree(const fs::path& bundle, const fs::path& work, const std::string& cp)
{
    const fs::path oursFolder = work / "check-ours";
    const fs::path cpFolder = work / "check-cp";
    fs::create_directory(cpFolder);
    installer::copyLayout(bundle, oursFolder);
    runProgram({cp, "-R", bundle.string(), cpFolder.string() + "/"});
    const auto original = treeContents(bundle);
    if (original.size() != bundleFileCount || treeContents(oursFolder / bundle.filename()) != original
        || treeContents(cpFolder / bundle.filename()) != original)
        throw std::runtime_error("The copies of the bundle differ from it");
    fs::remove_all(oursFolder);
    fs::remove_all(cpFolder);
}

// Both sides copy into an existing empty folder that is made before and removed after the
// timed part, so each round starts from the same state.
TimedRun copyLayoutInto(const fs::path& item, const fs::path& folder)
{
    return [item, folder] {
        fs::create_directory(folder);
        const auto start = Clock::now();
        installer::copyLayout(item, folder);
        const double ms = millisecondsSince(start);
        fs::remove_all(folder);
        return ms;
    };
}

TimedRun copyWithCpInto(const std::string& cp, const fs::path& item, const fs::path& folder)
{
    return [cp, item, folder] {
        fs::create_directory(folder);
        const std::vector<std::string> arguments{cp, "-R", item.string(), folder.string() + "/"};
        const auto start = Clock::now();
        runProgram(arguments);
        const double ms = millisecondsSince(start);
        fs::remove_all(folder);
        return ms;
    };
}

// The system's seams in a benchmark: `program` for each system program, the all-users folder in
// `work`, no input menu; nothing of the machine's own is reached.
installer::SystemTools standInTools(const fs::path& work, const fs::path& program = "/usr/bin/true")
{
    return {program, program, program, work / "system", {}};
}

TimedRun installForAllUsersWith(const fs::path& item, const fs::path& standIn)
{
    return [item, tools = standInTools(platform::temporaryDirectory(), standIn)] {
        const auto start = Clock::now();
        installer::installForAllUsers(item, tools);
        return millisecondsSince(start);
    };
}

// What installing for all users cannot do without: stage a copy, run one program, clean up.
TimedRun stageAndRun(const fs::path& item, const fs::path& stagingFolder, const fs::path& standIn)
{
    return [item, stagingFolder, standIn] {
        const std::vector<std::string> arguments{standIn.string()};
        const auto start = Clock::now();
        platform::createPrivateDirectory(stagingFolder);
        platform::copyItem(item, stagingFolder / item.filename());
        runProgram(arguments);
        platform::removeItem(stagingFolder);
        return millisecondsSince(start);
    };
}

void reportBundleVersusCp(const fs::path& bundle, const fs::path& work, const std::string& cp, int rounds)
{
    checkCopiesAgree(bundle, work, cp);
    const SideBySide times = measureAlternately(rounds, copyLayoutInto(bundle, work / "dest-ours"),
                                                copyWithCpInto(cp, bundle, work / "dest-cp"));
    std::printf(
        "copyLayout %d-file bundle vs cp -R: ratio %.2f (goal <= 1.00)  [ours %.1f ms, cp %.1f ms, median of %d]\n",
        bundleFileCount, times.ratio(), median(times.ours), median(times.theirs), rounds);
}

// The plain copy of one file that copyLayout does more around: a copy beside, modes, a rename.
TimedRun copyFileInto(const fs::path& file, const fs::path& destination)
{
    return [file, destination] {
        fs::remove_all(destination);
        const auto start = Clock::now();
        fs::create_directories(destination);
        fs::copy_file(file, destination / file.filename());
        return millisecondsSince(start);
    };
}

void reportKeylayoutCopy(const fs::path& keylayout, const fs::path& work, int rounds)
{
    const SideBySide times = measureAlternately(rounds, copyLayoutInto(keylayout, work / "dest-single"),
                                                copyFileInto(keylayout, work / "dest-plain"));
    std::printf("copyLayout 200 KB keylayout vs std::filesystem::copy_file: ratio %.2f (goal <= 2.00)  "
                "[ours %.3f ms, copy_file %.3f ms, into an empty folder, median of %d]\n",
                times.ratio(), median(times.ours), median(times.theirs), rounds);
}

void reportInstallForAllUsers(const std::string& label, const fs::path& item, const fs::path& stagingParent, int rounds)
{
    const fs::path standIn = "/usr/bin/true";  // where both macOS and Linux have it
    const SideBySide times = measureAlternately(rounds, installForAllUsersWith(item, standIn),
                                                stageAndRun(item, stagingParent / "baseline-staging", standIn));
    std::printf("installForAllUsers %s vs copyItem + spawn /usr/bin/true: ratio %.2f (goal <= 1.20)  "
                "[ours %.2f ms, baseline %.2f ms, median of %d]\n",
                label.c_str(), times.ratio(), median(times.ours), median(times.theirs), rounds);
}

// A complete layout of about 200 KB, as an editor writes one: every element closed.
std::string wellFormedLayout(int id)
{
    std::string text = "<?xml version=\"1.1\" encoding=\"UTF-8\"?>\n<keyboard group=\"126\" id=\"" + std::to_string(id)
        + "\" name=\"Bench " + std::to_string(id)
        + "\">\n<layouts><layout first=\"0\" last=\"17\" mapSet=\"set\" modifiers=\"m\"/></layouts>\n"
          "<modifierMap id=\"m\" defaultIndex=\"0\"/>\n<keyMapSet id=\"set\">\n";
    for (int map = 0; text.size() < 200 * 1024; ++map) {
        text += "<keyMap index=\"" + std::to_string(map) + "\">\n";
        for (int code = 0; code < 128; ++code)
            text +=
                "  <key code=\"" + std::to_string(code) + "\" output=\"&#x" + std::to_string(1000 + code) + ";\"/>\n";
        text += "</keyMap>\n";
    }
    return text + "</keyMapSet>\n</keyboard>\n";
}

// Times the check whether it passes or refuses; `accepted` says which it must do.
TimedRun checkLayout(const fs::path& item, bool accepted)
{
    return [item, accepted] {
        const auto start = Clock::now();
        const bool passed = installer::inspectLayoutItem(item).installable();
        const double ms = millisecondsSince(start);
        if (passed != accepted)
            throw std::runtime_error("The layout check judged " + item.string() + " wrongly");
        return ms;
    };
}

// What no check can do without: reading each file and parsing it with pugixml, nothing more.
TimedRun parseOnly(const std::vector<fs::path>& files)
{
    return [files] {
        const auto start = Clock::now();
        for (const fs::path& file : files) {
            std::string bytes(fs::file_size(file), '\0');
            std::ifstream(file, std::ios::binary).read(bytes.data(), std::streamsize(bytes.size()));
            pugi::xml_document document;
            if (document.load_buffer(bytes.data(), bytes.size()).status == pugi::status_io_error)
                throw std::runtime_error("Couldn't parse " + file.string());
        }
        return millisecondsSince(start);
    };
}

std::vector<fs::path> layoutFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".keylayout")
            files.push_back(entry.path());
    return files;
}

void reportLayoutCheck(const fs::path& work, int rounds)
{
    const fs::path keylayout = work / "Checked.keylayout";
    writeFile(keylayout, wellFormedLayout(-1));
    // The bundle's worst case: every layout is cut short just before its end, so all twelve are
    // read and parsed to the last line before the bundle is refused.
    const fs::path bundle = work / "Checked.bundle";
    fs::create_directories(bundle / "Contents" / "Resources");
    for (int layout = 0; layout < 12; ++layout) {
        const std::string text = wellFormedLayout(-2 - layout);
        writeFile(bundle / "Contents" / "Resources" / ("Layout-" + std::to_string(layout) + ".keylayout"),
                  text.substr(0, text.size() - 12));
    }

    const SideBySide file = measureAlternately(rounds, checkLayout(keylayout, true), parseOnly({keylayout}));
    std::printf("inspectLayoutItem 200 KB keylayout vs reading and parsing it: ratio %.2f (goal <= 1.50)  "
                "[ours %.3f ms, parse %.3f ms, median of %d]\n",
                file.ratio(), median(file.ours), median(file.theirs), rounds);
    const SideBySide twelve = measureAlternately(rounds, checkLayout(bundle, false), parseOnly(layoutFiles(bundle)));
    std::printf("inspectLayoutItem bundle of 12 200 KB layouts, all parsed, vs reading and parsing them: ratio %.2f "
                "(goal <= 1.50)  [ours %.3f ms, parse %.3f ms, median of %d]\n",
                twelve.ratio(), median(twelve.ours), median(twelve.theirs), rounds);
}

// The example layout of the README, grown to 200 KB as layouts for many keyboard types grow: its
// ANSI map set again under other ids, each named by a <layout> of its own after the first.
std::string exampleLayoutOf200Kilobytes()
{
    std::ifstream in(EXAMPLE_LAYOUT, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t setStart = text.find("\t<keyMapSet id=\"ANSI\">"), setEnd = text.find("</keyMapSet>", setStart);
    if (setStart == std::string::npos || setEnd == std::string::npos)
        throw std::runtime_error("The example layout has no ANSI map set");
    const std::string set = text.substr(setStart, setEnd + 13 - setStart);
    for (int type = 1; text.size() < 200 * 1024; ++type) {
        const std::string id = "Type" + std::to_string(type);
        text.insert(text.find("\t</layouts>"),
                    "\t\t<layout first=\"" + std::to_string(40 + type) + "\" last=\"" + std::to_string(40 + type)
                        + "\" mapSet=\"" + id + "\" modifiers=\"Modifiers\"/>\n");
        text.insert(text.find("\t<actions>"), std::regex_replace(set, std::regex("id=\"ANSI\""), "id=\"" + id + "\""));
    }
    return text;
}

// What the window and `keylayout show` do with a layout: its model read by the checks' reader, and
// the picture laid out in both shapes, against the checks alone, which read and parse the file too.
void reportKeyboardModel(const fs::path& work, int rounds)
{
    const fs::path layout = work / "Example.keylayout";
    writeFile(layout, exampleLayoutOf200Kilobytes());
    const SideBySide times = measureAlternately(
        rounds,
        [&] {
            const auto start = Clock::now();
            const installer::ItemKeyboards read = installer::readKeyboards(layout);
            std::size_t legends = 0;
            for (const auto shape : {installer::KeyboardShape::ansi, installer::KeyboardShape::iso})
                for (const installer::PictureKey& key : installer::keyboardPicture(read.keyboards.at(0), shape).keys)
                    legends += key.legends.size();
            const double ms = millisecondsSince(start);
            if (read.keyboards.at(0).keys.size() < 100 || legends < 300)
                throw std::runtime_error("The example layout's model is missing keys");
            return ms;
        },
        checkLayout(layout, true));
    std::printf(
        "readKeyboards + keyboardPicture (ANSI and ISO) %zu KB layout: %.3f ms (goal < 5 ms), ratio %.2f against "
        "inspectLayoutItem on it  [ours %.3f ms, check %.3f ms, median of %d]\n",
        std::size_t(fs::file_size(layout) / 1024), median(times.ours), times.ratio(), median(times.ours),
        median(times.theirs), rounds);
}

#ifdef KEYLAYOUT
// `keylayout show --json` as a layout author's CI step runs it, against the least keylayout does:
// start, print its version and exit.
void reportKeylayoutShow(const fs::path& work, int rounds)
{
    const fs::path layout = work / "Shown.keylayout";
    writeFile(layout, exampleLayoutOf200Kilobytes());
    const auto run = [](std::vector<std::string> arguments) -> TimedRun {
        return [arguments] {
            const auto start = Clock::now();
            runProgram(arguments, true);
            return millisecondsSince(start);
        };
    };
    const SideBySide times =
        measureAlternately(rounds, run({KEYLAYOUT, "show", "--json", layout.string()}), run({KEYLAYOUT, "--version"}));
    std::printf(
        "keylayout show --json 200 KB layout vs keylayout --version, whole processes: ratio %.2f (goal <= 1.50)  "
        "[show %.2f ms, version %.2f ms, median of %d]\n",
        times.ratio(), median(times.ours), median(times.theirs), rounds);
}

// `keylayout diff` of two versions of a 200 KB layout, as a layout author's CI runs it, against
// `keylayout show --json` of one of them: the second version changes a key, changes a composition
// and renames every dead-key state.
void reportKeylayoutDiff(const fs::path& work, int rounds)
{
    const fs::path before = work / "v1.keylayout", after = work / "v2.keylayout";
    const std::string text = exampleLayoutOf200Kilobytes();
    std::string changed = std::regex_replace(text, std::regex("\"acute\""), "\"akut\"");
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"<key code=\"12\" output=\"q\"/>", "<key code=\"12\" output=\"w\"/>"},
          {"<when state=\"dot\" output=\"&#x0117;\"/>", "<when state=\"dot\" output=\"&#x00E9;\"/>"}}) {
        if (changed.find(from) == std::string::npos)
            throw std::runtime_error("The example layout has no " + from);
        changed.replace(changed.find(from), from.size(), to);
    }
    writeFile(before, text);
    writeFile(after, changed);
    const auto run = [](std::vector<std::string> arguments, int expectedStatus) -> TimedRun {
        return [arguments, expectedStatus] {
            const auto start = Clock::now();
            runProgram(arguments, true, expectedStatus);
            return millisecondsSince(start);
        };
    };
    const SideBySide times = measureAlternately(rounds, run({KEYLAYOUT, "diff", before.string(), after.string()}, 1),
                                                run({KEYLAYOUT, "show", "--json", before.string()}, 0));
    std::printf("keylayout diff of two 200 KB layouts vs keylayout show --json of one, whole processes: ratio %.2f "
                "(goal <= 2.00)  [diff %.2f ms, show %.2f ms, median of %d]\n",
                times.ratio(), median(times.ours), median(times.theirs), rounds);
}

// `keylayout check` as a CI step runs it: the whole process, from start to exit, with nothing
// installed to compare against. Qt Core starts in a few milliseconds; a GUI application would not.
void reportKeylayoutCheck(const fs::path& work, int rounds)
{
    const fs::path layout = work / "Command.keylayout", empty = work / "command-home";
    writeFile(layout, wellFormedLayout(-20));
    fs::create_directory(empty);
    ::setenv("HOME", empty.c_str(), 1);
    const auto run = [](const std::vector<std::string>& arguments) -> TimedRun {
        return [arguments] {
            const auto start = Clock::now();
            runProgram(arguments, true);
            return millisecondsSince(start);
        };
    };
    const SideBySide times =
        measureAlternately(rounds, run({KEYLAYOUT, "check", "--system-layouts", empty.string(), layout.string()}),
                           run({KEYLAYOUT, "--version"}));
    std::printf("keylayout check 200 KB keylayout vs keylayout --version, whole processes: ratio %.2f (goal <= 1.50)  "
                "[check %.2f ms, --version %.2f ms, median of %d]\n",
                times.ratio(), median(times.ours), median(times.theirs), rounds);
}
#endif

// A drop's whole check: the item alone, then against every installed layout.
TimedRun checkAgainstInstalled(const fs::path& item, const installer::SystemTools& tools, std::size_t installed)
{
    return [item, tools, installed] {
        const auto start = Clock::now();
        const installer::LayoutReport report = installer::inspectLayoutItem(item);
        const auto items = installer::installedItems(tools);
        const auto clashes = installer::clashWarnings(tools.systemLayouts / item.filename(), report.layouts, items);
        const double ms = millisecondsSince(start);
        if (!report.installable() || items.size() != installed || clashes.size() != 1)
            throw std::runtime_error("The check against installed layouts found the wrong things");
        return ms;
    };
}

TimedRun listInstalled(const installer::SystemTools& tools, std::size_t installed)
{
    return [tools, installed] {
        const auto start = Clock::now();
        const auto items = installer::listInstalled(tools);
        const double ms = millisecondsSince(start);
        if (items.size() != installed)
            throw std::runtime_error("The listing missed installed layouts");
        return ms;
    };
}

// Installed layouts of 200 KB with ids of their own, split between the two folders; the checked
// layout shares its id with one of them.
void reportInstalledLayouts(const fs::path& work, int rounds)
{
    const fs::path home = work / "home";
    ::setenv("HOME", home.c_str(), 1);
    const installer::SystemTools tools = standInTools(work);
    const fs::path folders[] = {installer::userLayoutsFolder(), tools.systemLayouts};
    const auto install = [&](int from, int to) {
        for (int layout = from; layout < to; ++layout) {
            fs::create_directories(folders[layout % 2]);
            writeFile(folders[layout % 2] / ("Installed-" + std::to_string(layout) + ".keylayout"),
                      wellFormedLayout(100 + layout));
        }
    };
    const fs::path item = work / "Dropped.keylayout";
    writeFile(item, wellFormedLayout(100));
    const auto everyLayout = [&] {
        std::vector<fs::path> files = layoutFiles(folders[0]), system = layoutFiles(folders[1]);
        files.insert(files.end(), system.begin(), system.end());
        return files;
    };
    install(0, 50);
    std::vector<fs::path> parsed = everyLayout();
    parsed.push_back(item);
    const SideBySide check = measureAlternately(rounds, checkAgainstInstalled(item, tools, 50), parseOnly(parsed));
    std::printf("inspectLayoutItem + clashWarnings 200 KB keylayout against 50 installed of 200 KB vs parsing the 51: "
                "ratio %.2f (goal <= 1.50)  [ours %.2f ms, parse %.2f ms, median of %d]\n",
                check.ratio(), median(check.ours), median(check.theirs), rounds);
    install(50, 100);
    const SideBySide list = measureAlternately(rounds, listInstalled(tools, 100), parseOnly(everyLayout()));
    std::printf("listInstalled 100 installed of 200 KB vs parsing the 100: ratio %.2f (goal <= 1.50)  "
                "[ours %.2f ms, parse %.2f ms, median of %d]\n",
                list.ratio(), median(list.ours), median(list.theirs), rounds);
}

int runBenchmark(const Options& options)
{
    const WorkFolder work;
    if (work.onSharedMemory())
        std::printf("Working in %s (tmpfs); %d warm-up rounds discarded per measurement.\n", work.path().c_str(),
                    warmUpRounds);
    else
        std::printf("/dev/shm is missing, so working in %s instead, which may not be tmpfs; "
                    "%d warm-up rounds discarded per measurement.\n",
                    work.path().c_str(), warmUpRounds);
    std::fflush(stdout);

    std::mt19937_64 random(20240601);
    const fs::path sources = work.path() / "sources";
    fs::create_directory(sources);
    const fs::path bundle = makeBundle(sources, random);
    const fs::path keylayout = makeKeylayout(sources);

    // The staging folder of installForAllUsers lives in the temp folder; keep it on tmpfs too.
    const fs::path temporary = work.path() / "tmp";
    fs::create_directory(temporary);
    fs::permissions(temporary, fs::perms::owner_all);
    ::setenv("TMPDIR", temporary.c_str(), 1);

    const int smallRounds = options.rounds * smallItemRoundFactor;
    reportBundleVersusCp(bundle, work.path(), findInPath("cp"), options.rounds);
    std::fflush(stdout);
    reportKeylayoutCopy(keylayout, work.path(), smallRounds);
    std::fflush(stdout);
    reportInstallForAllUsers("200 KB keylayout", keylayout, temporary, smallRounds);
    std::fflush(stdout);
    reportInstallForAllUsers("2000-file bundle", bundle, temporary, options.rounds);
    std::fflush(stdout);
    reportLayoutCheck(work.path(), smallRounds);
    std::fflush(stdout);
#ifdef KEYLAYOUT
    reportKeylayoutCheck(work.path(), smallRounds);
    std::fflush(stdout);
    reportKeylayoutShow(work.path(), smallRounds);
    std::fflush(stdout);
    reportKeylayoutDiff(work.path(), smallRounds);
    std::fflush(stdout);
#endif
    reportKeyboardModel(work.path(), smallRounds);
    std::fflush(stdout);
    reportInstalledLayouts(work.path(), options.rounds);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    try {
        return runBenchmark(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "installer-bench: %s\n", error.what());
        return 1;
    }
}
