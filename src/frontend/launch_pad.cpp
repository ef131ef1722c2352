#include "frontend/launch_pad.h"

#include <algorithm>
#include <filesystem>

#include "frontend/launch_pad_settings.h"
#include "frontend/menu_spots.h"
#include "media/dib.h"
#include "platform/ascii_case.h"
#include "platform/system_text.h"

namespace orbigolf::frontend {
namespace {

constexpr int kInterfaceWidth = 640;
constexpr int kInterfaceHeight = 480;
constexpr int kFlipFrames = 30;
constexpr int kMenuVolume = -700;
constexpr int kPresentIntervalMs = 15;

platform::Surface surfaceOf(const media::Bitmap& bitmap) {
    platform::Surface s(bitmap.width, bitmap.height);
    for (int32_t y = 0; y < bitmap.height; ++y)
        for (int32_t x = 0; x < bitmap.width; ++x) {
            const media::Rgb c = bitmap.pixel(x, y);
            s.setPixel(x, y, platform::toRgb565({media::redOf(c), media::greenOf(c), media::blueOf(c)}));
        }
    return s;
}

// Names of the entries of a folder that pass `keep`, sorted without regard to case so
// that every run lists them alike.
template <class Keep>
std::vector<std::string> folderEntries(const std::string& folder, Keep keep) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name != "." && name != ".." && keep(*it)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = platform::asciiLower(a), lb = platform::asciiLower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

bool hasBmpExtension(const std::string& name) {
    return name.size() > 4 && platform::sameIgnoringCase(name.substr(name.size() - 4), ".bmp");
}

}  // namespace

const char* panelName(LaunchPadPanel panel) {
    switch (panel) {
        case LaunchPadPanel::None: return "none";
        case LaunchPadPanel::Menu: return "menu";
        case LaunchPadPanel::Start: return "start";
        case LaunchPadPanel::Rules: return "rules";
        case LaunchPadPanel::Setup: return "setup";
        case LaunchPadPanel::Quit: return "quit";
    }
    return "none";
}

Tlaunchpad::Tlaunchpad(FormHost& host, Form& intro, Form& extro, GameRunner runGame, std::filesystem::path settings)
    : host_(host),
      intro_(intro),
      extro_(extro),
      runGame_(std::move(runGame)),
      flic_([this] { return host_.nowMs(); }),
      song_(&sound_),
      reg_(kApplicationTitle, std::move(settings)),
      interface_(&host.window()),
      plain_(&host.window()),
      frameTimer_([this] { return host_.nowMs(); }) {
    reg_.setApplication("Orbigolf Demo v1.1");
    reg_.setCompany("Vexlo");
    reg_.setGroup("Software");
    reg_.setRootKey(TRootKey::HKeyCurrentUser);
    reg_.Loaded();

    // The pictures the form keeps: the default ball and the menu picture with its lit twin.
    try {
        defaultBall_ = surfaceOf(media::loadBmpFile(path("balltexture.bmp")));
    } catch (const std::exception& e) {
        pictureErrors_.push_back(e.what());
        defaultBall_ = platform::Surface(16, 16);
    }
    try {
        hotImage_.Picture = media::loadBmpFile(path("mainmenu.bmp"));
        hotImage_.MaskPicture = media::loadBmpFile(path("mainmenu_lit.bmp"));
    } catch (const std::exception& e) {
        pictureErrors_.push_back(e.what());
    }
    hotImage_.Left = 5;
    hotImage_.Top = 8;
    hotImage_.Width = 367;
    hotImage_.Height = 122;
    hotImage_.Center = true;
    hotImage_.Stretch = false;
    hotImage_.HotCursor = media::kCursorArrow;
    hotImage_.HotSpots.items = launchPadMenuSpots();

    p_ = buildLaunchPadPanels(form_, defaultBall_);
    bindHandlers();

    flic_.Loop = true;
    flic_.setStretch(false);
    flic_.setFliPos(media::TFliPos::FliCentre);
    flic_.SpeedOverride = 0;
    flic_.setTimerInterval(3);
    frameTimer_.setInterval(kPresentIntervalMs);
    frameTimer_.OnTimer = [this] { present(); };
}

Tlaunchpad::~Tlaunchpad() {
    try {
        flic_.Stop();
        if (sound_.initialized()) sound_.finalize();
        if (interface_.initialized()) interface_.finalize();
        if (plain_.initialized()) plain_.finalize();
    } catch (...) {
    }
}

void Tlaunchpad::bindHandlers() {
    hotImage_.OnSelectSpot = [this](media::THotImage&, const media::TSpot*) { HotImage1SelectSpot(); };
    hotImage_.OnClick = [this](media::THotImage&) { HotImage1Click(); };
    p_.launch->OnClick = [this](widgets::Control&) { launchClick(); };
    p_.showrules->OnClick = [this](widgets::Control&) { showrulesClick(); };
    p_.rulesok->OnClick = [this](widgets::Control&) { rulesokClick(); };
    p_.gametype->OnChange = [this](widgets::Control&) { gametypeChange(); };
    p_.FlatButton4->OnClick = [this](widgets::Control&) { gametypeChange(); };
    p_.playerinfo->OnChange = [this](widgets::Control&) { playerinfoTabChanged(); };
    p_.name->OnChange = [this](widgets::Control&) { nameChange(); };
    // The putting method and easy targeting are copied on the mouse's release, and also
    // after a change by the keyboard, which the release would miss.
    for (widgets::Control* c : {static_cast<widgets::Control*>(p_.pullputt), static_cast<widgets::Control*>(p_.pushputt),
                                static_cast<widgets::Control*>(p_.easytarget)}) {
        c->OnMouseUp = [this](widgets::Control&, platform::MouseButton, int, int) { easytargetMouseUp(); };
        c->OnClick = [this](widgets::Control&) { easytargetMouseUp(); };
    }
    p_.tex_inc->OnClick = [this](widgets::Control&) { tex_incClick(); };
    p_.OkButton1->OnClick = [this](widgets::Control&) { OkButton1Click(); };
    p_.cancelButton1->OnClick = [this](widgets::Control&) { cancelButton1Click(); };
    p_.FlatButton1->OnClick = [this](widgets::Control&) { cancelButton1Click(); };
    p_.quitbutton->OnClick = [this](widgets::Control&) { quitbuttonClick(); };
    p_.bgsounds->OnClick = [this](widgets::Control&) { bgsoundsClick(); };
    const std::vector<widgets::Control*> clicking = {
        p_.screen1024, p_.screen800, p_.screen640, p_.screen512, p_.fastwrite, p_.soundoff,  p_.soundon,
        p_.bgsounds,   p_.skipintro, p_.noflip,    p_.OkButton1, p_.quitbutton, p_.cancelButton1, p_.launch,
        p_.FlatButton1, p_.pullputt, p_.pushputt,  p_.easytarget, p_.showrules, p_.rulesok, p_.FlatButton4};
    for (widgets::Control* c : clicking)
        c->OnMouseDown = [this](widgets::Control&, platform::MouseButton, int, int) { skinMouseDown(); };
}

// --- creation and showing ---

void Tlaunchpad::FormCreate() {
    layout();
    for (const std::string& message : pictureErrors_) report(message);
    pictureErrors_.clear();
    // Each step is tried on its own: a missing sound list must not cost the player the
    // stored settings (a later save would write the defaults over them).
    try {
        song_.loadFromFile(path("menu.dxw"));
        for (int i : {1, 2})
            if (i < song_.count()) song_.item(i).setVolume(kMenuVolume);
    } catch (const std::exception& e) {
        report(e.what());
    }
    loadSettings();
    fillSkinList();
    textures_ = folderEntries(path("textures"), [](const std::filesystem::directory_entry& e) {
        std::error_code ec;
        return !e.is_directory(ec) && hasBmpExtension(e.path().filename().string());
    });
    // The search starts on its first file; "Change Ball" advances from there.
    textureNext_ = textures_.empty() ? 0 : 1;
}

void Tlaunchpad::loadSettings() {
    try {
        std::vector<StoredSetting> stored = settingsSource_ ? settingsSource_(reg_) : readLaunchPadSettings(reg_);
        applyLaunchPadSettings(stored, p_, storedSkin_);
    } catch (const std::exception& e) {
        // Nothing is applied from a store that cannot be read to its end: the form
        // defaults stand, and the file is left alone until the player saves.
        report(std::string(e.what()) + " (the settings were not loaded; the defaults are used)");
    }
}

void Tlaunchpad::fillSkinList() {
    p_.skin->Items = {kDefaultInterface};
    for (const std::string& name : folderEntries(path("skins"), [](const std::filesystem::directory_entry& e) {
             std::error_code ec;
             return e.is_directory(ec);
         }))
        p_.skin->Items.push_back(name);
    int chosen = 0;
    for (size_t i = 0; i < p_.skin->Items.size(); ++i)
        if (platform::sameIgnoringCase(p_.skin->Items[i], storedSkin_)) {
            chosen = static_cast<int>(i);
            break;
        }
    p_.skin->setItemIndex(chosen);
}

void Tlaunchpad::layout() {
    const bool full = interface_.initialized();
    form_.Width = full ? kInterfaceWidth : host_.screenWidth();
    form_.Height = full ? kInterfaceHeight : host_.screenHeight();
    flic_.setBounds(0, 0, form_.Width, form_.Height);
    p_.copywrite->SetBounds(0, form_.Height - 14, form_.Width, 14);
    form_.invalidate();
}

platform::Surface& Tlaunchpad::surface() {
    if (interface_.initialized()) return interface_.backBuffer();
    if (!plain_.initialized()) {
        plain_.setMode(host_.screenWidth(), host_.screenHeight());
        plain_.initialize();
    }
    return plain_.backBuffer();
}

void Tlaunchpad::initInterface() {
    if (plain_.initialized()) plain_.finalize();
    if (interface_.initialized()) interface_.finalize();
    interface_.setMode(kInterfaceWidth, kInterfaceHeight);
    interface_.setWaitVBlank(true);
    interface_.initialize();
}

void Tlaunchpad::initSound() {
    if (sound_.initialized()) sound_.finalize();
    try {
        sound_.setOutput(host_.audio());
        sound_.initialize();
    } catch (const platform::SoundError& e) {
        // Without a sound device the launch pad still works, silently.
        host_.soundUnavailable(e.what());
        sound_.setOutput(nullptr);
        sound_.initialize();
    }
    song_.prepare();
}

void Tlaunchpad::FormShow() {
    host_.window().setTitle(kLaunchPadCaption);
    host_.window().setCursorVisible(true);
    if (p_.forceinterface->Checked()) {
        try {
            initInterface();
        } catch (const std::exception&) {
            host_.messageBox("Requires DirectX 6.0 or later", "DirectX Error");
            endApplication();
            return;
        }
    }
    layout();
    flic_.setSurface(&surface());
    p_.setup->Hide();
    p_.quit->Hide();
    p_.start->Hide();
    form_.controlsChanged();
    try {
        flic_.Invalidate();
        flic_.setFileName(path("interface_loop.flc"));
        flic_.Play();
    } catch (const std::exception& e) {
        report(e.what());
    }
    if (!introshown_) {
        if (!p_.skipintro->Checked()) {
            host_.window().setTitle(kApplicationTitle);
            host_.showModal(intro_);
            host_.window().setTitle(kLaunchPadCaption);
        }
        introshown_ = true;
    }
    initSound();
    placePanel(p_.mainmenu);
    p_.mainmenu->Show();
    p_.setup->Hide();
    p_.quit->Hide();
    p_.start->Hide();
    form_.controlsChanged();
    if (song_.count() > kMenuMusic) {
        song_.item(kMenuMusic).setLooped(true);
        if (p_.soundon->Checked() && p_.bgsounds->Checked()) playSound(kMenuMusic);
    }
    frameTimer_.setEnabled(true);
    present();
}

std::vector<platform::TDXTimer*> Tlaunchpad::timers() { return {&flic_.timer(), &frameTimer_}; }

int Tlaunchpad::panelLeft() const { return (form_.Width - kInterfaceWidth) / 2 + 150; }
int Tlaunchpad::panelTop() const { return (form_.Height - kInterfaceHeight) / 2 + 177; }

void Tlaunchpad::placePanel(widgets::Panel* panel) {
    panel->Left = panelLeft();
    panel->Top = panelTop();
    form_.invalidate();
}

LaunchPadPanel Tlaunchpad::panel() const {
    if (p_.mainmenu->Visible) return LaunchPadPanel::Menu;
    if (p_.start->Visible) return LaunchPadPanel::Start;
    if (p_.rules->Visible) return LaunchPadPanel::Rules;
    if (p_.setup->Visible) return LaunchPadPanel::Setup;
    if (p_.quit->Visible) return LaunchPadPanel::Quit;
    return LaunchPadPanel::None;
}

void Tlaunchpad::present() {
    platform::Surface& target = surface();
    form_.idle(host_.nowMs());
    target.fill(0);
    flic_.setSurface(&target);
    flic_.Paint();
    // A missing animation says so where it would play, on every picture.
    if (!flic_.frameShown() && !flic_.errorMessage().empty())
        platform::drawSystemText(target, flic_.Left() + 5, flic_.Top() + 5, flic_.errorMessage());
    form_.paint(target);
    if (p_.mainmenu->Showing()) {
        const platform::Rect r = p_.mainmenu->screenRect();
        hotImage_.paint(target, r.x, r.y);
    }
    if (interface_.initialized()) interface_.flip();
    else plain_.flip();
}

// --- input ---

void Tlaunchpad::handleEvent(const platform::InputEvent& event) {
    using Type = platform::InputEvent::Type;
    if (event.type == Type::Close) {
        endApplication();
        return;
    }
    const bool mouse = event.type == Type::MouseDown || event.type == Type::MouseUp || event.type == Type::MouseMove ||
                       event.type == Type::Click || event.type == Type::DblClick;
    if (mouse && p_.mainmenu->Showing()) {
        routeMouseToMenu(event);
    } else {
        form_.handleEvent(event);
    }
    present();
}

void Tlaunchpad::routeMouseToMenu(const platform::InputEvent& event) {
    using Type = platform::InputEvent::Type;
    const platform::Rect r = p_.mainmenu->screenRect();
    const media::SpotPoint p{event.x - r.x - hotImage_.Left, event.y - r.y - hotImage_.Top};
    const bool over = p.x >= 0 && p.y >= 0 && p.x < hotImage_.Width && p.y < hotImage_.Height;
    switch (event.type) {
        case Type::MouseMove:
            if (over || menuPressed_) hotImage_.mouseMove(p, menuPressed_, over);
            else hotImage_.mouseLeave(menuPressed_);
            break;
        case Type::MouseDown:
            if (event.button != platform::MouseButton::Left) break;
            if (over) {
                menuPressed_ = true;
                hotImage_.mouseDown(p);
            }
            break;
        case Type::MouseUp:
            if (event.button != platform::MouseButton::Left || !menuPressed_) break;
            menuPressed_ = false;
            hotImage_.mouseUp(p);
            break;
        default: break;  // the picture makes its click from the press and release
    }
}

// --- handlers ---

void Tlaunchpad::playSound(int index) {
    if (!sound_.initialized() || index >= song_.count()) return;
    song_.item(index).play();
}

void Tlaunchpad::HotImage1SelectSpot() {
    if (hotImage_.SpotIndex() >= 0 && p_.soundon->Checked()) playSound(kMenuClick);
}

void Tlaunchpad::HotImage1Click() {
    const int spot = hotImage_.SpotIndex();
    if (spot < 0) return;
    p_.mainmenu->Hide();
    form_.controlsChanged();
    flipinterface();
    switch (spot) {
        case kMenuSpotStartGame:
            placePanel(p_.start);
            p_.start->Show();
            playerinfoTabChanged();
            p_.training->setChecked(false);
            p_.launch->Caption = "Start Game";
            p_.courselabel->Show();
            p_.course->Show();
            break;
        case kMenuSpotStartTraining:
            placePanel(p_.start);
            playerinfoTabChanged();
            p_.start->Show();
            p_.training->setChecked(true);
            p_.courselabel->Hide();
            p_.course->Hide();
            p_.launch->Caption = "Start Training";
            break;
        case kMenuSpotSetup:
            placePanel(p_.setup);
            p_.setup->Show();
            break;
        case kMenuSpotExit:
            placePanel(p_.quit);
            p_.quit->Show();
            break;
        default: break;
    }
    form_.controlsChanged();
}

void Tlaunchpad::flipinterface() {
    if (p_.noflip->Checked()) return;
    if (p_.soundon->Checked()) playSound(kMenuFlip);
    // A damaged animation is reported and the loop animation comes back all the same, so
    // the next panel still appears.
    try {
        flic_.Invalidate();
        flic_.Stop();
        flic_.setFileName(path("interface.flc"));
        flic_.Play();
        for (int n = 1; n <= kFlipFrames; ++n) {
            flic_.GotoFrame(n);
            present();
        }
        flic_.Stop();
        flic_.ShowFrame(1);
        present();
    } catch (const std::exception& e) {
        report(e.what());
    }
    try {
        flic_.setFileName(path("interface_loop.flc"));
        flic_.Play();
    } catch (const std::exception& e) {
        report(e.what());
    }
}

void Tlaunchpad::launchClick() {
    if (p_.soundon->Checked()) playSound(kMenuClick);
    // A save that fails keeps the start panel up and starts nothing.
    saveSettings();
    p_.quit->Hide();
    p_.setup->Hide();
    p_.start->Hide();
    form_.controlsChanged();
    if (sound_.initialized()) sound_.finalize();
    if (interface_.initialized()) interface_.finalize();
    if (plain_.initialized()) plain_.finalize();
    flic_.Stop();
    frameTimer_.setEnabled(false);

    host_.window().setTitle(kApplicationTitle);
    LaunchPadControls chosen = controls();
    runGame_(chosen);

    FormShow();
    if (terminated_) return;
    initSound();
    if (p_.forceinterface->Checked()) {
        initInterface();
        layout();
        flic_.setSurface(&surface());
    }
    if (p_.bgsounds->Checked() && p_.soundon->Checked()) playSound(kMenuMusic);
    present();
}

void Tlaunchpad::saveSettings() { saveLaunchPadSettings(reg_, p_); }

void Tlaunchpad::showrulesClick() {
    p_.start->Hide();
    form_.controlsChanged();
    flipinterface();
    placePanel(p_.rules);
    p_.rules->Show();
    form_.controlsChanged();
}

void Tlaunchpad::rulesokClick() {
    p_.rules->Hide();
    form_.controlsChanged();
    flipinterface();
    p_.start->Show();
    form_.controlsChanged();
}

void Tlaunchpad::gametypeChange() {
    struct Defaults {
        int startplayer, nextplayer, whencollide, scoring;
        bool plus1, minus1;
    };
    static constexpr Defaults kByType[] = {
        {0, 0, 0, 0, false, true},  // Stroke Play
        {0, 1, 0, 1, false, true},  // Hole Winner
        {1, 0, 1, 1, true, false},  // Croquet Rules
    };
    const int type = p_.gametype->ItemIndex();
    if (type < 0 || type > 2) return;
    const Defaults& d = kByType[type];
    p_.startplayer->setItemIndex(d.startplayer);
    p_.nextplayer->setItemIndex(d.nextplayer);
    p_.whencollide->setItemIndex(d.whencollide);
    p_.scoring->setItemIndex(d.scoring);
    p_.plus1->setChecked(d.plus1);
    p_.minus1->setChecked(d.minus1);
    form_.invalidate();
}

int Tlaunchpad::activePlayer() const { return std::clamp(p_.playerinfo->TabIndex(), 0, 3); }

widgets::Image* Tlaunchpad::activeImage() const { return p_.Image[activePlayer()]; }

void Tlaunchpad::playerinfoTabChanged() {
    const int i = activePlayer();
    // Filling the page is not a change by the player: it must not copy back.
    refreshingPage_ = true;
    p_.name->setText(p_.player[i]->Text());
    p_.pullputt->setChecked(p_.pull[i]->Checked());
    p_.pushputt->setChecked(!p_.pull[i]->Checked());
    p_.easytarget->setChecked(p_.easy[i]->Checked());
    p_.balltexture->Picture = p_.Image[i]->Picture;
    refreshingPage_ = false;
    form_.invalidate();
}

void Tlaunchpad::nameChange() {
    if (!refreshingPage_) p_.player[activePlayer()]->setText(p_.name->Text());
}

void Tlaunchpad::easytargetMouseUp() {
    if (refreshingPage_) return;
    const int i = activePlayer();
    if (p_.pushputt->Checked()) p_.pull[i]->setChecked(false);
    if (p_.pullputt->Checked()) p_.pull[i]->setChecked(true);
    p_.easy[i]->setChecked(p_.easytarget->Checked());
}

void Tlaunchpad::tex_incClick() {
    if (p_.soundon->Checked()) playSound(kMenuClick);
    std::string file;
    if (!textures_.empty()) {
        if (textureNext_ >= static_cast<int>(textures_.size())) textureNext_ = 0;
        file = textures_[size_t(textureNext_)];
        ++textureNext_;
    }
    const std::string relative = "textures/" + file;
    if (file.empty()) throw media::MediaError("Unknown picture file extension (.)");
    p_.balltexture->Picture = surfaceOf(media::loadBmpFile(path(relative)));
    p_.balltexture->Invalidate();
    activeImage()->Picture = p_.balltexture->Picture;
    ballFiles_[size_t(activePlayer())] = relative;
}

void Tlaunchpad::OkButton1Click() {
    saveSettings();
    cancelButton1Click();
}

void Tlaunchpad::cancelButton1Click() {
    p_.setup->Hide();
    p_.quit->Hide();
    p_.start->Hide();
    form_.controlsChanged();
    flipinterface();
    p_.mainmenu->Show();
    form_.controlsChanged();
}

void Tlaunchpad::quitbuttonClick() {
    if (sound_.initialized()) sound_.finalize();
    frameTimer_.setEnabled(false);
    flic_.Stop();
    host_.window().setTitle(kApplicationTitle);
    host_.showModal(extro_);
    endApplication();
}

void Tlaunchpad::bgsoundsClick() {
    if (song_.count() <= kMenuMusic) return;
    if (!p_.bgsounds->Checked()) song_.item(kMenuMusic).stop();
    if (p_.bgsounds->Checked() && p_.soundon->Checked()) playSound(kMenuMusic);
}

void Tlaunchpad::skinMouseDown() {
    if (p_.soundon->Checked()) playSound(kMenuClick);
}

LaunchPadControls Tlaunchpad::controls() const {
    LaunchPadControls c;
    c.screen640 = p_.screen640->Checked();
    c.screen800 = p_.screen800->Checked();
    c.screen1024 = p_.screen1024->Checked();
    c.screen512 = p_.screen512->Checked();
    c.fastwrite = p_.fastwrite->Checked();
    c.frameskip = p_.frameskip->ItemIndex();
    c.soundon = p_.soundon->Checked();
    c.soundoff = p_.soundoff->Checked();
    c.bgsounds = p_.bgsounds->Checked();
    c.skin = p_.skin->Text();
    c.training = p_.training->Checked();
    c.course = p_.course->ItemIndex();
    c.players = p_.players->ItemIndex();
    for (size_t i = 0; i < 4; ++i) {
        c.player[i] = p_.player[i]->Text();
        c.pull[i] = p_.pull[i]->Checked();
        c.easy[i] = p_.easy[i]->Checked();
    }
    c.image = ballFiles_;
    c.startplayer = p_.startplayer->ItemIndex();
    c.nextplayer = p_.nextplayer->ItemIndex();
    c.whencollide = p_.whencollide->ItemIndex();
    c.scoring = p_.scoring->ItemIndex();
    c.strokelimit = p_.strokelimit->ItemIndex();
    c.plus1 = p_.plus1->Checked();
    c.minus1 = p_.minus1->Checked();
    return c;
}

}  // namespace orbigolf::frontend
