// The settings store: registry export files (ours and real ones), the atomic save, and
// TAMReg's key paths, typed loads and saves and failure messages.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "frontend/am_reg.h"
#include "platform/registry_file.h"

namespace orbigolf {
namespace {

namespace fs = std::filesystem;
using frontend::EAMRegError;
using frontend::TAMReg;
using platform::RegistryStore;
using platform::RegValue;

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Vexlo\\Orbigolf Demo v1.1\\";

class TempDir {
public:
    TempDir() {
        std::string t = (fs::temp_directory_path() / "orbigolf-settings-XXXXXX").string();
        path = mkdtemp(t.data());
    }
    ~TempDir() { fs::remove_all(path); }
    fs::path path;
};

std::vector<uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeText(const fs::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}

// The launch pad's store.
struct LaunchPadStore : TAMReg {
    explicit LaunchPadStore(const fs::path& file) : TAMReg("Orbigolf Demo", file) {
        setApplication("Orbigolf Demo v1.1");
        setCompany("Vexlo");
        setGroup("Software");
    }
};

TEST(RegistryText, ReadsEveryDialect) {
    const std::string body =
        "\n; comment\n[HKEY_CURRENT_USER\\A\\B]\n\"Text\"=\"say \\\"hi\\\" C:\\\\x\"\n"
        "\"Num\"=dword:0000002a\n@=\"default\"\n\"Bin\"=hex:01,02,\\\n  03\n"
        "[-HKEY_CURRENT_USER\\A\\Gone]\n\"Orphan\"=\"x\"\n[HKEY_CURRENT_USER\\A\\B]\n\"Drop\"=\"x\"\n\"Drop\"=-\n"
        "garbage line\n";
    auto check = [](const RegistryStore& s) {
        const std::string k = "HKEY_CURRENT_USER\\A\\B";
        ASSERT_TRUE(s.keyExists("hkey_current_user\\a\\b"));
        EXPECT_TRUE(s.keyExists("HKEY_CURRENT_USER\\A"));
        EXPECT_EQ(s.value(k, "text")->text, "say \"hi\" C:\\x");
        EXPECT_EQ(s.value(k, "Num")->dword, 42u);
        EXPECT_EQ(s.value(k, "")->text, "default");
        EXPECT_EQ(s.value(k, "Bin")->data, (std::vector<uint8_t>{1, 2, 3}));
        EXPECT_EQ(s.value(k, "Drop"), nullptr);
        EXPECT_EQ(s.skippedLines, 1);
    };
    check(platform::parseRegistryText(bytesOf("REGEDIT4\n" + body)));
    std::string crlf;
    for (const char c : "Windows Registry Editor Version 5.00\n" + body) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    check(platform::parseRegistryText(bytesOf("\xEF\xBB\xBF" + crlf)));
    std::vector<uint8_t> utf16{0xFF, 0xFE};
    for (char c : crlf) {
        utf16.push_back(static_cast<uint8_t>(c));
        utf16.push_back(0);
    }
    check(platform::parseRegistryText(utf16));

    EXPECT_THROW(platform::parseRegistryText(bytesOf("[HKEY_CURRENT_USER\\A]\n")), platform::RegistryError);
    EXPECT_THROW(platform::parseRegistryText(bytesOf("")), platform::RegistryError);
}

TEST(RegistryText, WritesWhatItReads) {
    RegistryStore s;
    s.setValue("HKEY_CURRENT_USER\\X", "Name", RegValue::string("Zoë \"Z\" \\ two\nlines"));
    s.setValue("HKEY_CURRENT_USER\\X", "Count", RegValue::number(0xFFFFFFFF));
    RegValue bin;
    bin.type = platform::kRegBinary;
    bin.data.assign(100, 0xAB);
    s.setValue("HKEY_CURRENT_USER\\X\\Y", "Blob", bin);
    RegValue expand;
    expand.type = platform::kRegExpandSz;
    expand.text = "%HOME%";
    s.setValue("HKEY_CURRENT_USER\\X\\Y", "", expand);
    const std::string text = platform::writeRegistryText(s);
    EXPECT_EQ(text.rfind("REGEDIT4\n\n[HKEY_CURRENT_USER]\n", 0), 0u);
    const RegistryStore back = platform::parseRegistryText(bytesOf(text));
    EXPECT_EQ(back.skippedLines, 0);
    for (const auto& key : s.keys())
        for (const auto& [name, v] : key.values) EXPECT_EQ(*back.value(key.path, name), v) << name;
    EXPECT_EQ(platform::writeRegistryText(back), text);
}

TEST(RegistryText, CorpusExportsRead) {
    const fs::path dir = fs::path(ORBIGOLF_CORPUS_DIR) / "reg";
    if (!fs::is_directory(dir)) GTEST_SKIP() << "corpus not present";
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        ++files;
        const RegistryStore s = platform::loadRegistryFile(e.path());
        EXPECT_EQ(s.skippedLines, 0) << e.path();
        // Written back and read again, nothing changes.
        const RegistryStore again = platform::parseRegistryText(bytesOf(platform::writeRegistryText(s)));
        ASSERT_EQ(again.keys().size(), s.keys().size()) << e.path();
        for (const auto& key : s.keys())
            for (const auto& [name, v] : key.values) EXPECT_EQ(*again.value(key.path, name), v) << e.path();
    }
    EXPECT_GE(files, 10);
    const RegistryStore utf16 = platform::loadRegistryFile(dir / "conemu/Release_ConEmu_Far2_reg_FarWhite.reg");
    const auto* palette = utf16.value("HKEY_CURRENT_USER\\Software\\Far2\\Users\\white\\Colors", "CurrentPalette");
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->type, platform::kRegBinary);
    EXPECT_GT(palette->data.size(), 40u);
}

