// Behaviour of the widget set through its form, as a user drives it: mouse presses and
// releases, keys and typed characters.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/widgets/controls.h"
#include "frontend/widgets/cp1252.h"
#include "frontend/widgets/form_font.h"
#include "frontend/widgets/widget_form.h"
#include "platform/vk.h"

namespace orbigolf::widgets {
namespace {

using platform::InputEvent;
using platform::MouseButton;
namespace vk = platform::vk;

struct WidgetsTest : ::testing::Test {
    WidgetForm form;
    Panel& panel = form.add<Panel>("panel");
    WidgetsTest() {
        form.Width = 300;
        form.Height = 200;
        panel.SetBounds(0, 0, 300, 200);
    }
    void press(int x, int y, platform::ShiftState shift = 0, MouseButton b = MouseButton::Left) {
        form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseDown, b, x, y, shift));
    }
    void release(int x, int y, MouseButton b = MouseButton::Left) {
        form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseUp, b, x, y));
    }
    void move(int x, int y) { form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseMove, MouseButton::Left, x, y)); }
    void click(int x, int y) {
        press(x, y);
        release(x, y);
    }
    bool key(int k, platform::ShiftState shift = 0) { return form.handleEvent(InputEvent::keyDown(k, shift)); }
    void type(const std::string& utf8Chars) {
        // One KeyPress per ASCII character.
        for (char c : utf8Chars) form.handleEvent(InputEvent::keyPress(std::string(1, c)));
    }
    template <class T, class Parent>
    T& make(Parent& parent, const char* name, int x, int y, int w, int h) {
        T& c = parent.template add<T>(name);
        c.SetBounds(x, y, w, h);
        return c;
    }
};

TEST_F(WidgetsTest, ButtonClicksOnlyWhenReleasedOverItself) {
    auto& b = make<FlatButton>(panel, "b", 10, 10, 60, 20);
    int clicks = 0;
    b.OnClick = [&](Control&) { ++clicks; };
    click(20, 20);
    EXPECT_EQ(clicks, 1);
    press(20, 20);
    move(150, 150);
    EXPECT_TRUE(b.pressed()) << "the press is held while the pointer is away";
    release(150, 150);
    EXPECT_EQ(clicks, 1) << "released away from the button";
    press(20, 20);
    move(150, 150);
    move(30, 25);
    release(30, 25);
    EXPECT_EQ(clicks, 2) << "dragged off and back on";
    // A press whose release never came is abandoned by the next press.
    press(20, 20);
    press(150, 150);
    release(150, 150);
    EXPECT_FALSE(b.pressed());
    EXPECT_EQ(clicks, 2);
    press(20, 20, 0, MouseButton::Right);
    release(20, 20, MouseButton::Right);
    EXPECT_EQ(clicks, 2) << "the right button does not click";
    // Keys press the focused button.
    EXPECT_TRUE(b.Focused());
    key(vk::VK_SPACE);
    key(vk::VK_RETURN);
    EXPECT_EQ(clicks, 4);
}

TEST_F(WidgetsTest, CheckBoxTogglesWithEventsInOrder) {
    auto& c = make<CheckBox>(panel, "c", 10, 10, 100, 17);
    std::vector<std::string> log;
    c.OnMouseDown = [&](Control&, MouseButton, int, int) { log.push_back(c.Checked() ? "down:on" : "down:off"); };
    c.OnClick = [&](Control&) { log.push_back(c.Checked() ? "click:on" : "click:off"); };
    c.OnMouseUp = [&](Control&, MouseButton, int, int) { log.push_back(c.Checked() ? "up:on" : "up:off"); };
    click(15, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"down:off", "click:on", "up:on"}));
    log.clear();
    press(15, 15);
    release(200, 150);
    EXPECT_TRUE(c.Checked()) << "a press released elsewhere does not toggle";
    log.clear();
    key(vk::VK_SPACE);
    EXPECT_FALSE(c.Checked());
    c.setChecked(false);  // no change: no event
    c.setChecked(true);   // from code: raises OnClick as the runtime does
    EXPECT_EQ(log, (std::vector<std::string>{"click:off", "click:on"}));
}

