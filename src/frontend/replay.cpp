#include "frontend/replay.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "game/state_fields.h"
#include "platform/vk.h"

namespace orbigolf::replay {
namespace {

using platform::InputEvent;
using platform::MouseButton;
using Type = InputEvent::Type;

struct NamedShift {
    const char* name;
    platform::ShiftState flag;
};
constexpr NamedShift kShifts[] = {{"shift", platform::ssShift}, {"ctrl", platform::ssCtrl}, {"alt", platform::ssAlt}};

template <class T>
std::optional<T> parseNumber(std::string_view text) {
    T v{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return v;
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
        if (j > i) out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

std::optional<MouseButton> buttonOf(std::string_view w) {
    if (w == "left") return MouseButton::Left;
    if (w == "right") return MouseButton::Right;
    if (w == "middle") return MouseButton::Middle;
    return std::nullopt;
}

const char* buttonName(MouseButton b) {
    switch (b) {
        case MouseButton::Right: return "right";
        case MouseButton::Middle: return "middle";
        default: return "left";
    }
}

class Parser {
public:
    explicit Parser(std::string fileName) : file_(std::move(fileName)) {}

    [[noreturn]] void fail(int line, const std::string& why) const {
        throw ReplayError(file_ + ":" + std::to_string(line) + ": " + why);
    }

    int coordinate(int line, std::string_view w) const {
        const std::optional<int> v = parseNumber<int>(w);
        if (!v) fail(line, "bad coordinate \"" + std::string(w) + "\"");
        if (*v < -kCoordinateLimit || *v > kCoordinateLimit)
            fail(line, "coordinate " + std::string(w) + " is far outside the screen");
        return *v;
    }

    int64_t count(int line, std::string_view w, const char* what) const {
        const std::optional<int64_t> v = parseNumber<int64_t>(w);
        if (!v || *v < 0) fail(line, std::string("bad ") + what + " \"" + std::string(w) + "\"");
        return *v;
    }

    // Shift words after an event's values (whole-program replays only).
    platform::ShiftState shiftWords(int number, const std::vector<std::string_view>& w, size_t from) const {
        platform::ShiftState shift = 0;
        for (size_t i = from; i < w.size(); ++i) {
            bool known = false;
            for (const NamedShift& s : kShifts)
                if (w[i] == s.name) {
                    shift |= s.flag;
                    known = true;
                }
            if (!known || version_ < 2)
                fail(number, std::string(w[0]) + " takes " + std::to_string(from - 1) + " values");
        }
        return shift;
    }

    Line parseLine(int number, std::string_view text, const std::vector<std::string_view>& w) {
        Line l;
        l.number = number;
        const std::string_view cmd = w[0];
        auto want = [&](size_t n) {
            if (w.size() != n) fail(number, std::string(cmd) + " takes " + std::to_string(n - 1) + " values");
        };
        auto wantAtLeast = [&](size_t n) {
            if (w.size() < n) fail(number, std::string(cmd) + " takes " + std::to_string(n - 1) + " values");
        };
        auto programOnly = [&] {
            if (version_ < 2) fail(number, "\"" + std::string(cmd) + "\" belongs to version 2 replays");
        };
        if (cmd == "seed") {
            want(2);
            const std::optional<uint64_t> v = parseNumber<uint64_t>(w[1]);
            if (!v) fail(number, "bad seed \"" + std::string(w[1]) + "\"");
            l.kind = Line::Kind::Seed;
            l.seed = *v;
        } else if (cmd == "control") {
            if (version_ >= 2)
                fail(number, "control lines belong to version 1 replays; a version 2 replay sets the controls on the launch pad");
            if (w.size() < 2) fail(number, "control takes a name and a value");
            l.kind = Line::Kind::Control;
            l.name = std::string(w[1]);
            // The value is the rest of the line after the name's separator.
            const size_t at = static_cast<size_t>(w[1].data() - text.data()) + w[1].size();
            l.value = at < text.size() ? std::string(text.substr(at + 1)) : std::string();
            LaunchPadControls probe;
            if (auto why = probe.set(l.name, l.value)) fail(number, *why);
        } else if (cmd == "fps") {
            want(2);
            l.kind = Line::Kind::Fps;
            l.n = count(number, w[1], "frame rate");
            if (l.n < 1 || l.n > 1000) fail(number, "frame rate " + std::string(w[1]) + " is outside 1..1000");
        } else if (cmd == "tick" || cmd == "end") {
            want(2);
            l.kind = cmd == "tick" ? Line::Kind::Tick : Line::Kind::End;
            l.n = count(number, w[1], "tick number");
            if (l.kind == Line::Kind::Tick && l.n < 1) fail(number, "ticks are counted from 1");
        } else if (cmd == "keydown" || cmd == "keyup") {
            wantAtLeast(2);
            const std::optional<int> code = keyCode(w[1]);
            if (!code) fail(number, "unknown key \"" + std::string(w[1]) + "\"");
            const platform::ShiftState shift = shiftWords(number, w, 2);
            l.kind = Line::Kind::Event;
            l.event = cmd == "keydown" ? InputEvent::keyDown(*code, shift) : InputEvent::keyUp(*code, shift);
        } else if (cmd == "mousemove" || cmd == "click" || cmd == "dblclick") {
            wantAtLeast(3);
            l.kind = Line::Kind::Event;
            const Type type = cmd == "mousemove" ? Type::MouseMove : (cmd == "click" ? Type::Click : Type::DblClick);
            l.event = InputEvent::mouse(type, MouseButton::Left, coordinate(number, w[1]), coordinate(number, w[2]),
                                        shiftWords(number, w, 3));
        } else if (cmd == "mousedown" || cmd == "mouseup") {
            wantAtLeast(4);
            const std::optional<MouseButton> b = buttonOf(w[1]);
            if (!b) fail(number, "unknown mouse button \"" + std::string(w[1]) + "\"");
            l.kind = Line::Kind::Event;
            l.event = InputEvent::mouse(cmd == "mousedown" ? Type::MouseDown : Type::MouseUp, *b,
                                        coordinate(number, w[2]), coordinate(number, w[3]), shiftWords(number, w, 4));
        } else if (cmd == "keypress") {
            programOnly();
            // One typed character: the rest of the line after the separator.
            const size_t at = static_cast<size_t>(w[0].data() - text.data()) + w[0].size() + 1;
            const std::string typed = at < text.size() ? std::string(text.substr(at)) : std::string();
            if (typed.empty() || typed.size() > 4) fail(number, "keypress takes one character");
            l.kind = Line::Kind::Event;
            l.event = InputEvent::keyPress(typed);
        } else if (cmd == "close") {
            programOnly();
            want(1);
            l.kind = Line::Kind::Event;
            l.event = InputEvent::close();
        } else if (cmd == "fullscreen") {
            programOnly();
            want(1);
            l.kind = Line::Kind::Event;
            l.event = InputEvent::toggleFullscreen();
        } else if (cmd == "windowed") {
            programOnly();
            want(1);
            l.kind = Line::Kind::Windowed;
        } else if (cmd == "hole") {
            if (version_ >= 2) fail(number, "hole lines belong to version 1 replays");
            want(2);
            if (!plainHoleName(w[1]))
                fail(number, "hole name \"" + std::string(w[1]) + "\" is not a file name of the data folder");
            l.kind = Line::Kind::Hole;
            l.name = std::string(w[1]);
        } else if (cmd == "settings") {
            programOnly();
            wantAtLeast(2);
            l.kind = Line::Kind::Settings;
            if (w[1] == "defaults" || w[1] == "stored") {
                want(2);
                l.settings = w[1] == "defaults" ? Line::Settings::Defaults : Line::Settings::Stored;
            } else if (w[1] == "unreadable") {
                wantAtLeast(3);
                l.settings = Line::Settings::Unreadable;
                l.value = std::string(text.substr(static_cast<size_t>(w[2].data() - text.data())));
            } else {
                fail(number, "settings are \"defaults\", \"stored\" or \"unreadable\", not \"" + std::string(w[1]) + "\"");
            }
        } else if (cmd == "setting") {
            programOnly();
            wantAtLeast(2);
            l.kind = Line::Kind::Setting;
            const size_t at = static_cast<size_t>(w[1].data() - text.data());
            auto parsed = parseSetting(text.substr(at));
            if (std::string* why = std::get_if<std::string>(&parsed)) fail(number, *why);
            l.setting = std::get<frontend::StoredSetting>(std::move(parsed));
        } else if (cmd == "time") {
            programOnly();
            want(2);
            l.kind = Line::Kind::Time;
            l.n = count(number, w[1], "time");
        } else if (cmd == "screen") {
            programOnly();
            want(3);
            l.kind = Line::Kind::Screen;
            l.n = count(number, w[1], "screen width");
            l.n2 = count(number, w[2], "screen height");
            if (l.n < 320 || l.n > kCoordinateLimit || l.n2 < 200 || l.n2 > kCoordinateLimit)
                fail(number, "screen size " + std::to_string(l.n) + " x " + std::to_string(l.n2) + " is not usable");
        } else if (cmd == "skip-intro") {
            programOnly();
            want(1);
            l.kind = Line::Kind::SkipIntro;
        } else {
            fail(number, "unknown line \"" + std::string(cmd) + "\"");
        }
        return l;
    }

    std::vector<Line> run(std::istream& in) {
        std::vector<Line> lines;
        std::string raw;
        int number = 0;
        bool header = false, started = false, ended = false, holeSeen = false;
        enum class Settings { None, Stored, Other } settingsSeen = Settings::None;
        int64_t lastTick = 0, lastTime = 0;
        while (std::getline(in, raw)) {
            ++number;
            if (!raw.empty() && raw.back() == '\r') raw.pop_back();
            const std::vector<std::string_view> w = words(raw);
            if (w.empty() || w[0].front() == '#') continue;
            if (!header) {
                if (w.size() != 2 || w[0] != "orbigolf-replay") fail(number, "not a replay (no \"orbigolf-replay 1\" line)");
                if (w[1] != "1" && w[1] != "2") fail(number, "replay version " + std::string(w[1]) + " is not supported");
                version_ = w[1] == "1" ? 1 : 2;
                header = true;
                continue;
            }
            if (ended) fail(number, "line after the end line");
            Line l = parseLine(number, raw, w);
            if (l.kind == Line::Kind::Seed && started && version_ == 1) fail(number, "seed after the game has started");
            const bool preamble = l.kind == Line::Kind::Screen || l.kind == Line::Kind::SkipIntro ||
                                  l.kind == Line::Kind::Windowed || l.kind == Line::Kind::Hole ||
                                  l.kind == Line::Kind::Settings || l.kind == Line::Kind::Setting;
            if (preamble && started) fail(number, std::string(w[0]) + " must come before the first event");
            if (l.kind == Line::Kind::Hole && holeSeen) fail(number, "a replay names one first hole");
            if (l.kind == Line::Kind::Settings && settingsSeen != Settings::None)
                fail(number, "a replay holds one settings line");
            if (l.kind == Line::Kind::Setting && settingsSeen != Settings::Stored)
                fail(number, "setting lines follow a \"settings stored\" line");
            if (l.kind == Line::Kind::Hole) holeSeen = true;
            if (l.kind == Line::Kind::Settings)
                settingsSeen = l.settings == Line::Settings::Stored ? Settings::Stored : Settings::Other;
            if (l.kind == Line::Kind::Time) {
                if (l.n < lastTime) fail(number, "time " + std::to_string(l.n) + " goes backwards (after time " +
                                                      std::to_string(lastTime) + ")");
                lastTime = l.n;
            }
            if (l.kind == Line::Kind::Tick) {
                if (l.n < lastTick) fail(number, "tick " + std::to_string(l.n) + " goes backwards (after tick " +
                                                      std::to_string(lastTick) + ")");
                lastTick = l.n;
            }
            if (l.kind == Line::Kind::End) {
                if (l.n < lastTick) fail(number, "end " + std::to_string(l.n) + " comes before tick " +
                                                     std::to_string(lastTick));
                ended = true;
            }
            if (l.kind == Line::Kind::Tick || l.kind == Line::Kind::Event || l.kind == Line::Kind::End ||
                l.kind == Line::Kind::Time)
                started = true;
            lines.push_back(std::move(l));
        }
        if (in.bad()) fail(number, "read error");
        if (!header) fail(number, "not a replay (no \"orbigolf-replay 1\" line)");
        return lines;
    }

    int version() const { return version_; }

private:
    std::string file_;
    int version_ = 1;
};

bool startsGame(const Line& l) {
    return l.kind == Line::Kind::Tick || l.kind == Line::Kind::Event || l.kind == Line::Kind::End;
}

}  // namespace

bool plainHoleName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < ' ') return false;
    return true;
}

ReplayFile parseReplay(std::istream& in, const std::string& fileName) {
    Parser parser(fileName);
    ReplayFile file;
    file.lines = parser.run(in);
    file.version = parser.version();
    return file;
}

ReplayFile readReplay(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ReplayError(path + ": cannot open the replay");
    return parseReplay(in, path);
}

std::vector<Line> parse(std::istream& in, const std::string& fileName) {
    ReplayFile file = parseReplay(in, fileName);
    if (file.version != 1) throw ReplayError(fileName + ": a version 2 replay plays the whole program");
    return std::move(file.lines);
}

std::vector<Line> parseFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ReplayError(path + ": cannot open the replay");
    return parse(in, path);
}