TEST(RegistryFile, SaveIsAtomicWhenKilledBeforeTheRename) {
    TempDir dir;
    const fs::path file = dir.path / "sub" / "settings.reg";
    RegistryStore old;
    old.setValue("HKEY_CURRENT_USER\\K", "V", RegValue::string("old"));
    platform::saveRegistryFile(file, old);
    const std::string before = fileText(file);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::registrySaveHook = [](const fs::path&) { raise(SIGKILL); };
        RegistryStore neu;
        for (int i = 0; i < 1000; ++i) {
            std::string name = "V";
            name += std::to_string(i);
            neu.setValue("HKEY_CURRENT_USER\\K", name, RegValue::number(1));
        }
        platform::saveRegistryFile(file, neu);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(fileText(file), before);
    EXPECT_EQ(platform::loadRegistryFile(file).value("HKEY_CURRENT_USER\\K", "V")->text, "old");
    // The killed save left its temporary file; the next save clears it away.
    auto leftovers = [&] {
        int n = 0;
        for (const auto& e : fs::directory_iterator(file.parent_path())) n += e.path() != file;
        return n;
    };
    EXPECT_EQ(leftovers(), 1);
    platform::saveRegistryFile(file, old);
    EXPECT_EQ(leftovers(), 0);

    // A failed write leaves the old file and no temporary behind.
    platform::registrySaveHook = [](const fs::path& tmp) { fs::remove(tmp); };
    EXPECT_THROW(platform::saveRegistryFile(file, RegistryStore{}), platform::RegistryError);
    platform::registrySaveHook = nullptr;
    EXPECT_EQ(fileText(file), before);
}

