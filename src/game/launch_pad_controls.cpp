#include "game/launch_pad_controls.h"

#include <charconv>

namespace orbigolf {
namespace {

constexpr const char* kStrokeLimits[] = {"9", "8", "7", "6"};

struct ListControl {
    const char* name;
    int LaunchPadControls::*field;
    int count;  // entries in the drop-down list
};

constexpr ListControl kLists[] = {
    {"frameskip", &LaunchPadControls::frameskip, 4},   {"course", &LaunchPadControls::course, 1},
    {"players", &LaunchPadControls::players, 4},       {"startplayer", &LaunchPadControls::startplayer, 3},
    {"nextplayer", &LaunchPadControls::nextplayer, 2}, {"whencollide", &LaunchPadControls::whencollide, 2},
    {"scoring", &LaunchPadControls::scoring, 2},       {"strokelimit", &LaunchPadControls::strokelimit, 4},
};

struct CheckControl {
    const char* name;
    bool LaunchPadControls::*field;
    int group;  // 0 none, 1 resolution, 2 sound
};

constexpr CheckControl kChecks[] = {
    {"screen640", &LaunchPadControls::screen640, 1},   {"screen800", &LaunchPadControls::screen800, 1},
    {"screen1024", &LaunchPadControls::screen1024, 1}, {"screen512", &LaunchPadControls::screen512, 1},
    {"fastwrite", &LaunchPadControls::fastwrite, 0},   {"soundon", &LaunchPadControls::soundon, 2},
    {"soundoff", &LaunchPadControls::soundoff, 2},     {"bgsounds", &LaunchPadControls::bgsounds, 0},
    {"training", &LaunchPadControls::training, 0},     {"plus1", &LaunchPadControls::plus1, 0},
    {"minus1", &LaunchPadControls::minus1, 0},
};

std::optional<int> parseIndex(std::string_view text) {
    int v = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return v;
}

// "player1".."player4" and the like: the player number after the prefix, or 0.
int playerSuffix(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + 1 || name.substr(0, prefix.size()) != prefix) return 0;
    const char c = name.back();
    return c >= '1' && c <= '4' ? c - '0' : 0;
}

}  // namespace

std::string LaunchPadControls::strokeLimitText() const {
    return strokelimit >= 0 && strokelimit < 4 ? kStrokeLimits[strokelimit] : kStrokeLimits[0];
}

Rules LaunchPadControls::rules() const {
    Rules r;
    r.collide = whencollide != 0;
    r.plus1 = plus1;
    r.minus1 = minus1;
    r.training = training;
    r.strokelimit = strokeLimitText();
    r.nextplayer = static_cast<NextPlayerRule>(nextplayer);
    r.startplayer = static_cast<StartPlayerRule>(startplayer);
    r.scoring = static_cast<ScoringRule>(scoring);
    return r;
}

const std::vector<std::string>& LaunchPadControls::names() {
    static const std::vector<std::string> kNames = [] {
        std::vector<std::string> n = {"screen640", "screen800", "screen1024", "screen512", "fastwrite",
                                      "frameskip", "soundon",   "soundoff",   "bgsounds",  "skin",
                                      "training",  "course",    "players"};
        for (const char* prefix : {"player", "pull", "easy", "Image"})
            for (int i = 1; i <= 4; ++i) n.push_back(prefix + std::to_string(i));
        for (const char* rest : {"startplayer", "nextplayer", "whencollide", "scoring", "strokelimit", "plus1", "minus1"})
            n.push_back(rest);
        return n;
    }();
    return kNames;
}

std::optional<std::string> LaunchPadControls::set(std::string_view name, std::string_view value) {
    for (const ListControl& c : kLists) {
        if (name != c.name) continue;
        const std::optional<int> v = parseIndex(value);
        if (!v || *v < 0 || *v >= c.count)
            return "control " + std::string(name) + " takes an index 0.." + std::to_string(c.count - 1);
        this->*c.field = *v;
        return std::nullopt;
    }
    auto flag = [&](bool& field) -> std::optional<std::string> {
        if (value != "0" && value != "1") return "control " + std::string(name) + " takes 0 or 1";
        field = value == "1";
        return std::nullopt;
    };
    for (const CheckControl& c : kChecks) {
        if (name != c.name) continue;
        bool on = false;
        if (auto err = flag(on)) return err;
        if (on && c.group != 0)
            for (const CheckControl& other : kChecks)
                if (other.group == c.group) this->*other.field = false;
        this->*c.field = on;
        return std::nullopt;
    }
    if (name == "skin") {
        skin = std::string(value);
        return std::nullopt;
    }
    if (int p = playerSuffix(name, "player")) {
        player[static_cast<size_t>(p - 1)] = std::string(value);
        return std::nullopt;
    }
    if (int p = playerSuffix(name, "Image")) {
        image[static_cast<size_t>(p - 1)] = std::string(value);
        return std::nullopt;
    }
    if (int p = playerSuffix(name, "pull")) {
        bool on = false;
        if (auto err = flag(on)) return err;
        pull[static_cast<size_t>(p - 1)] = on;
        return std::nullopt;
    }
    if (int p = playerSuffix(name, "easy")) {
        bool on = false;
        if (auto err = flag(on)) return err;
        easy[static_cast<size_t>(p - 1)] = on;
        return std::nullopt;
    }
    return "unknown control " + std::string(name);
}

std::optional<std::string> LaunchPadControls::get(std::string_view name) const {
    for (const ListControl& c : kLists)
        if (name == c.name) return std::to_string(this->*c.field);
    for (const CheckControl& c : kChecks)
        if (name == c.name) return std::string(this->*c.field ? "1" : "0");
    if (name == "skin") return skin;
    if (int p = playerSuffix(name, "player")) return player[static_cast<size_t>(p - 1)];
    if (int p = playerSuffix(name, "Image")) return image[static_cast<size_t>(p - 1)];
    if (int p = playerSuffix(name, "pull")) return std::string(pull[static_cast<size_t>(p - 1)] ? "1" : "0");
    if (int p = playerSuffix(name, "easy")) return std::string(easy[static_cast<size_t>(p - 1)] ? "1" : "0");
    return std::nullopt;
}

}  // namespace orbigolf