StartValues startValues(const std::vector<Line>& lines) {
    StartValues v;
    for (const Line& l : lines) {
        if (startsGame(l)) break;
        if (l.kind == Line::Kind::Seed) v.seed = l.seed;
        if (l.kind == Line::Kind::Control) (void)v.controls.set(l.name, l.value);
        if (l.kind == Line::Kind::Hole) v.hole = l.name;
    }
    return v;
}

std::optional<std::string> eventLine(const InputEvent& e) {
    // Built with a stream: GCC 12 at -O3 misreads chains of string concatenation.
    std::ostringstream line;
    switch (e.type) {
        case Type::KeyDown:
        case Type::KeyUp: {
            const std::optional<std::string> name = keyName(e.key);
            if (!name) return std::nullopt;
            line << (e.type == Type::KeyDown ? "keydown " : "keyup ") << *name;
            return line.str();
        }
        case Type::MouseMove: line << "mousemove"; break;
        case Type::MouseDown: line << "mousedown " << buttonName(e.button); break;
        case Type::MouseUp: line << "mouseup " << buttonName(e.button); break;
        case Type::Click: line << "click"; break;
        case Type::DblClick: line << "dblclick"; break;
        default: return std::nullopt;
    }
    line << ' ' << e.x << ' ' << e.y;
    return line.str();
}