TEST(RegistryFile, SettingsLiveUnderTheConfigurationFolder) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string keep = oldXdg ? oldXdg : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(platform::defaultSettingsFile(), fs::path("/tmp/cfg/orbigolf/settings.reg"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(platform::defaultSettingsFile().parent_path().filename(), "orbigolf");
    EXPECT_EQ(platform::defaultSettingsFile().parent_path().parent_path().filename(), ".config");
    if (oldXdg) setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
}

TEST(TAMReg, KeyPathAndProperties) {
    TempDir dir;
    TAMReg reg("Title", dir.path / "s.reg");
    EXPECT_EQ(reg.Application(), "Title");
    EXPECT_EQ(reg.Group(), "Software");
    reg.setCompany("Vexlo");
    EXPECT_EQ(reg.KeyPath(), "\\Software\\Vexlo\\Title\\");
    reg.setUser("ann");
    EXPECT_EQ(reg.KeyPath(), "\\Software\\Vexlo\\Title\\ann\\");
    reg.setUser("");
    for (auto set : {&TAMReg::setApplication, &TAMReg::setCompany, &TAMReg::setGroup}) {
        try {
            (reg.*set)("");
            ADD_FAILURE() << "empty property accepted";
        } catch (const EAMRegError& e) {
            EXPECT_STREQ(e.what(), "This property may not be empty");
        }
    }
    EXPECT_EQ(reg.KeyPath(), "\\Software\\Vexlo\\Title\\");
    reg.setAutoUser(true);
    EXPECT_FALSE(reg.User().empty());
    EXPECT_EQ(reg.KeyPath(), "\\Software\\Vexlo\\Title\\" + reg.User() + "\\");
}

TEST(TAMReg, RoundTripOfEveryKind) {
    TempDir dir;
    const fs::path file = dir.path / "orbigolf" / "settings.reg";
    {
        LaunchPadStore reg(file);
        reg.setOpened(true);
        EXPECT_FALSE(reg.LoadFlag("RunOnce"));  // an empty store
        EXPECT_EQ(reg.LoadNumber("Players"), 0);
        EXPECT_EQ(reg.LoadText("Player 2"), "");
        reg.SaveFlag("RunOnce", true);
        reg.SaveFlag("Pull 1", false);
        reg.SaveNumber("Frame Skip", -3);
        reg.SaveText("skin", "amber");
        reg.SaveText("Player 1", "Zoë");
        reg.setOpened(false);
    }
    const std::string text = fileText(file);
    EXPECT_NE(text.find(std::string("[") + kKey + "RunOnce]\n\"RunOnce\"=dword:00000001\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"skin\"=\"amber\""), std::string::npos);

    LaunchPadStore reg(file);
    EXPECT_THROW(reg.LoadFlag("RunOnce"), EAMRegError);
    reg.SaveFlag("RunOnce", false);  // closed: nothing happens
    reg.setOpened(true);
    EXPECT_TRUE(reg.LoadFlag("RunOnce"));
    EXPECT_FALSE(reg.LoadFlag("Pull 1"));
    EXPECT_EQ(reg.LoadNumber("Frame Skip"), -3);
    EXPECT_EQ(reg.LoadText("Skin"), "amber");  // "Skin" and "skin" are one key
    EXPECT_EQ(reg.LoadText("Player 1"), "Zoë");
    reg.setOpened(false);
    EXPECT_EQ(fileText(file), text);  // loading writes nothing
}

TEST(TAMReg, FailureMessages) {
    TempDir dir;
    const fs::path file = dir.path / "settings.reg";
    writeText(file, std::string("REGEDIT4\n\n[") + kKey + "Sound]\n\"Sound\"=\"yes\"\n\n[" + kKey +
                        "Players]\n\n[" + kKey + "Player 2]\n\n[" + kKey + "Skin]\n\"Skin\"=dword:00000001\n\n[" +
                        kKey + "Course]\n\"Course\"=hex:01,00,00,00\n[" + kKey + "Name]\n\"Name\"=hex(2):61,62,00,63\n");
    LaunchPadStore reg(file);
    reg.setOpened(true);
    auto message = [&](auto load, const char* name) {
        try {
            load(name);
        } catch (const EAMRegError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    auto flag = [&](const char* n) { reg.LoadFlag(n); };
    auto number = [&](const char* n) { reg.LoadNumber(n); };
    auto textOf = [&](const char* n) { reg.LoadText(n); };
    EXPECT_EQ(message(flag, "Sound"), "Invalid data type for 'Sound'");
    EXPECT_EQ(message(number, "Course"), "Invalid data type for 'Course'");
    EXPECT_EQ(message(number, "Players"), "Failed to get data for 'Players'");
    EXPECT_EQ(message(textOf, "Skin"), "Invalid data type for 'Skin'");
    EXPECT_EQ(reg.LoadText("Player 2"), "");  // key without its value: empty text
    EXPECT_EQ(reg.LoadText("Name"), "ab");    // expandable strings read as text
    EXPECT_FALSE(reg.LoadFlag("Missing"));
    reg.setOpened(false);

    // A file that is no registry export is refused and never overwritten.
    writeText(file, "not settings");
    LaunchPadStore other(file);
    EXPECT_THROW(other.setOpened(true), EAMRegError);
    EXPECT_FALSE(other.Opened());
    EXPECT_EQ(fileText(file), "not settings");
}

TEST(TAMReg, SavesReachTheDiskOnlyWhenClosed) {
    TempDir dir;
    const fs::path file = dir.path / "settings.reg";
    {
        LaunchPadStore reg(file);
        reg.setOpened(true);
        reg.SaveFlag("RunOnce", true);
        EXPECT_FALSE(fs::exists(file));
    }  // destroyed while open: what was saved is kept
    LaunchPadStore reg(file);
    reg.setOpened(true);
    EXPECT_TRUE(reg.LoadFlag("RunOnce"));
}

}  // namespace
}  // namespace orbigolf
