#pragma once
// The game state's fields by name: one table for a player's record and one for the
// game-wide variables, both in declaration order. Everything that writes the state out
// (the replay summary and trace, the headless player's ball lines, the regression
// fingerprint) picks its fields from here, so a field has one name and one reading.
//
// Each entry holds a pointer to its member, so a writer sees the field's own type; a
// Boolean flag is told apart from a small number by the Flag wrapper.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "game/state.h"

namespace orbigolf::fields {

template <typename Record>
struct Flag {
    Boolean Record::*member;
};

template <typename Record>
struct Field {
    std::string_view name;
    std::variant<double Record::*, int32_t Record::*, uint8_t Record::*, Flag<Record>,
                 std::string Record::*, ScreenMode Record::*, PuttPhase Record::*,
                 OneBased<int32_t, kMaxHoles> Record::*>
        member;
};

// What a reader sees of a flag: its stored byte.
struct FlagValue {
    Boolean raw;
};

// Calls visit with the field's value: a const reference to the member, or a FlagValue.
template <typename Record, typename Visit>
decltype(auto) visitField(const Record& r, const Field<Record>& f, Visit&& visit) {
    return std::visit(
        [&](auto m) -> decltype(auto) {
            if constexpr (std::is_same_v<decltype(m), Flag<Record>>) {
                return visit(FlagValue{r.*(m.member)});
            } else {
                return visit(r.*m);
            }
        },
        f.member);
}

// A field's value as a writer of text records sees it: flags as true or false, the modes
// and phases as their numbers, an array as its numbers in order.
using Plain = std::variant<int64_t, double, bool, std::string, std::vector<int32_t>>;

template <typename Record>
Plain plainValue(const Record& r, const Field<Record>& f) {
    return visitField(r, f, [](const auto& v) -> Plain {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, FlagValue>) {
            return v.raw != 0;
        } else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::string>) {
            return v;
        } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
            return static_cast<int64_t>(v);
        } else {
            return std::vector<int32_t>(v.begin(), v.end());
        }
    });
}

using P = playerrec;
inline constexpr Field<P> kPlayer[] = {
    {"x", &P::x},
    {"y", &P::y},
    {"z", &P::z},
    {"lastX", &P::lastX},
    {"lastY", &P::lastY},
    {"anchorX", &P::anchorX},
    {"anchorY", &P::anchorY},
    {"heading", &P::heading},
    {"speed", &P::speed},
    {"climb", &P::climb},
    {"rollU", &P::rollU},
    {"rollV", &P::rollV},
    {"spin", &P::spin},
    {"lastWall", &P::lastWall},
    {"airborne", Flag<P>{&P::airborne}},
    {"holed", Flag<P>{&P::holed}},
    {"piped", Flag<P>{&P::piped}},
    {"sunk", Flag<P>{&P::sunk}},
    {"ballRows", &P::ballRows},
    {"inSand", Flag<P>{&P::inSand}},
    {"slopeHeading", &P::slopeHeading},
    {"lastSlopeHeading", &P::lastSlopeHeading},
    {"slopePush", &P::slopePush},
    {"tilt", &P::tilt},
    {"lastTilt", &P::lastTilt},
    {"moving", Flag<P>{&P::moving}},
    {"cupArea", &P::cupArea},
    {"pullPutt", Flag<P>{&P::pullPutt}},
    {"easyTarget", Flag<P>{&P::easyTarget}},
    {"strokes", &P::strokes},
    {"totalStrokes", &P::totalStrokes},
    {"scoreToPar", &P::scoreToPar},
    {"tint", &P::tint},
    {"fellOff", Flag<P>{&P::fellOff}},
    {"bounced", Flag<P>{&P::bounced}},
    {"inPlay", Flag<P>{&P::inPlay}},
    {"hit", Flag<P>{&P::hit}},
    {"stillPasses", &P::stillPasses},
    {"name", &P::name},
    {"holesWon", &P::holesWon},
    {"holeStrokes", &P::holeStrokes},
};

// The game-wide variables that are single values (not the records, the generator or
// the panel's buttons).
using G = GameState;
inline constexpr Field<G> kGame[] = {
    {"screenMode", &G::screenMode},
    {"gameOver", Flag<G>{&G::gameOver}},
    {"exitAsked", Flag<G>{&G::exitAsked}},
    {"showScores", Flag<G>{&G::showScores}},
    {"panelSmall", Flag<G>{&G::panelSmall}},
    {"holeName", &G::holeName},
    {"nextHole", &G::nextHole},
    {"holeNum", &G::holeNum},
    {"holePar", &G::holePar},
    {"coursePar", &G::coursePar},
    {"pars", &G::pars},
    {"numPlayers", &G::numPlayers},
    {"curPlayer", &G::curPlayer},
    {"firstHoled", &G::firstHoled},
    {"bestHole", &G::bestHole},
    {"bonusTaken", Flag<G>{&G::bonusTaken}},
    {"passTurn", Flag<G>{&G::passTurn}},
    {"cupX", &G::cupX},
    {"cupY", &G::cupY},
    {"anyMoving", Flag<G>{&G::anyMoving}},
    {"puttPhase", &G::puttPhase},
    {"swingLeft", &G::swingLeft},
    {"swingStep", &G::swingStep},
    {"pushPower", &G::pushPower},
    {"aimFrame", &G::aimFrame},
    {"mouseX", &G::mouseX},
    {"mouseY", &G::mouseY},
    {"mouseStep", &G::mouseStep},
    {"dropX", &G::dropX},
    {"dropY", &G::dropY},
    {"scrollX", &G::scrollX},
    {"scrollY", &G::scrollY},
    {"recentre", Flag<G>{&G::recentre}},
    {"lastScrollX", &G::lastScrollX},
    {"lastScrollY", &G::lastScrollY},
    {"scrollVX", &G::scrollVX},
    {"scrollVY", &G::scrollVY},
    {"sceneScrollX", &G::sceneScrollX},
    {"sceneScrollY", &G::sceneScrollY},
    {"keyUp", Flag<G>{&G::keyUp}},
    {"keyDown", Flag<G>{&G::keyDown}},
    {"keyLeft", Flag<G>{&G::keyLeft}},
    {"keyRight", Flag<G>{&G::keyRight}},
    {"message", &G::message},
    {"messagePos", &G::messagePos},
    {"bigMessage", &G::bigMessage},
    {"bigMessageFade", &G::bigMessageFade},
    {"helpText", &G::helpText},
    {"soundOn", Flag<G>{&G::soundOn}},
    {"bgSoundOn", Flag<G>{&G::bgSoundOn}},
    {"substeps", &G::substeps},
    {"nextEffect", &G::nextEffect},
    {"flash", &G::flash},
    {"scenePhase", &G::scenePhase},
    {"courseWidth", &G::courseWidth},
    {"courseHeight", &G::courseHeight},
};

// The entry of the table with this name; a name that is not there does not compile
// where the lookup is a constant expression.
template <typename Record, std::size_t N>
constexpr const Field<Record>& named(const Field<Record> (&table)[N], std::string_view name) {
    for (const Field<Record>& f : table)
        if (f.name == name) return f;
    throw "no field of that name";
}

constexpr const Field<P>& playerField(std::string_view name) {
    return named(kPlayer, name);
}
constexpr const Field<G>& gameField(std::string_view name) {
    return named(kGame, name);
}

}  // namespace orbigolf::fields
