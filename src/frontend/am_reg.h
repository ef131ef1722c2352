#pragma once
// TAMReg: the settings store. Every setting lives in a key of its own, named like the
// setting, holding one value of the same name, under
//     <root>\<Group>\<Company>\<Application>\[<User>\]
// Flags and numbers are 32-bit integer values, texts string values.
//
// The keys live in the registry stand-in (platform/registry_file.h): opening the store reads
// the settings file, the saves change it in memory, and closing the store writes the file
// back atomically, so one whole save list reaches the disk at once or not at all.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/registry_file.h"

namespace orbigolf::frontend {

class EAMRegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TRootKey {
    HKeyClassesRoot,
    HKeyCurrentUser,
    HKeyLocalMachine,
    HKeyUsers,
    HKeyPerformanceData,
    HKeyCurrentConfig,
    HKeyDynData,
};

// "HKEY_CURRENT_USER" and the others.
const char* rootKeyName(TRootKey root);

class TAMReg {
public:
    // `applicationTitle` is the default Application; `storeFile` the settings file (empty:
    // the settings live in memory for this run only, as replays keep them).
    explicit TAMReg(std::string applicationTitle,
                    std::filesystem::path storeFile = platform::defaultSettingsFile());
    ~TAMReg();
    TAMReg(const TAMReg&) = delete;
    TAMReg& operator=(const TAMReg&) = delete;

    const std::string& Application() const { return application_; }
    const std::string& Company() const { return company_; }
    const std::string& Group() const { return group_; }
    const std::string& User() const { return user_; }
    // Empty values fail with "This property may not be empty".
    void setApplication(const std::string& v);
    void setCompany(const std::string& v);
    void setGroup(const std::string& v);
    void setUser(const std::string& v);  // ignored while AutoUser is on
    void setAutoUser(bool on);
    void setRootKey(TRootKey root) { root_ = root; }
    // The end of loading the component's stored properties.
    void Loaded() { rebuildKeyPath(); }

    const std::string& KeyPath() const { return keyPath_; }

    const std::filesystem::path& storeFile() const { return file_; }

    bool Opened() const { return store_ != nullptr; }
    // Opening reads the settings file (a damaged one fails with a message naming it, and the
    // store stays closed); closing writes it back when anything was saved, and stays open
    // when that fails.
    void setOpened(bool open);
    // Opens the store for a save list: a settings file that cannot be read is then
    // replaced by what is saved, rather than keeping the player from saving at all.
    void openForSaving();

    bool LoadFlag(const std::string& name);
    int32_t LoadNumber(const std::string& name);
    std::string LoadText(const std::string& name);
    void SaveFlag(const std::string& name, bool value);
    void SaveNumber(const std::string& name, int32_t value);
    void SaveText(const std::string& name, const std::string& value);

private:
    void rebuildKeyPath();
    std::string fullKey(const std::string& name) const;
    const platform::RegValue* loadValue(const std::string& name);
    void save(const std::string& name, platform::RegValue value);

    std::string application_;
    std::string company_ = "Company";
    std::string group_ = "Software";
    std::string user_;
    bool autoUser_ = false;
    TRootKey root_ = TRootKey::HKeyCurrentUser;
    std::string keyPath_;
    std::filesystem::path file_;
    std::unique_ptr<platform::RegistryStore> store_;
    platform::RegistryStore memory_;  // the store itself when there is no file
    bool dirty_ = false;
};

// The logon name of the user running the program, or "Unknown".
std::string logonName();

}  // namespace orbigolf::frontend
