#include "frontend/replay_play.h"

namespace orbigolf::replay {

PlayEnd playGame(const std::vector<Line>& lines, size_t& pos, TMain& game, LaunchPadControls& controls,
                 TickCount& count, const PlayHooks& hooks) {
    int64_t named = 0;  // the tick named by the last tick line, not yet run
    int namedFps = count.fps;
    bool stopped = false;
    auto runUpTo = [&](int64_t last) {
        while (!stopped && count.nextTick <= last && !game.closed()) {
            const int fps = count.nextTick == named ? namedFps : count.fps;
            if (game.runTick(fps)) {
                ++count.ran;
                if (hooks.afterTick && !hooks.afterTick(game, count.ran)) stopped = true;
            }
            ++count.nextTick;
        }
    };
    while (!game.closed() && !stopped) {
        if (pos >= lines.size()) {
            runUpTo(named);
            return stopped ? PlayEnd::Stopped : (game.closed() ? PlayEnd::Closed : PlayEnd::LinesOut);
        }
        const Line& l = lines[pos++];
        switch (l.kind) {
            case Line::Kind::Control: (void)controls.set(l.name, l.value); break;
            case Line::Kind::Fps: count.fps = static_cast<int>(l.n); break;
            case Line::Kind::Tick:
                runUpTo(l.n - 1);
                named = l.n;
                namedFps = count.fps;
                break;
            case Line::Kind::Event: {
                using Type = platform::InputEvent::Type;
                if ((l.event.type == Type::Close || l.event.type == Type::ToggleFullscreen) && hooks.programEvent)
                    hooks.programEvent(l.event);
                if (l.event.type != Type::ToggleFullscreen) game.handleEvent(l.event);
                if (hooks.afterEvent && !hooks.afterEvent()) stopped = true;
                break;
            }
            case Line::Kind::End:
                runUpTo(l.n);
                return stopped ? PlayEnd::Stopped : PlayEnd::EndLine;
            default:
                if (hooks.otherLine) hooks.otherLine(l);
                break;
        }
    }
    return stopped ? PlayEnd::Stopped : PlayEnd::Closed;
}

int64_t play(const std::vector<Line>& lines, TMain& game, LaunchPadControls& controls,
             const std::function<bool(int64_t)>& afterTick) {
    size_t pos = 0;
    TickCount count;
    PlayHooks hooks;
    if (afterTick) hooks.afterTick = [&afterTick](const TMain&, int64_t ran) { return afterTick(ran); };
    playGame(lines, pos, game, controls, count, hooks);
    return count.ran;
}

}  // namespace orbigolf::replay
