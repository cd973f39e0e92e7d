#pragma once

#include "platform/input_sources.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

// The system's registry of input sources, kept in memory, as a Mac would answer: each call that
// changes something is noted in order, with whether the item was still on disk when a source was
// disabled.
struct StandInRegistry {
    std::vector<platform::InputSource> sources;
    std::set<std::string> refused;  // the system will not enable these
    std::vector<std::string> calls;
    std::filesystem::path watched;  // the item whose presence a disable notes

    platform::InputSourceRegistry registry()
    {
        const auto set = [this](const std::string& id, bool enabled) {
            bool found = false;
            for (platform::InputSource& source : sources)
                if (source.id == id && !(enabled && refused.count(id)))
                    source.enabled = enabled, found = true;
            return found;
        };
        return {
            .registerItem =
                [this](const std::filesystem::path& item) {
                    return calls.push_back("register " + item.filename().string()), true;
                },
            .keyboardLayouts = [this] { return sources; },
            .enable = [this, set](const std::string& id) { return calls.push_back("enable " + id), set(id, true); },
            .disable =
                [this, set](const std::string& id) {
                    calls.push_back("disable " + id
                                    + (watched.empty()                        ? ""
                                           : std::filesystem::exists(watched) ? " while installed"
                                                                              : " once gone"));
                    return set(id, false);
                },
            .select = [this](const std::string& id) { return calls.push_back("select " + id), true; },
        };
    }
};

}  // namespace testing_support
