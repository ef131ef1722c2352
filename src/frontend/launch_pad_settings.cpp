#include "frontend/launch_pad_settings.h"

#include <functional>

namespace orbigolf::frontend {
namespace {

using Type = StoredSetting::Type;

struct SettingName {
    const char* name;
    Type type;
};

// The order settings are loaded in ("Sound" is read twice: once for each radio button).
const std::vector<SettingName>& loadOrder() {
    static const std::vector<SettingName> order = {
        {"Skip Intro", Type::Flag},     {"Push Putt", Type::Flag},  {"Pull Putt", Type::Flag},
        {"Screen 512", Type::Flag},     {"Screen 640", Type::Flag}, {"Screen 800", Type::Flag},
        {"Screen 1024", Type::Flag},    {"Background Sounds", Type::Flag},
        {"Sound", Type::Flag},          {"Sound", Type::Flag},      {"Fast Writes", Type::Flag},
        {"No Flip Interface", Type::Flag}, {"Full Screen Interface", Type::Flag},
        {"Frame Skip", Type::Number},   {"Players", Type::Number},  {"Game Type", Type::Number},
        {"Course", Type::Number},       {"Start Player", Type::Number}, {"Next Player", Type::Number},
        {"Collide", Type::Number},      {"Scoring", Type::Number},  {"Stroke Limit", Type::Number},
        {"Plus 1", Type::Flag},         {"Minus 1", Type::Flag},    {"Skin", Type::Text},
        {"Player 1", Type::Text},       {"Player 2", Type::Text},   {"Player 3", Type::Text},
        {"Player 4", Type::Text},       {"Pull 1", Type::Flag},     {"Pull 2", Type::Flag},
        {"Pull 3", Type::Flag},         {"Pull 4", Type::Flag},     {"Easy 1", Type::Flag},
        {"Easy 2", Type::Flag},         {"Easy 3", Type::Flag},     {"Easy 4", Type::Flag},
    };
    return order;
}

void setIndex(widgets::ComboBox* box, int32_t n) {
    if (n >= 0 && n < static_cast<int32_t>(box->Items.size())) box->setItemIndex(n);
}

// Closes the store whatever happened, so that a failed load leaves nothing open.
struct ClosesStore {
    TAMReg& store;
    ~ClosesStore() {
        try {
            store.setOpened(false);
        } catch (...) {
        }
    }
};

}  // namespace

std::optional<StoredSetting::Type> storedSettingType(std::string_view name) {
    for (const SettingName& s : loadOrder())
        if (name == s.name) return s.type;
    return std::nullopt;
}

std::vector<StoredSetting> readLaunchPadSettings(TAMReg& store) {
    std::vector<StoredSetting> read;
    ClosesStore closes{store};
    store.setOpened(true);
    const bool runOnce = store.LoadFlag("RunOnce");
    store.setOpened(false);
    if (!runOnce) return read;
    store.setOpened(true);
    for (const SettingName& s : loadOrder()) {
        StoredSetting v;
        v.name = s.name;
        v.type = s.type;
        switch (s.type) {
            case Type::Flag: v.flag = store.LoadFlag(s.name); break;
            case Type::Number: v.number = store.LoadNumber(s.name); break;
            case Type::Text: v.text = store.LoadText(s.name); break;
        }
        read.push_back(std::move(v));
    }
    return read;
}

void applyLaunchPadSettings(const std::vector<StoredSetting>& settings, LaunchPadPanels& p, std::string& skin) {
    bool soundSeen = false;
    for (const StoredSetting& s : settings) {
        const std::string& n = s.name;
        const bool f = s.flag;
        if (n == "Skip Intro") p.skipintro->setChecked(f);
        else if (n == "Push Putt") p.pushputt->setChecked(f);
        else if (n == "Pull Putt") p.pullputt->setChecked(f);
        else if (n == "Screen 512") p.screen512->setChecked(f);
        else if (n == "Screen 640") p.screen640->setChecked(f);
        else if (n == "Screen 800") p.screen800->setChecked(f);
        else if (n == "Screen 1024") p.screen1024->setChecked(f);
        else if (n == "Background Sounds") p.bgsounds->setChecked(f);
        else if (n == "Sound") {
            if (!soundSeen) p.soundon->setChecked(f);
            else p.soundoff->setChecked(!f);
            soundSeen = true;
        } else if (n == "Fast Writes") p.fastwrite->setChecked(f);
        else if (n == "No Flip Interface") p.noflip->setChecked(f);
        else if (n == "Full Screen Interface") p.forceinterface->setChecked(f);
        else if (n == "Frame Skip") setIndex(p.frameskip, s.number);
        else if (n == "Players") setIndex(p.players, s.number);
        else if (n == "Game Type") setIndex(p.gametype, s.number);
        else if (n == "Course") setIndex(p.course, s.number);
        else if (n == "Start Player") setIndex(p.startplayer, s.number);
        else if (n == "Next Player") setIndex(p.nextplayer, s.number);
        else if (n == "Collide") setIndex(p.whencollide, s.number);
        else if (n == "Scoring") setIndex(p.scoring, s.number);
        else if (n == "Stroke Limit") setIndex(p.strokelimit, s.number);
        else if (n == "Plus 1") p.plus1->setChecked(f);
        else if (n == "Minus 1") p.minus1->setChecked(f);
        else if (n == "Skin") skin = s.text;
        else if (n.rfind("Player ", 0) == 0) p.player[n.back() - '1']->setText(s.text);
        else if (n.rfind("Pull ", 0) == 0) p.pull[n.back() - '1']->setChecked(f);
        else if (n.rfind("Easy ", 0) == 0) p.easy[n.back() - '1']->setChecked(f);
    }
}

void saveLaunchPadSettings(TAMReg& store, const LaunchPadPanels& p) {
    store.openForSaving();
    store.SaveFlag("RunOnce", true);
    store.SaveFlag("Skip Intro", p.skipintro->Checked());
    store.SaveFlag("Pull Putt", p.pullputt->Checked());
    store.SaveFlag("Push Putt", p.pushputt->Checked());
    store.SaveFlag("Screen 512", p.screen512->Checked());
    store.SaveFlag("Screen 640", p.screen640->Checked());
    store.SaveFlag("Screen 800", p.screen800->Checked());
    store.SaveFlag("Screen 1024", p.screen1024->Checked());
    store.SaveFlag("Background Sounds", p.bgsounds->Checked());
    store.SaveFlag("Sound", p.soundon->Checked());
    store.SaveFlag("Fast Writes", p.fastwrite->Checked());
    store.SaveFlag("Full Screen Interface", p.forceinterface->Checked());
    store.SaveFlag("No Flip Interface", p.noflip->Checked());
    store.SaveNumber("Frame Skip", p.frameskip->ItemIndex());
    store.SaveNumber("Players", p.players->ItemIndex());
    store.SaveNumber("Game Type", p.gametype->ItemIndex());
    store.SaveNumber("Course", p.course->ItemIndex());
    store.SaveNumber("Start Player", p.startplayer->ItemIndex());
    store.SaveNumber("Next Player", p.nextplayer->ItemIndex());
    store.SaveNumber("Collide", p.whencollide->ItemIndex());
    store.SaveNumber("Scoring", p.scoring->ItemIndex());
    store.SaveNumber("Stroke Limit", p.strokelimit->ItemIndex());
    store.SaveFlag("Plus 1", p.plus1->Checked());
    store.SaveFlag("Minus 1", p.minus1->Checked());
    store.SaveText("skin", p.skin->Text());
    for (int i = 0; i < 4; ++i) store.SaveText("Player " + std::to_string(i + 1), p.player[i]->Text());
    for (int i = 0; i < 4; ++i) store.SaveFlag("Easy " + std::to_string(i + 1), p.easy[i]->Checked());
    for (int i = 0; i < 4; ++i) store.SaveFlag("Pull " + std::to_string(i + 1), p.pull[i]->Checked());
    // Closing writes the whole list to the file at once.
    store.setOpened(false);
}

}  // namespace orbigolf::frontend
