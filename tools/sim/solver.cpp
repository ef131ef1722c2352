#include "solver.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <deque>
#include <limits>
#include <map>
#include <sstream>
#include <thread>

#include "game/hit_tests.h"
#include "game/geometry.h"
#include "pull_offsets.h"
#include "sim_run.h"

namespace orbigolf::sim {

namespace {

constexpr int kMinSteps = 4;
constexpr int kMaxSteps = 160;

struct Node {
    GameState state;
    int64_t tick = 0;  // last tick run
    std::vector<SolvedPutt> path;
    double score = 0;
};

struct Outcome {
    bool holed = false;
    bool rested = false;
    double closest = std::numeric_limits<double>::max();  // nearest ground distance to the cup
    int32_t strokes = 0;  // the ball's count when it holed out (a bonus stroke lowers it)
    GameState state;
    int64_t tick = 0;
};

bool holedOut(const playerrec& b) { return b.holed && !b.inPlay; }

// Strikes one putt from a node that has run up to the tick before the stroke, and runs
// until the ball holes out or rests with the stroke ended.
Outcome play(const Node& node, const Options& base, const CoursePictures& pictures, const SolvedPutt& putt,
             int64_t maxTicks, bool keepState) {
    Outcome out;
    GameState s = node.state;
    Options o = base;
    o.putts = {Putt{1, putt.heading, putt.speedSteps / 40.0, putt.tick}};
    o.balls.clear();
    SilentEffects fx;
    for (int64_t t = node.tick + 1; t < putt.tick + maxTicks; ++t) {
        runTick(s, o, pictures, t, fx);
        const playerrec& b = s.playerRecs[1];
        if (holedOut(b)) {
            out.holed = b.strokes <= static_cast<int32_t>(node.path.size() + 1) &&
                        s.bigMessage != "OVER STROKE LIMIT";
            out.tick = t;
            out.strokes = b.strokes;
            return out;
        }
        if (b.inPlay && !b.holed) {
            const double d = groundDist(roundInt(b.x), roundInt(b.y), s.cupX, s.cupY);
            out.closest = std::min(out.closest, d);
        }
        if (!b.moving && !s.anyMoving) {
            out.rested = true;
            out.tick = t;
            if (keepState) out.state = std::move(s);
            return out;
        }
    }
    return out;
}

// Ground distance to the cup along the floor, on a grid of 8-pixel cells: walls, water and
// course edges block; teleports, launchers and pipes join their mouth to their exit.
class DistanceField {
public:
    DistanceField(const GameState& s, int32_t width, int32_t height) {
        w_ = std::max(1, width / kCell + 1);
        h_ = std::max(1, height / kCell + 1);
        blocked_.assign(static_cast<size_t>(w_) * h_, 0);
        dist_.assign(blocked_.size(), kFar);
        for (int cy = 0; cy < h_; ++cy)
            for (int cx = 0; cx < w_; ++cx) {
                const int32_t px = cx * kCell + kCell / 2, py = cy * kCell + kCell / 2;
                for (int n = 1; n <= kMaxAreas; ++n) {
                    const arearec& a = s.areas[n];
                    if (!a.enabled) continue;
                    const bool wall = a.kind >= 1 && a.kind <= 7 && a.kind != 5;
                    if ((wall || a.kind == 24 || a.kind == 45) && insideArea(px, py, a)) {
                        blocked_[idx(cx, cy)] = 1;
                        break;
                    }
                }
            }
        std::vector<std::pair<int, int>> portals;  // from cell -> to cell
        for (int n = 1; n <= kMaxAreas; ++n) {
            const arearec& a = s.areas[n];
            if (!a.enabled || !(a.kind == 25 || a.kind == 26 || a.kind == 37)) continue;
            const int to = cellOf(a.x2, a.y2);
            for (int cy = 0; cy < h_; ++cy)
                for (int cx = 0; cx < w_; ++cx)
                    if (insideArea(cx * kCell + kCell / 2, cy * kCell + kCell / 2, a) && to >= 0)
                        portals.emplace_back(idx(cx, cy), to);
        }
        // Dijkstra from the cup with steps of 1 across and 2 up or down (the ground metric).
        const int start = cellOf(s.cupX, s.cupY);
        if (start < 0) return;
        std::multimap<int, int> open;
        dist_[static_cast<size_t>(start)] = 0;
        open.emplace(0, start);
        while (!open.empty()) {
            const auto [d, c] = *open.begin();
            open.erase(open.begin());
            if (d > dist_[static_cast<size_t>(c)]) continue;
            const int cx = c % w_, cy = c / w_;
            const int steps[8][3] = {{1, 0, 10}, {-1, 0, 10}, {0, 1, 20}, {0, -1, 20},
                                     {1, 1, 22}, {-1, 1, 22}, {1, -1, 22}, {-1, -1, 22}};
            auto relax = [&](int nc, int cost) {
                if (blocked_[static_cast<size_t>(nc)] && nc != start) return;
                if (d + cost < dist_[static_cast<size_t>(nc)]) {
                    dist_[static_cast<size_t>(nc)] = d + cost;
                    open.emplace(d + cost, nc);
                }
            };
            for (const auto& st : steps) {
                const int nx = cx + st[0], ny = cy + st[1];
                if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_) continue;
                relax(idx(nx, ny), st[2]);
            }
            // Reverse portal edges: from an exit, the mouths lead here.
            for (const auto& [from, to] : portals)
                if (to == c) relax(from, 5);
        }
    }