TEST_F(WidgetsTest, RadioGroupsArePerParentAndGroupIndex) {
    auto& other = make<Panel>(form, "other", 0, 150, 300, 50);
    auto& a = make<RadioButton>(panel, "a", 10, 10, 80, 17);
    auto& b = make<RadioButton>(panel, "b", 10, 30, 80, 17);
    auto& g1 = make<RadioButton>(panel, "g1", 10, 50, 80, 17);
    g1.GroupIndex = 1;
    auto& elsewhere = make<RadioButton>(other, "elsewhere", 10, 10, 80, 17);
    int clicksB = 0;
    b.OnClick = [&](Control&) { ++clicksB; };
    int upsB = 0;
    b.OnMouseUp = [&](Control&, MouseButton, int, int) { ++upsB; };
    a.setChecked(true);
    g1.setChecked(true);
    elsewhere.setChecked(true);
    click(15, 35);
    EXPECT_TRUE(b.Checked());
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(g1.Checked()) << "another group index";
    EXPECT_TRUE(elsewhere.Checked()) << "another parent";
    EXPECT_EQ(clicksB, 1);
    click(15, 35);
    EXPECT_EQ(clicksB, 1) << "clicking the checked button changes nothing";
    EXPECT_EQ(upsB, 2) << "but its mouse-up still arrives";
    b.setChecked(false);
    EXPECT_FALSE(a.Checked()) << "unchecking checks nothing";
    // Arrow keys move through the group and check as they go.
    a.setChecked(true);
    a.SetFocus();
    key(vk::VK_DOWN);
    EXPECT_TRUE(b.Focused());
    EXPECT_TRUE(b.Checked());
    key(vk::VK_DOWN);
    EXPECT_TRUE(a.Checked()) << "wraps within the group, skipping the other group";
    EXPECT_TRUE(g1.Checked());
}

struct ComboTest : WidgetsTest {
    ComboBox& combo = make<ComboBox>(panel, "combo", 10, 10, 100, 20);
    FlatButton& below = make<FlatButton>(panel, "below", 10, 40, 100, 20);
    int changes = 0, belowClicks = 0;
    ComboTest() {
        combo.Items = {"Alpha", "Beta", "Gamma", "Delta"};
        combo.OnChange = [&](Control&) { ++changes; };
        below.OnClick = [&](Control&) { ++belowClicks; };
    }
    // Form position of an open list's row (the list starts below the box).
    int rowY(int row) const { return 10 + 20 + 1 + row * fontLineHeight() + fontLineHeight() / 2; }
};

TEST_F(ComboTest, SelectionFromCodeRaisesNothingAndOutOfRangeClears) {
    combo.setItemIndex(2);
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_EQ(combo.Text(), "Gamma");
    combo.setItemIndex(4);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    combo.setItemIndex(-3);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboTest, MouseOpensChoosesAndClosesOverOtherControls) {
    combo.setItemIndex(0);
    click(50, 20);
    ASSERT_TRUE(combo.droppedDown());
    EXPECT_TRUE(combo.Focused());
    // The second row lies over the button below; the list takes the click.
    click(50, rowY(1));
    EXPECT_FALSE(combo.droppedDown());
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(belowClicks, 0);
    // Choosing the selected item again is no change.
    click(50, 20);
    click(50, rowY(1));
    EXPECT_EQ(changes, 1);
    // A press outside the open list closes it and goes nowhere else.
    click(50, 20);
    click(200, 150);
    EXPECT_FALSE(combo.droppedDown());
    click(200, 150);
    // Press on the box, drag to a row, release: that row.
    press(50, 20);
    move(50, rowY(3));
    release(50, rowY(3));
    EXPECT_EQ(combo.ItemIndex(), 3);
    EXPECT_EQ(changes, 2);
}