Recorder::Recorder(std::ostream& out, uint64_t seed, const LaunchPadControls& controls) : out_(out) {
    out_ << "orbigolf-replay 1\n"
         << "seed " << seed << "\n";
    for (const std::string& name : LaunchPadControls::names()) out_ << "control " << name << ' ' << *controls.get(name) << '\n';
    out_.flush();
}

void Recorder::onEvent(const InputEvent& event) {
    std::optional<std::string> line = version_ >= 2 ? programEventLine(event) : eventLine(event);
    if (line) pending_.push_back(std::move(*line));
}

void Recorder::onTick(int fps) {
    ++ticks_;
    if (fps != lastFps_) {
        out_ << "fps " << fps << '\n';
        lastFps_ = fps;
    }
    out_ << "tick " << ticks_ << '\n';
    lastWritten_ = ticks_;
    for (const std::string& line : pending_) out_ << line << '\n';
    pending_.clear();
}

Recorder::Recorder(std::ostream& out, int screenWidth, int screenHeight, bool skipIntro, bool windowed)
    : out_(out), version_(2) {
    out_ << "orbigolf-replay 2\n"
         << "screen " << screenWidth << ' ' << screenHeight << '\n';
    if (skipIntro) out_ << "skip-intro\n";
    if (windowed) out_ << "windowed\n";
    out_.flush();
}