    double at(double x, double y, double fallback) const {
        const int c = cellOf(static_cast<int32_t>(x), static_cast<int32_t>(y));
        if (c < 0) return fallback * 3 + kFar;
        const int d = dist_[static_cast<size_t>(c)];
        return d >= kFar ? fallback * 3 + kFar : d * kCell / 10.0;
    }

private:
    static constexpr int kCell = 8;
    static constexpr int kFar = 1 << 28;
    int idx(int cx, int cy) const { return cy * w_ + cx; }
    int cellOf(int32_t x, int32_t y) const {
        if (x < 0 || y < 0) return -1;
        const int cx = x / kCell, cy = y / kCell;
        if (cx >= w_ || cy >= h_) return -1;
        return idx(cx, cy);
    }
    int w_ = 0, h_ = 0;
    std::vector<uint8_t> blocked_;
    std::vector<int> dist_;
};

// Runs every putt on both cores; results land at the putt's index, so the outcome does
// not depend on which thread ran what.
std::vector<Outcome> playAll(const Node& node, const Options& o, const CoursePictures& pictures,
                             const std::vector<SolvedPutt>& putts, const SolveLimits& limits, bool keepStates) {
    std::vector<Outcome> out(putts.size());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < putts.size(); i = next++)
            out[i] = play(node, o, pictures, putts[i], limits.maxTicksPerPutt, keepStates);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::max(1, limits.threads); ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
    return out;
}

}  // namespace