TEST_F(ComboTest, KeysMoveTheSelectionOrTheOpenList) {
    combo.SetFocus();
    key(vk::VK_DOWN);
    EXPECT_EQ(combo.ItemIndex(), 0) << "from no selection, down takes the first";
    key(vk::VK_END);
    EXPECT_EQ(combo.ItemIndex(), 3);
    key(vk::VK_DOWN);
    EXPECT_EQ(combo.ItemIndex(), 3);
    EXPECT_EQ(changes, 2) << "no change at the end";
    key(vk::VK_HOME);
    EXPECT_EQ(changes, 3);
    // Open: arrows move the highlight; Escape keeps the selection, Enter takes the row.
    key(vk::VK_DOWN, platform::ssAlt);
    ASSERT_TRUE(combo.droppedDown());
    key(vk::VK_DOWN);
    key(vk::VK_ESCAPE);
    EXPECT_FALSE(combo.droppedDown());
    EXPECT_EQ(combo.ItemIndex(), 0);
    key(vk::VK_F4);
    key(vk::VK_DOWN);
    key(vk::VK_DOWN);
    EXPECT_TRUE(key(vk::VK_RETURN));
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_EQ(changes, 4);
    // A letter selects the next item starting with it.
    form.handleEvent(InputEvent::keyPress("d"));
    EXPECT_EQ(combo.Text(), "Delta");
}

TEST_F(ComboTest, LongListsScrollAndLowListsOpenUpwards) {
    combo.Items.clear();
    for (int i = 0; i < 20; ++i) combo.Items.push_back("Item " + std::to_string(i));
    combo.DropDownCount = 6;
    combo.SetFocus();
    key(vk::VK_F4);
    platform::Rect list;
    ASSERT_TRUE(combo.overlayRect(list));
    EXPECT_EQ(list.h, 6 * fontLineHeight() + 2);
    for (int i = 0; i < 10; ++i) key(vk::VK_DOWN);
    key(vk::VK_RETURN);
    EXPECT_EQ(combo.ItemIndex(), 9);
    // Reopened, the list shows the selection: its row is under the pointer.
    key(vk::VK_F4);
    ASSERT_TRUE(combo.overlayRect(list));
    click(40, list.y + list.h - 1 - fontLineHeight() / 2);
    EXPECT_EQ(combo.ItemIndex(), 9);

    combo.Top = 180;
    key(vk::VK_F4);
    ASSERT_TRUE(combo.overlayRect(list));
    EXPECT_EQ(list.y + list.h, 180) << "no room below: opens above the box";
    key(vk::VK_ESCAPE);
}

struct EditTest : WidgetsTest {
    Edit& edit = make<Edit>(panel, "edit", 10, 10, 100, 19);
    int changes = 0;
    EditTest() { edit.OnChange = [&](Control&) { ++changes; }; }
};

TEST_F(EditTest, TypingReplacesTheSelectionAndEditsAtTheCaret) {
    edit.setText("Player 1");
    EXPECT_EQ(changes, 1);
    edit.setText("Player 1");
    EXPECT_EQ(changes, 1) << "the same text is no change";
    key(vk::VK_TAB);  // focus by Tab selects all
    ASSERT_TRUE(edit.Focused());
    EXPECT_EQ(edit.SelLength(), 8);
    type("Bo");
    EXPECT_EQ(edit.Text(), "Bo");
    key(vk::VK_HOME);
    type("X");
    key(vk::VK_END);
    key(vk::VK_BACK);
    EXPECT_EQ(edit.Text(), "XB");
    key(vk::VK_HOME);
    key(vk::VK_DELETE);
    EXPECT_EQ(edit.Text(), "B");
    key(vk::VK_HOME);
    key(vk::VK_BACK);  // nothing before the caret
    EXPECT_EQ(edit.Text(), "B");
    EXPECT_EQ(changes, 1 + 2 + 1 + 1 + 1);
    // Shift extends the selection; Left without Shift collapses it to its start.
    edit.setText("abcdef");
    key(vk::VK_END);
    key(vk::VK_LEFT, platform::ssShift);
    key(vk::VK_LEFT, platform::ssShift);
    EXPECT_EQ(edit.SelStart(), 4);
    EXPECT_EQ(edit.SelLength(), 2);
    type("Z");
    EXPECT_EQ(edit.Text(), "abcdZ");
    key('A', platform::ssCtrl);
    EXPECT_EQ(edit.SelLength(), 5);
    key(vk::VK_LEFT);
    EXPECT_EQ(edit.caret(), 0);
    EXPECT_EQ(edit.SelLength(), 0);
}

