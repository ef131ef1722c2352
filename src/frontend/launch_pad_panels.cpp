// The launch pad's controls with the geometry, captions, items and defaults the form was
// designed with. Positions are relative to the parent: a panel's top-left corner, or a tab
// control's own top-left corner (its page starts below the tabs, so its controls start at
// about 20 pixels down).

#include "frontend/launch_pad_panels.h"

#include <initializer_list>
#include <string>

#include "frontend/widgets/form_font.h"

namespace orbigolf::frontend {

using namespace widgets;

namespace {

constexpr int kPanelWidth = 379, kPanelHeight = 141;

template <class Parent>
Panel& panel(Parent& parent, const char* name, int width, int height) {
    Panel& p = parent.template add<Panel>(name);
    p.SetBounds(0, 0, width, height);
    p.Color = clBtnFace;
    p.Visible = false;
    return p;
}

Label& label(Control& parent, const char* name, int left, int top, const std::string& caption) {
    Label& l = parent.add<Label>(name);
    l.Left = left;
    l.Top = top;
    l.setCaption(caption);
    return l;
}

ComboBox& combo(Control& parent, const char* name, int left, int top, int width, int height, int tabOrder,
                std::initializer_list<const char*> items) {
    ComboBox& c = parent.add<ComboBox>(name);
    c.SetBounds(left, top, width, height);
    for (const char* item : items) c.Items.emplace_back(item);
    c.setItemIndex(0);
    c.TabOrder = tabOrder;
    return c;
}

FlatButton& button(Control& parent, const char* name, int left, int top, int width, int height, int tabOrder,
                   const std::string& caption) {
    FlatButton& b = parent.add<FlatButton>(name);
    b.SetBounds(left, top, width, height);
    b.Caption = caption;
    b.TabOrder = tabOrder;
    return b;
}

// Check boxes and radio buttons placed by their corner are as wide as their caption and
// the focus frame's last column.
template <class T>
T& mark(Control& parent, const char* name, int left, int top, int tabOrder, const std::string& caption, bool checked) {
    T& c = parent.add<T>(name);
    c.SetBounds(left, top, kMarkCaptionLeft + textWidth(caption) + 1, 17);
    c.Caption = caption;
    c.TabOrder = tabOrder;
    c.setChecked(checked);
    return c;
}

TabControl& tabs(Control& parent, const char* name, int left, int top, int width, int height, int tabOrder,
                 std::initializer_list<const char*> captions) {
    TabControl& t = parent.add<TabControl>(name);
    t.SetBounds(left, top, width, height);
    for (const char* caption : captions) t.Tabs.emplace_back(caption);
    t.TabOrder = tabOrder;
    return t;
}

void buildStart(LaunchPadPanels& p, WidgetForm& form, const platform::Surface& defaultBall) {
    Panel& s = panel(form, "start", kPanelWidth, kPanelHeight);
    p.start = &s;
    p.Label1 = &label(s, "Label1", 34, 12, "Players");
    p.players = &combo(s, "players", 80, 8, 96, 20, 0, {"1 Player", "2 Player", "3 Player", "4 Player"});
    p.Label3 = &label(s, "Label3", 28, 36, "Game");
    p.gametype = &combo(s, "gametype", 64, 32, 112, 20, 1, {"Stroke Play", "Hole Winner", "Croquet Rules"});
    p.showrules = &button(s, "showrules", 64, 57, 112, 18, 2, "Customize Game");
    p.courselabel = &label(s, "courselabel", 22, 81, "Course");
    p.course = &combo(s, "course", 64, 78, 112, 20, 3, {"Demo Course"});
    p.launch = &button(s, "launch", 5, 113, 97, 21, 5, "Start Game");
    p.launch->Default = true;
    p.FlatButton1 = &button(s, "FlatButton1", 109, 113, 60, 21, 6, "Cancel");
    p.FlatButton1->Cancel = true;

    TabControl& info = tabs(s, "playerinfo", 184, 8, 191, 100, 4, {"Player 1", "2", "3", "4"});
    p.playerinfo = &info;
    p.Label5 = &label(info, "Label5", 10, 23, "Enter Name");
    p.name = &info.add<Edit>("name");
    p.name->SetBounds(69, 20, 107, 19);
    p.name->setText("Player 1");
    p.name->TabOrder = 0;
    p.pullputt = &mark<RadioButton>(info, "pullputt", 9, 43, 1, "Pull Putt", true);
    p.easytarget = &mark<CheckBox>(info, "easytarget", 22, 60, 2, "Easy Targeting", false);
    p.pushputt = &mark<RadioButton>(info, "pushputt", 9, 77, 3, "Push Putt", false);
    p.balltexture = &info.add<Image>("balltexture");
    p.balltexture->SetBounds(127, 43, 32, 32);
    p.balltexture->Stretch = true;
    p.balltexture->Picture = defaultBall;
    p.tex_inc = &info.add<SpeedButton>("tex_inc");
    p.tex_inc->SetBounds(107, 79, 74, 16);
    p.tex_inc->Caption = "Change Ball";
    p.tex_inc->TabOrder = 4;
}

void buildRules(LaunchPadPanels& p, WidgetForm& form) {
    Panel& r = panel(form, "rules", kPanelWidth, kPanelHeight);
    p.rules = &r;
    p.Label9 = &label(r, "Label9", 10, 11, "Who Starts Each Hole");
    p.startplayer = &combo(r, "startplayer", 122, 6, 143, 22, 0,
                           {"LIFO (last in is first out)", "FIFO (first in is first out)", "Random"});
    p.Label10 = &label(r, "Label10", 43, 35, "Who Shoots Next");
    p.nextplayer = &combo(r, "nextplayer", 136, 30, 129, 22, 1, {"Sequential", "Farthest Away from Hole"});
    p.Label11 = &label(r, "Label11", 86, 59, "Balls Collide");
    p.whencollide = &combo(r, "whencollide", 149, 54, 116, 22, 2, {"Never", "When Touching"});
    p.Label12 = &label(r, "Label12", 68, 82, "Score Keeping");
    p.scoring = &combo(r, "scoring", 144, 78, 121, 22, 3, {"Lowest Score", "Most Holes Won"});
    p.Label13 = &label(r, "Label13", 313, 10, "Stroke Limit");
    p.strokelimit = &combo(r, "strokelimit", 272, 6, 37, 22, 4, {"9", "8", "7", "6"});
    p.plus1 = &r.add<CheckBox>("plus1");
    p.plus1->SetBounds(272, 33, 89, 48);
    p.plus1->Caption = "Bonus Stroke on Collision (limit 1)";
    p.plus1->WordWrap = true;
    p.plus1->TabOrder = 5;
    p.minus1 = &r.add<CheckBox>("minus1");
    p.minus1->SetBounds(272, 81, 89, 32);
    p.minus1->Caption = "Penalty Stroke for Water";
    p.minus1->WordWrap = true;
    p.minus1->TabOrder = 6;
    p.rulesok = &button(r, "rulesok", 5, 114, 65, 21, 7, "Ok");
    p.rulesok->Default = true;
    p.FlatButton4 = &button(r, "FlatButton4", 76, 114, 65, 21, 8, "Defaults");
}

void buildSetup(LaunchPadPanels& p, WidgetForm& form) {
    Panel& s = panel(form, "setup", kPanelWidth, kPanelHeight);
    p.setup = &s;
    TabControl& res = tabs(s, "resbox", 6, 6, 233, 55, 0, {"Resolution"});
    p.resbox = &res;
    auto resolution = [&](const char* name, int left, int top, int tabOrder, const char* caption, bool checked) {
        RadioButton& b = mark<RadioButton>(res, name, left, top, tabOrder, caption, checked);
        b.GroupIndex = 1;
        return &b;
    };
    p.screen640 = resolution("screen640", 13, 20, 0, "640x480x16", true);
    p.screen800 = resolution("screen800", 106, 20, 1, "800x600x16", false);
    p.screen1024 = resolution("screen1024", 13, 36, 2, "1024x768x16", false);
    // The fourth resolution lies on the form itself, outside the resolution box, so it stands
    // apart from the other three: checking it unchecks none of them. Only a stored setting
    // reaches it.
    p.screen512 = &form.add<RadioButton>("screen512");
    p.screen512->Caption = "512x384x16";
    p.screen512->GroupIndex = 1;
    p.screen512->Visible = false;
    p.screen512->Enabled = false;
    p.fastwrite = &mark<CheckBox>(res, "fastwrite", 106, 36, 4, "Fast Video Writes", true);
    p.fastwrite->Hint = "Requires a video card\r\ncapable of 2D hardware\r\nacceleration";
    p.fastwrite->ShowHint = true;

    TabControl& sound = tabs(s, "soundbox", 246, 7, 127, 54, 1, {"Sound"});
    p.soundbox = &sound;
    p.soundoff = &mark<RadioButton>(sound, "soundoff", 9, 19, 0, "Off", false);
    p.soundoff->GroupIndex = 2;
    p.soundon = &mark<RadioButton>(sound, "soundon", 60, 19, 1, "On", true);
    p.soundon->GroupIndex = 2;
    p.bgsounds = &mark<CheckBox>(sound, "bgsounds", 9, 34, 2, "Background Sound", true);

    p.Label7 = &label(s, "Label7", 11, 68, "Frame Limiting");
    p.frameskip = &combo(s, "frameskip", 84, 65, 81, 20, 2, {"60fps", "30fps", "15fps", "none"});
    p.Label6 = &label(s, "Label6", 173, 68, "Game Interface");
    p.skin = &combo(s, "skin", 251, 65, 121, 20, 3, {"[default interface]"});
    p.skin->DropDownCount = 6;
    p.skipintro = &mark<CheckBox>(s, "skipintro", 8, 88, 4, "Skip Intro Movies", false);
    p.noflip = &mark<CheckBox>(s, "noflip", 108, 88, 5, "Don't Flip Interface", false);
    p.forceinterface = &mark<CheckBox>(s, "forceinterface", 218, 88, 6, "Use Full Screen Interface *", true);
    p.Label14 = &label(s, "Label14", 162, 122, "* May have problems with older video cards");
    p.OkButton1 = &button(s, "OkButton1", 6, 113, 65, 21, 7, "Ok");
    p.OkButton1->Default = true;
    p.OkButton1->Cancel = true;
}

void buildQuit(LaunchPadPanels& p, WidgetForm& form) {
    Panel& q = panel(form, "quit", kPanelWidth, kPanelHeight);
    p.quit = &q;
    p.Label2 = &label(q, "Label2", 150, 45, "Are You Sure?");
    p.cancelButton1 = &button(q, "cancelButton1", 117, 68, 65, 21, 0, "Cancel");
    // Both keys land on Cancel, so Enter does not end the program by accident.
    p.cancelButton1->Default = true;
    p.cancelButton1->Cancel = true;
    p.quitbutton = &button(q, "quitbutton", 189, 68, 65, 21, 1, "Exit");
}

}  // namespace

LaunchPadPanels buildLaunchPadPanels(WidgetForm& form, const platform::Surface& defaultBall) {
    LaunchPadPanels p;
    p.mainmenu = &panel(form, "mainmenu", 378, 137);
    buildStart(p, form, defaultBall);
    buildRules(p, form);
    buildSetup(p, form);
    buildQuit(p, form);

    // The per-player entries the game reads; the player page mirrors the active one.
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        p.player[i] = &form.add<Edit>("player" + n);
        p.player[i]->setText("Player " + n);
        p.pull[i] = &form.add<CheckBox>("pull" + n);
        p.pull[i]->setChecked(true);
        p.easy[i] = &form.add<CheckBox>("easy" + n);
        p.Image[i] = &form.add<Image>("Image" + n);
        p.Image[i]->Picture = defaultBall;
        for (Control* c : {static_cast<Control*>(p.player[i]), static_cast<Control*>(p.pull[i]),
                           static_cast<Control*>(p.easy[i]), static_cast<Control*>(p.Image[i])})
            c->Visible = false;
    }
    p.training = &form.add<CheckBox>("training");
    p.training->Visible = false;

    Label& version = form.add<Label>("copywrite");
    version.AutoSize = false;
    version.Alignment = Label::Align::Right;
    version.AlignBottom = true;
    version.SetBounds(0, form.Height - 14, form.Width, 14);
    version.setCaption("Orbigolf Demo Version 1.1");
    p.copywrite = &version;
    return p;
}

}  // namespace orbigolf::frontend
