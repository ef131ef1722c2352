#pragma once
// The launch pad's controls as the form lays them out: the menu panel and the four panels
// it opens, the per-player entries the game reads, and the version line, each with its
// designed geometry, caption, items and default. Handlers are bound by Tlaunchpad; this
// file only builds the controls.

#include "frontend/widgets/controls.h"
#include "frontend/widgets/widget_form.h"

namespace orbigolf::frontend {

struct LaunchPadPanels {
    // Panels: hidden until placed and shown.
    widgets::Panel* mainmenu = nullptr;  // holds the picture menu (drawn by Tlaunchpad at 5, 8; 367 x 122)
    widgets::Panel* start = nullptr;
    widgets::Panel* rules = nullptr;
    widgets::Panel* setup = nullptr;
    widgets::Panel* quit = nullptr;

    // start
    widgets::Label* Label1 = nullptr;
    widgets::ComboBox* players = nullptr;
    widgets::Label* Label3 = nullptr;
    widgets::ComboBox* gametype = nullptr;
    widgets::FlatButton* showrules = nullptr;
    widgets::Label* courselabel = nullptr;
    widgets::ComboBox* course = nullptr;
    widgets::FlatButton* launch = nullptr;
    widgets::FlatButton* FlatButton1 = nullptr;
    widgets::TabControl* playerinfo = nullptr;
    widgets::Label* Label5 = nullptr;
    widgets::Edit* name = nullptr;
    widgets::RadioButton* pullputt = nullptr;
    widgets::CheckBox* easytarget = nullptr;
    widgets::RadioButton* pushputt = nullptr;
    widgets::Image* balltexture = nullptr;
    widgets::SpeedButton* tex_inc = nullptr;

    // rules
    widgets::Label *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr;
    widgets::ComboBox* startplayer = nullptr;
    widgets::ComboBox* nextplayer = nullptr;
    widgets::ComboBox* whencollide = nullptr;
    widgets::ComboBox* scoring = nullptr;
    widgets::ComboBox* strokelimit = nullptr;
    widgets::CheckBox* plus1 = nullptr;
    widgets::CheckBox* minus1 = nullptr;
    widgets::FlatButton* rulesok = nullptr;
    widgets::FlatButton* FlatButton4 = nullptr;

    // setup
    widgets::TabControl* resbox = nullptr;
    widgets::RadioButton *screen640 = nullptr, *screen800 = nullptr, *screen1024 = nullptr, *screen512 = nullptr;
    widgets::CheckBox* fastwrite = nullptr;
    widgets::TabControl* soundbox = nullptr;
    widgets::RadioButton *soundoff = nullptr, *soundon = nullptr;
    widgets::CheckBox* bgsounds = nullptr;
    widgets::Label *Label7 = nullptr, *Label6 = nullptr, *Label14 = nullptr;
    widgets::ComboBox* frameskip = nullptr;
    widgets::ComboBox* skin = nullptr;
    widgets::CheckBox* skipintro = nullptr;
    widgets::CheckBox* noflip = nullptr;
    widgets::CheckBox* forceinterface = nullptr;
    widgets::FlatButton* OkButton1 = nullptr;

    // quit
    widgets::Label* Label2 = nullptr;
    widgets::FlatButton* cancelButton1 = nullptr;
    widgets::FlatButton* quitbutton = nullptr;

    // Per-player entries the game reads (invisible), index 0..3 for players 1..4.
    widgets::Edit* player[4] = {};
    widgets::CheckBox* pull[4] = {};
    widgets::CheckBox* easy[4] = {};
    widgets::Image* Image[4] = {};
    widgets::CheckBox* training = nullptr;  // invisible

    widgets::Label* copywrite = nullptr;  // the version line along the bottom edge (follows the form's size)
};

// Builds every control on `form` with its designed geometry, captions, items, defaults,
// tab order and Default / Cancel buttons, and returns them by name. `defaultBall` is the
// ball picture the form keeps (for balltexture and Image1..Image4). Panels are left at
// (0, 0) hidden; the version line keeps to the form's bottom edge at any form size.
LaunchPadPanels buildLaunchPadPanels(widgets::WidgetForm& form, const platform::Surface& defaultBall);

}  // namespace orbigolf::frontend