void Recorder::startSettings(const std::vector<frontend::StoredSetting>& settings) {
    if (settings.empty()) {
        out_ << "settings defaults\n";
        return;
    }
    out_ << "settings stored\n";
    for (const frontend::StoredSetting& s : settings) out_ << "setting " << settingLine(s) << '\n';
    out_.flush();
}

void Recorder::unreadableSettings(const std::string& message) {
    std::string oneLine = message;
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    std::replace(oneLine.begin(), oneLine.end(), '\r', ' ');
    out_ << "settings unreadable " << (oneLine.empty() ? std::string("?") : oneLine) << '\n';
    out_.flush();
}

void Recorder::writePending() {
    if (pending_.empty()) return;
    // Events after the last tick (the ones that closed the game) arrive before the next
    // one, which then does not run.
    out_ << "tick " << ticks_ + 1 << '\n';
    lastWritten_ = ticks_ + 1;
    for (const std::string& line : pending_) out_ << line << '\n';
    pending_.clear();
}

void Recorder::beginGame(uint64_t seed) { out_ << "seed " << seed << '\n'; }

void Recorder::endGame() {
    writePending();
    out_.flush();
}

void Recorder::onFormEvent(const InputEvent& event, uint64_t timeMs) {
    const std::optional<std::string> line = programEventLine(event);
    if (!line) return;
    if (static_cast<int64_t>(timeMs) != lastTime_) {
        lastTime_ = static_cast<int64_t>(timeMs);
        out_ << "time " << lastTime_ << '\n';
    }
    out_ << *line << '\n';
}

