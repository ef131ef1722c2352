// Saving the settings file: atomic replacement, tidying up after crashed saves without
// touching anything else, two running copies saving at once, and settings files that are
// symbolic links.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "platform/registry_file.h"
#include "scratch_dir.h"

namespace orbigolf {
namespace {

namespace fs = std::filesystem;
using platform::RegistryStore;
using platform::RegValue;

constexpr const char* kKey = "HKEY_CURRENT_USER\\K";

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

RegistryStore storeWith(const std::string& text, int extraValues = 0) {
    RegistryStore s;
    s.setValue(kKey, "V", RegValue::string(text));
    for (int i = 0; i < extraValues; ++i) {
        std::string name = "V";
        name += std::to_string(i);
        s.setValue(kKey, name, RegValue::number(uint32_t(i)));
    }
    return s;
}

std::string savedText(const fs::path& file) { return platform::loadRegistryFile(file).value(kKey, "V")->text; }

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

void makeOld(const fs::path& p) { fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::hours(2)); }

TEST(SettingsFileSave, ACrashBeforeTheRenameKeepsTheOldSettings) {
    ScratchDir dir("settings-save");
    const fs::path file = dir / "sub" / "settings.reg";
    platform::saveRegistryFile(file, storeWith("old"));
    const std::string before = fileText(file);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::registrySaveHook = [](const fs::path&) { raise(SIGKILL); };
        platform::saveRegistryFile(file, storeWith("new", 1000));
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(fileText(file), before);
    EXPECT_EQ(savedText(file), "old");

    // The killed save left its temporary file. It may be a save still under way, so the
    // next save leaves it; once it is old, a save takes it away.
    ASSERT_EQ(namesIn(file.parent_path()).size(), 2u);
    platform::saveRegistryFile(file, storeWith("old"));
    EXPECT_EQ(namesIn(file.parent_path()).size(), 2u);
    for (const auto& e : fs::directory_iterator(file.parent_path())) makeOld(e.path());
    platform::saveRegistryFile(file, storeWith("old"));
    EXPECT_EQ(namesIn(file.parent_path()), std::set<std::string>{"settings.reg"});

    // A failed rename leaves the old file and no temporary behind.
    platform::registrySaveHook = [](const fs::path& tmp) { fs::remove(tmp); };
    EXPECT_THROW(platform::saveRegistryFile(file, RegistryStore{}), platform::RegistryError);
    platform::registrySaveHook = nullptr;
    EXPECT_EQ(fileText(file), before);
    EXPECT_EQ(namesIn(file.parent_path()), std::set<std::string>{"settings.reg"});
}

TEST(SettingsFileSave, OnlyOurOwnAbandonedTemporaryFilesAreRemoved) {
    ScratchDir dir("settings-save");
    const fs::path file = dir / "settings.reg";
    platform::saveRegistryFile(file, storeWith("one"));
    // The player's own files beside the settings, some named much like ours, all old.
    const std::set<std::string> players{"settings.reg.backup", "settings.reg.before", "settings.reg.orig12",
                                        "settings.reg.orbigolf-save-1", "other.reg.orbigolf-save-abcdef"};
    for (const std::string& name : players) {
        std::ofstream(dir / name) << "mine";
        makeOld(dir / name);
    }
    // A link named like our temporary file, to a file of the player's elsewhere.
    ScratchDir elsewhere("settings-save");
    std::ofstream(elsewhere / "kept") << "mine";
    fs::create_symlink(elsewhere / "kept", dir / "settings.reg.orbigolf-save-linked");
    // Temporary files of ours: a fresh one, an old one a running save still holds, and an
    // old one of a crashed save.
    std::ofstream(dir / "settings.reg.orbigolf-save-fresh1") << "x";
    std::ofstream(dir / "settings.reg.orbigolf-save-held01") << "x";
    std::ofstream(dir / "settings.reg.orbigolf-save-gone01") << "x";
    makeOld(dir / "settings.reg.orbigolf-save-held01");
    makeOld(dir / "settings.reg.orbigolf-save-gone01");
    const int held = ::open((dir / "settings.reg.orbigolf-save-held01").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    platform::saveRegistryFile(file, storeWith("two"));
    ::close(held);

    std::set<std::string> expected = players;
    expected.insert({"settings.reg", "settings.reg.orbigolf-save-linked", "settings.reg.orbigolf-save-fresh1",
                     "settings.reg.orbigolf-save-held01"});
    EXPECT_EQ(namesIn(dir.path()), expected);
    for (const std::string& name : players) EXPECT_EQ(fileText(dir / name), "mine") << name;
    EXPECT_EQ(fileText(elsewhere / "kept"), "mine");
    EXPECT_EQ(savedText(file), "two");
}

TEST(SettingsFileSave, TwoCopiesSavingAtOnceNeverLoseASave) {
    ScratchDir dir("settings-save");
    const fs::path file = dir / "settings.reg";
    constexpr int kSaves = 100;
    // Each copy saves in a loop; a copy that sees a save fail exits with 1.
    auto copy = [&](const std::string& who) {
        const pid_t pid = fork();
        if (pid != 0) return pid;
        int failures = 0;
        for (int i = 0; i < kSaves; ++i) {
            try {
                platform::saveRegistryFile(file, storeWith(who + std::to_string(i), i % 40));
            } catch (const platform::RegistryError&) {
                ++failures;
            }
        }
        _exit(failures == 0 ? 0 : 1);
    };
    const pid_t a = copy("a"), b = copy("b");
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    for (const pid_t pid : {a, b}) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    // The last complete save of one of the two is what is left, and nothing else.
    const std::string last = savedText(file);
    const std::string lastSave = std::to_string(kSaves - 1);
    EXPECT_TRUE(last.size() == lastSave.size() + 1 && (last[0] == 'a' || last[0] == 'b') &&
                last.compare(1, std::string::npos, lastSave) == 0)
        << last;
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"settings.reg"});
}