TEST_F(EditTest, CaretBlinksWithTheClockAndStaysAfterTyping) {
    form.idle(1000);
    edit.SetFocus();
    type("ab");
    platform::Surface s(300, 200);
    const int caretX = 10 + 3 + textWidth("ab");
    const platform::Pixel565 black = 0;
    form.idle(1100);
    form.paint(s);
    EXPECT_EQ(s.pixel(caretX, 19), black);
    form.idle(1600);
    EXPECT_TRUE(form.needsPaint()) << "the caret's phase changed";
    form.paint(s);
    EXPECT_NE(s.pixel(caretX, 19), black);
    type("c");  // typing shows the caret at once
    form.paint(s);
    EXPECT_EQ(s.pixel(caretX + charWidth('c'), 19), black);
}

TEST_F(EditTest, LongTextScrollsToKeepTheCaretInTheField) {
    edit.SetFocus();
    form.idle(0);
    type("a long name that is much wider than the field");
    platform::Surface s(300, 200);
    form.paint(s);
    // The caret is the one black column inside the field.
    int caretX = -1;
    for (int x = 0; x < 300; ++x)
        if (s.pixel(x, 19) == 0 && s.pixel(x, 14) == 0 && s.pixel(x, 24) == 0) caretX = x;
    EXPECT_GT(caretX, 60);
    EXPECT_LT(caretX, 10 + 100 - 2);
    key(vk::VK_HOME);
    form.paint(s);
    EXPECT_EQ(s.pixel(13, 19), 0) << "back at the start, the caret is at the field's left";
}

TEST_F(EditTest, MaxLengthAndCharacterSet) {
    edit.SetFocus();
    edit.MaxLength = 3;
    type("abcd");
    EXPECT_EQ(edit.Text(), "abc");
    key('A', platform::ssCtrl);
    type("x");  // replacing a selection is within the limit
    EXPECT_EQ(edit.Text(), "x");
    edit.MaxLength = 0;
    form.handleEvent(InputEvent::keyPress("\xC3\xA9"));      // e acute
    form.handleEvent(InputEvent::keyPress("\xE2\x82\xAC"));  // euro sign
    form.handleEvent(InputEvent::keyPress("\xE6\x97\xA5"));  // not in the code page
    form.handleEvent(InputEvent::keyPress("\t"));
    form.handleEvent(InputEvent::keyPress("\xC3"));          // broken UTF-8
    form.handleEvent(InputEvent::keyPress("ab"));            // not one character
    EXPECT_EQ(edit.Text(), "x\xE9\x80");
}

TEST_F(EditTest, MousePlacesTheCaretDragsAndDoubleClickSelectsAll) {
    edit.setText("Hello");
    click(11, 15);  // left of the first character
    EXPECT_TRUE(edit.Focused());
    EXPECT_EQ(edit.caret(), 0);
    EXPECT_EQ(edit.SelLength(), 0);
    press(11, 15);
    move(105, 15);
    release(105, 15);
    EXPECT_EQ(edit.SelLength(), 5);
    click(13 + textWidth("He"), 15);
    EXPECT_EQ(edit.caret(), 2);
    press(13 + textWidth("He"), 15, platform::ssDouble);
    EXPECT_EQ(edit.SelLength(), 5);
    release(13 + textWidth("He"), 15);
    click(13 + textWidth("He"), 15);
    EXPECT_EQ(edit.SelLength(), 0);
    form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseDown, MouseButton::Left, 20, 15, 0, 2));
    EXPECT_EQ(edit.SelLength(), 5) << "a source that only counts the clicks";
}

