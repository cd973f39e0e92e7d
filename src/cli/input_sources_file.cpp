#include "cli/input_sources_file.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace cli {
namespace {

std::vector<platform::InputSource> read(const std::filesystem::path& file)
{
    std::vector<platform::InputSource> sources;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        platform::InputSource source;
        std::string enabled;
        if (std::getline(fields, source.id, '\t') && std::getline(fields, source.localizedName, '\t')
            && std::getline(fields, enabled))
            sources.push_back({source.id, source.localizedName, enabled == "1"});
    }
    return sources;
}

void write(const std::filesystem::path& file, const std::vector<platform::InputSource>& sources)
{
    std::ofstream out(file);
    for (const platform::InputSource& source : sources)
        out << source.id << '\t' << source.localizedName << '\t' << (source.enabled ? 1 : 0) << '\n';
}

void note(const std::filesystem::path& file, const std::string& call)
{
    std::ofstream(file.string() + ".calls", std::ios::app) << call << '\n';
}

// Sets the source's state; false when the file lists no such source.
bool setEnabled(const std::filesystem::path& file, const std::string& id, bool enabled)
{
    note(file, (enabled ? "enable " : "disable ") + id);
    std::vector<platform::InputSource> sources = read(file);
    bool found = false;
    for (platform::InputSource& source : sources)
        if (source.id == id)
            source.enabled = enabled, found = true;
    write(file, sources);
    return found;
}

}  // namespace

platform::InputSourceRegistry inputSourcesInFile(const std::filesystem::path& file)
{
    return {
        .registerItem =
            [file](const std::filesystem::path& item) {
                return note(file, "register " + item.filename().string()), true;
            },
        .keyboardLayouts = [file] { return read(file); },
        .enable = [file](const std::string& id) { return setEnabled(file, id, true); },
        .disable = [file](const std::string& id) { return setEnabled(file, id, false); },
        .select = [file](const std::string& id) { return note(file, "select " + id), true; },
    };
}

}  // namespace cli