TEST(SettingsFileSave, ALinkedSettingsFileStaysALink) {
    ScratchDir dir("settings-save");
    fs::create_directories(dir / "dotfiles");
    const fs::path target = dir / "dotfiles" / "orbigolf.reg";
    platform::saveRegistryFile(target, storeWith("old"));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    // A relative link to a relative link, as dotfile managers make them.
    fs::create_directories(dir / "config");
    fs::create_symlink("../dotfiles/orbigolf.reg", dir / "config" / "middle.reg");
    const fs::path file = dir / "config" / "settings.reg";
    fs::create_symlink("middle.reg", file);

    platform::saveRegistryFile(file, storeWith("new"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_TRUE(fs::is_symlink(dir / "config" / "middle.reg"));
    EXPECT_EQ(savedText(target), "new");
    EXPECT_EQ(savedText(file), "new");
    // The file keeps its permissions, and no temporary file is left on either side.
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(dir / "dotfiles"), std::set<std::string>{"orbigolf.reg"});
    EXPECT_EQ(namesIn(dir / "config"), (std::set<std::string>{"middle.reg", "settings.reg"}));

    // A link to a file not made yet: the save makes it.
    fs::create_symlink("fresh.reg", dir / "config" / "new.reg");
    platform::saveRegistryFile(dir / "config" / "new.reg", storeWith("first"));
    EXPECT_TRUE(fs::is_symlink(dir / "config" / "new.reg"));
    EXPECT_EQ(savedText(dir / "config" / "fresh.reg"), "first");

    // Links in a circle are refused and change nothing.
    fs::create_symlink("loop2.reg", dir / "config" / "loop1.reg");
    fs::create_symlink("loop1.reg", dir / "config" / "loop2.reg");
    EXPECT_THROW(platform::saveRegistryFile(dir / "config" / "loop1.reg", storeWith("x")), platform::RegistryError);
    EXPECT_TRUE(fs::is_symlink(dir / "config" / "loop1.reg"));
}

TEST(SettingsFileSave, SettingsLiveUnderTheConfigurationFolder) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string keep = oldXdg ? oldXdg : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(platform::defaultSettingsFile(), fs::path("/tmp/cfg/orbigolf/settings.reg"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(platform::defaultSettingsFile().parent_path().filename(), "orbigolf");
    EXPECT_EQ(platform::defaultSettingsFile().parent_path().parent_path().filename(), ".config");
    if (oldXdg) setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
}

}  // namespace
}  // namespace orbigolf