TEST_F(WidgetsTest, TabOrderSkipsHiddenDisabledAndUncheckedRadios) {
    auto& first = make<FlatButton>(panel, "first", 0, 0, 10, 10);
    auto& tabs = make<TabControl>(panel, "tabs", 0, 20, 100, 100);
    tabs.Tabs = {"One"};
    auto& inner = make<Edit>(tabs, "inner", 5, 25, 50, 19);
    auto& r1 = make<RadioButton>(tabs, "r1", 5, 50, 50, 17);
    auto& r2 = make<RadioButton>(tabs, "r2", 5, 70, 50, 17);
    auto& hidden = make<FlatButton>(panel, "hidden", 150, 0, 10, 10);
    auto& disabled = make<FlatButton>(panel, "disabled", 170, 0, 10, 10);
    auto& speed = make<SpeedButton>(panel, "speed", 190, 0, 10, 10);
    auto& last = make<CheckBox>(panel, "last", 200, 0, 10, 10);
    first.TabOrder = 0;
    tabs.TabOrder = 1;
    hidden.TabOrder = 2;
    disabled.TabOrder = 3;
    speed.TabOrder = 4;
    last.TabOrder = 5;
    hidden.Hide();
    disabled.Enabled = false;
    r2.setChecked(true);
    // Added last but ordered first.
    auto& zero = make<FlatButton>(panel, "zero", 250, 0, 10, 10);
    zero.TabOrder = -1;
    std::vector<std::string> order;
    for (int i = 0; i < 7; ++i) {
        key(vk::VK_TAB);
        order.push_back(form.focused()->Name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"zero", "first", "tabs", "inner", "r2", "last", "zero"}));
    key(vk::VK_TAB, platform::ssShift);
    EXPECT_EQ(form.focused(), &last);
    (void)inner;
    (void)r1;
}