SolveResult solve(const Options& o, const SolveLimits& limits) {
    SolveResult result;
    Node root;
    const CoursePictures pictures = loadCoursePictures(o);
    result.readError = setUpHole(root.state, o, pictures);
    const DistanceField field(root.state, root.state.courseWidth, root.state.courseHeight);
    auto score = [&](const GameState& s) {
        const playerrec& b = s.playerRecs[1];
        const double plain = groundDist(roundInt(b.x), roundInt(b.y), s.cupX, s.cupY);
        return field.at(b.x, b.y, plain);
    };

    // Only putts that a pointer on whole pixels can aim.
    const PullOffsets pulls(o.screenWidth / 2, o.screenHeight / 2);

    std::vector<Node> frontier;
    frontier.push_back(std::move(root));
    constexpr size_t kBeam = 14;
    constexpr size_t kRefine = 14;
    for (int stroke = 1; stroke <= limits.maxStrokes && !frontier.empty(); ++stroke) {
        const bool last = stroke == limits.maxStrokes;
        std::vector<Node> children;
        for (const Node& rested : frontier) {
            // The player waits for the view to settle on the ball, then takes the putt.
            // Those ticks are the same for every candidate: run them once, up to the tick
            // whose putting step strikes.
            Node node = rested;
            Options idle = o;
            idle.putts.clear();
            SilentEffects fx;
            const int64_t settleLimit = node.tick + limits.maxTicksPerPutt;
            while (node.state.recentre && node.tick < settleLimit) runTick(node.state, idle, pictures, ++node.tick, fx);
            const int64_t tick = node.tick + kPuttLead;
            while (node.tick < tick - 2) runTick(node.state, idle, pictures, ++node.tick, fx);
            // Coarse: every fourth heading, every eighth speed.
            std::vector<SolvedPutt> coarse;
            for (int h = 0; h < 256; h += 4)
                for (int k = kMinSteps; k <= kMaxSteps; k += 8)
                    if (pulls.reachable(h, k)) coarse.push_back({h, k, tick});
            std::vector<Outcome> outs = playAll(node, o, pictures, coarse, limits, !last);
            auto firstHoled = [&](const std::vector<SolvedPutt>& putts, const std::vector<Outcome>& res) {
                for (size_t i = 0; i < res.size(); ++i)
                    if (res[i].holed) {
                        result.solved = true;
                        result.putts = node.path;
                        result.putts.push_back(putts[i]);
                        result.strokes = res[i].strokes;
                        return true;
                    }
                return false;
            };
            if (firstHoled(coarse, outs)) return result;
            // Fine: round the putts that came nearest to the cup.
            std::vector<size_t> order(coarse.size());
            for (size_t i = 0; i < order.size(); ++i) order[i] = i;
            std::stable_sort(order.begin(), order.end(),
                             [&](size_t a, size_t b) { return outs[a].closest < outs[b].closest; });
            std::vector<SolvedPutt> fine;
            std::map<std::pair<int, int>, bool> seen;
            for (size_t r = 0; r < std::min(kRefine, order.size()); ++r) {
                const SolvedPutt& c = coarse[order[r]];
                for (int dh = -3; dh <= 3; ++dh)
                    for (int dk = -7; dk <= 7; ++dk) {
                        const int h = (c.heading + dh + 256) % 256, k = c.speedSteps + dk;
                        if (k < kMinSteps || k > kMaxSteps || seen[{h, k}] || !pulls.reachable(h, k)) continue;
                        seen[{h, k}] = true;
                        fine.push_back({h, k, tick});
                    }
            }
            std::vector<Outcome> fineOuts = playAll(node, o, pictures, fine, limits, false);
            if (firstHoled(fine, fineOuts)) return result;
            if (last) continue;
            for (size_t i = 0; i < outs.size(); ++i) {
                if (!outs[i].rested) continue;
                Node child;
                child.state = std::move(outs[i].state);
                child.tick = outs[i].tick;
                child.path = node.path;
                child.path.push_back(coarse[i]);
                child.score = score(child.state);
                children.push_back(std::move(child));
            }
        }
        // The next frontier: the best resting places, one per 16-pixel cell.
        std::stable_sort(children.begin(), children.end(),
                         [](const Node& a, const Node& b) { return a.score < b.score; });
        frontier.clear();
        std::map<std::pair<int, int>, bool> cells;
        for (Node& c : children) {
            const playerrec& b = c.state.playerRecs[1];
            const std::pair<int, int> cell{static_cast<int>(std::floor(b.x / 16)),
                                           static_cast<int>(std::floor(b.y / 16))};
            if (cells[cell]) continue;
            cells[cell] = true;
            frontier.push_back(std::move(c));
            if (frontier.size() >= kBeam) break;
        }
    }
    return result;
}

std::string puttText(const SolvedPutt& p) {
    // k/40 has at most three decimals; trailing zeros are dropped.
    const int thousandths = p.speedSteps * 25;
    char speed[32];
    if (thousandths % 1000 == 0)
        std::snprintf(speed, sizeof speed, "%d", thousandths / 1000);
    else if (thousandths % 100 == 0)
        std::snprintf(speed, sizeof speed, "%d.%d", thousandths / 1000, thousandths % 1000 / 100);
    else if (thousandths % 10 == 0)
        std::snprintf(speed, sizeof speed, "%d.%02d", thousandths / 1000, thousandths % 1000 / 10);
    else
        std::snprintf(speed, sizeof speed, "%d.%03d", thousandths / 1000, thousandths % 1000);
    char text[96];
    std::snprintf(text, sizeof text, "1:%d:%s@%lld", p.heading, speed, static_cast<long long>(p.tick));
    return text;
}

std::string solveJson(const SolveResult& r) {
    if (!r.solved) return "{\"solved\":false}";
    std::ostringstream out;
    out << "{\"solved\":true,\"strokes\":" << r.strokes << ",\"putts\":[";
    for (size_t i = 0; i < r.putts.size(); ++i) out << (i ? "," : "") << '"' << puttText(r.putts[i]) << '"';
    out << "]}";
    return out.str();
}

}  // namespace orbigolf::sim