void Recorder::finish() {
    if (finished_) return;
    finished_ = true;
    writePending();
    out_ << "end " << std::max(ticks_, lastWritten_) << '\n';
    out_.flush();
}

std::optional<std::string> programEventLine(const InputEvent& e) {
    std::string line;
    switch (e.type) {
        case Type::KeyPress:
            if (e.text.empty() || e.text.size() > 4 || e.text == "\n" || e.text == "\r") return std::nullopt;
            return "keypress " + e.text;
        case Type::Close: return "close";
        case Type::ToggleFullscreen: return "fullscreen";
        default: {
            std::optional<std::string> plain = eventLine(e);
            if (!plain) return std::nullopt;
            line = std::move(*plain);
        }
    }
    for (const NamedShift& s : kShifts)
        if (e.shift & s.flag) line += std::string(" ") + s.name;
    return line;
}

std::string settingLine(const frontend::StoredSetting& s) {
    using SType = frontend::StoredSetting::Type;
    std::string line = s.name + "=";
    switch (s.type) {
        case SType::Flag: line += s.flag ? "1" : "0"; break;
        case SType::Number: line += std::to_string(s.number); break;
        case SType::Text:
            for (char c : s.text) {
                if (c == '\\') line += "\\\\";
                else if (c == '\n') line += "\\n";
                else if (c == '\r') line += "\\r";
                else line += c;
            }
            break;
    }
    return line;
}

std::variant<frontend::StoredSetting, std::string> parseSetting(std::string_view text) {
    using SType = frontend::StoredSetting::Type;
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos) return std::string("setting takes NAME=VALUE");
    frontend::StoredSetting s;
    s.name = std::string(text.substr(0, eq));
    const std::optional<SType> type = frontend::storedSettingType(s.name);
    if (!type) return "unknown setting \"" + s.name + "\"";
    s.type = *type;
    const std::string_view value = text.substr(eq + 1);
    switch (s.type) {
        case SType::Flag:
            if (value != "0" && value != "1") return "setting " + s.name + " takes 0 or 1";
            s.flag = value == "1";
            break;
        case SType::Number: {
            const std::optional<int32_t> n = parseNumber<int32_t>(value);
            if (!n) return "setting " + s.name + " takes a whole number";
            s.number = *n;
            break;
        }
        case SType::Text:
            for (size_t i = 0; i < value.size(); ++i) {
                if (value[i] != '\\') {
                    s.text += value[i];
                    continue;
                }
                const char next = i + 1 < value.size() ? value[++i] : '\0';
                if (next == '\\') s.text += '\\';
                else if (next == 'n') s.text += '\n';
                else if (next == 'r') s.text += '\r';
                else return "setting " + s.name + ": a backslash is written \\\\";
            }
            break;
    }
    return s;
}