TEST_F(WidgetsTest, EnterAndEscapePressTheFocusedPanelsButtons) {
    auto& other = make<Panel>(form, "other", 0, 150, 300, 50);
    auto& ok = make<FlatButton>(panel, "ok", 10, 10, 50, 20);
    auto& cancel = make<FlatButton>(panel, "cancel", 70, 10, 50, 20);
    auto& edit = make<Edit>(panel, "edit", 10, 40, 50, 19);
    auto& otherDefault = make<FlatButton>(other, "otherDefault", 10, 10, 50, 20);
    ok.Default = true;
    cancel.Cancel = true;
    otherDefault.Default = true;
    std::vector<std::string> log;
    for (FlatButton* b : {&ok, &cancel, &otherDefault}) b->OnClick = [&log](Control& c) { log.push_back(c.Name); };
    edit.SetFocus();
    EXPECT_TRUE(key(vk::VK_RETURN));
    EXPECT_TRUE(key(vk::VK_ESCAPE));
    EXPECT_EQ(log, (std::vector<std::string>{"ok", "cancel"}));
    // Without a focus: the first showing panel with such a button.
    form.setFocus(nullptr);
    panel.Hide();
    form.controlsChanged();
    key(vk::VK_RETURN);
    EXPECT_FALSE(key(vk::VK_ESCAPE));
    EXPECT_EQ(log.back(), "otherDefault");
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(WidgetsTest, HiddenAndDisabledControlsTakeNoInput) {
    auto& b = make<FlatButton>(panel, "b", 10, 10, 60, 20);
    auto& e = make<Edit>(panel, "e", 10, 40, 60, 19);
    int clicks = 0;
    b.OnClick = [&](Control&) { ++clicks; };
    e.SetFocus();
    b.Hide();
    click(20, 20);
    EXPECT_EQ(clicks, 0);
    e.Hide();
    type("x");
    EXPECT_EQ(e.Text(), "") << "a hidden edit loses the focus";
    EXPECT_EQ(form.focused(), nullptr);
    b.Show();
    panel.Enabled = false;
    click(20, 20);
    EXPECT_EQ(clicks, 0) << "a disabled parent disables its children";
    b.SetFocus();
    EXPECT_EQ(form.focused(), nullptr);
}

TEST_F(WidgetsTest, TabControlChangesPagesByClickAndKeys) {
    auto& tabs = make<TabControl>(panel, "tabs", 10, 10, 200, 100);
    tabs.Tabs = {"Player 1", "2", "3", "4"};
    auto& inner = make<Edit>(tabs, "inner", 10, 25, 50, 19);
    std::vector<int> seen;
    tabs.OnChange = [&](Control&) { seen.push_back(tabs.TabIndex()); };
    const platform::Rect third = tabs.tabRect(2);
    click(10 + third.x + third.w / 2, 10 + third.y + third.h / 2);
    tabs.setTabIndex(0);
    tabs.setTabIndex(7);
    EXPECT_EQ(tabs.TabIndex(), 0) << "outside the tabs is ignored";
    inner.SetFocus();
    key(vk::VK_TAB, platform::ssCtrl);
    key(vk::VK_TAB, platform::ssCtrl | platform::ssShift);
    key(vk::VK_TAB, platform::ssCtrl | platform::ssShift);
    EXPECT_EQ(seen, (std::vector<int>{2, 1, 0, 3}));
    EXPECT_EQ(inner.screenRect().y, 35) << "children are placed from the tab control's corner";
}

TEST_F(WidgetsTest, HintShowsAfterARestAndHidesAgain) {
    auto& c = make<CheckBox>(panel, "c", 10, 10, 100, 17);
    c.Hint = "Line one\r\nLine two";
    c.ShowHint = true;
    form.idle(1000);
    move(20, 15);
    form.idle(1400);
    EXPECT_EQ(form.hintText(), "");
    form.idle(1600);
    EXPECT_EQ(form.hintText(), "Line one\r\nLine two");
    platform::Surface s(300, 200);
    form.paint(s);
    EXPECT_NE(s.pixel(20, 40), s.pixel(200, 150)) << "the hint box is drawn below the pointer";
    form.idle(4200);
    EXPECT_EQ(form.hintText(), "");
    form.idle(9000);
    EXPECT_EQ(form.hintText(), "") << "shown once per rest";
    move(200, 150);
    move(20, 15);
    press(20, 15);
    form.idle(12000);
    EXPECT_EQ(form.hintText(), "") << "not while the mouse is held";
}

TEST(FormFont, WidthsAreTheEightPointSansWidths) {
    EXPECT_EQ(fontLineHeight(), 13);
    EXPECT_EQ(textWidth("Start Game"), 56);
    EXPECT_EQ(charWidth('m'), 9);
    EXPECT_EQ(charWidth('w'), 8);
    EXPECT_EQ(charWidth('i'), 2);
    EXPECT_EQ(charWidth(' '), 3);
    EXPECT_EQ(textWidth(""), 0);
    // Windows-1252 letters beyond ASCII have their own glyphs.
    EXPECT_EQ(charWidth(0xE9), charWidth('e'));
    EXPECT_GT(charWidth(0x80), 0);
}

TEST(FormFont, DrawingStaysInsideTheClip) {
    platform::Surface s(60, 20);
    drawText(s, 2, 2, "Wide text that runs on", clWhite, {0, 0, 30, 20});
    drawText(s, -50, -5, "Off the edge", clWhite, {-100, -100, 500, 500});
    int inked = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (s.pixel(x, y) != 0) {
                EXPECT_LT(x, 30);
                ++inked;
            }
    EXPECT_GT(inked, 20);
}

TEST(Cp1252, ConvertsOneCharacterOrRefuses) {
    EXPECT_EQ(utf8CharToCp1252("A"), 'A');
    EXPECT_EQ(utf8CharToCp1252("\xC2\xA3"), 0xA3);      // pound sign
    EXPECT_EQ(utf8CharToCp1252("\xE2\x84\xA2"), 0x99);  // trade mark
    EXPECT_EQ(utf8CharToCp1252("\xC2\x81"), std::nullopt) << "C1 control";
    EXPECT_EQ(utf8CharToCp1252("\xC1\x81"), std::nullopt) << "overlong";
    EXPECT_EQ(utf8CharToCp1252("\xED\xA0\x80"), std::nullopt) << "surrogate";
    EXPECT_EQ(utf8CharToCp1252(""), std::nullopt);
    EXPECT_EQ(utf8CharToCp1252("\x7F"), std::nullopt);
}

}  // namespace
}  // namespace orbigolf::widgets