namespace {

using Json = nlohmann::ordered_json;

// Names and messages may hold any bytes (a replay types them, a settings file keeps them);
// a byte that is not UTF-8 is written as U+FFFD instead of stopping the run.
std::string jsonText(const Json& j) { return j.dump(-1, ' ', false, Json::error_handler_t::replace); }

template <typename Record, std::size_t N>
void putFields(Json& j, const Record& r, const fields::Field<Record>* const (&list)[N]) {
    for (const fields::Field<Record>* f : list)
        std::visit([&](const auto& v) { j[std::string(f->name)] = v; }, fields::plainValue(r, *f));
}

using fields::gameField;
using fields::playerField;
using GameFields = const fields::Field<GameState>*;
using PlayerFields = const fields::Field<playerrec>*;

constexpr GameFields kSummaryHead[] = {&gameField("screenMode"), &gameField("gameOver")};
constexpr GameFields kSummaryBody[] = {
    &gameField("holeName"),   &gameField("holeNum"),   &gameField("curPlayer"),
    &gameField("puttPhase"),  &gameField("anyMoving"), &gameField("scrollX"),
    &gameField("scrollY"),    &gameField("message"),   &gameField("messagePos"),
    &gameField("bigMessage"), &gameField("soundOn"),   &gameField("bgSoundOn"),
    &gameField("panelSmall"), &gameField("exitAsked"),
};
constexpr PlayerFields kSummaryPlayerHead[] = {
    &playerField("name"), &playerField("pullPutt"), &playerField("x"),     &playerField("y"),
    &playerField("z"),    &playerField("inPlay"),   &playerField("holed"), &playerField("strokes")};
constexpr PlayerFields kSummaryPlayerTail[] = {
    &playerField("totalStrokes"), &playerField("scoreToPar"), &playerField("holesWon")};

constexpr GameFields kTraceHead[] = {
    &gameField("screenMode"),     &gameField("gameOver"),   &gameField("substeps"),
    &gameField("scrollX"),        &gameField("scrollY"),    &gameField("recentre"),
    &gameField("scrollVX"),       &gameField("scrollVY"),   &gameField("puttPhase"),
    &gameField("swingLeft"),      &gameField("swingStep"),  &gameField("pushPower"),
    &gameField("aimFrame"),       &gameField("dropX"),      &gameField("dropY"),
    &gameField("mouseX"),         &gameField("mouseY"),     &gameField("mouseStep"),
    &gameField("message"),        &gameField("messagePos"), &gameField("bigMessage"),
    &gameField("bigMessageFade"), &gameField("exitAsked"),  &gameField("showScores"),
    &gameField("panelSmall"),     &gameField("soundOn"),    &gameField("bgSoundOn"),
};
constexpr GameFields kTraceTail[] = {&gameField("curPlayer"), &gameField("anyMoving"),
                                     &gameField("holeName"), &gameField("holeNum")};
constexpr PlayerFields kTracePlayer[] = {
    &playerField("x"),        &playerField("y"),
    &playerField("z"),        &playerField("heading"),
    &playerField("speed"),    &playerField("moving"),
    &playerField("inPlay"),   &playerField("holed"),
    &playerField("strokes"),  &playerField("totalStrokes"),
    &playerField("pullPutt"),
};

}  // namespace

std::string summaryJson(const TMain& game, int64_t ticks) {
    const GameState& s = game.state();
    Json j;
    j["ticks"] = ticks;
    putFields(j, s, kSummaryHead);
    j["closed"] = game.closed();
    putFields(j, s, kSummaryBody);
    j["timerInterval"] = game.timer().interval();
    Json players = Json::array();
    for (int p = 1; p <= std::min(s.numPlayers, kMaxPlayers); ++p) {
        const playerrec& b = s.playerRecs[p];
        Json q;
        putFields(q, b, kSummaryPlayerHead);
        // The game has three holes; the record keeps room for more.
        q["holeStrokes"] = Json::array({b.holeStrokes[1], b.holeStrokes[2], b.holeStrokes[3]});
        putFields(q, b, kSummaryPlayerTail);
        players.push_back(std::move(q));
    }
    j["players"] = std::move(players);
    return jsonText(j);
}

std::string traceJson(const TMain& game, int64_t tick) {
    const GameState& s = game.state();
    Json j;
    j["tick"] = tick;
    putFields(j, s, kTraceHead);
    j["timerInterval"] = game.timer().interval();
    putFields(j, s, kTraceTail);
    Json players = Json::array();
    for (int p = 1; p <= std::min(s.numPlayers, kMaxPlayers); ++p) {
        Json q;
        putFields(q, s.playerRecs[p], kTracePlayer);
        players.push_back(std::move(q));
    }
    j["players"] = std::move(players);
    return jsonText(j);
}

}  // namespace orbigolf::replay
