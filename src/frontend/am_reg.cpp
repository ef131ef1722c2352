#include "frontend/am_reg.h"

#include <cstdlib>

#include "platform/user_name.h"

namespace orbigolf::frontend {

namespace {

constexpr const char* kNotEmpty = "This property may not be empty";

std::string quotedMessage(const char* text, const std::string& name) {
    return std::string(text) + " '" + name + "'";
}

}  // namespace

const char* rootKeyName(TRootKey root) {
    switch (root) {
    case TRootKey::HKeyClassesRoot: return "HKEY_CLASSES_ROOT";
    case TRootKey::HKeyCurrentUser: return "HKEY_CURRENT_USER";
    case TRootKey::HKeyLocalMachine: return "HKEY_LOCAL_MACHINE";
    case TRootKey::HKeyUsers: return "HKEY_USERS";
    case TRootKey::HKeyPerformanceData: return "HKEY_PERFORMANCE_DATA";
    case TRootKey::HKeyCurrentConfig: return "HKEY_CURRENT_CONFIG";
    case TRootKey::HKeyDynData: return "HKEY_DYN_DATA";
    }
    return "HKEY_CURRENT_USER";
}

std::string logonName() { return platform::logonName(); }

TAMReg::TAMReg(std::string applicationTitle, std::filesystem::path storeFile)
    : application_(std::move(applicationTitle)), file_(std::move(storeFile)) {
    if (application_.empty()) application_ = "Application";
    rebuildKeyPath();
}

TAMReg::~TAMReg() {
    // Releasing the store keeps what was saved, as registry writes are kept.
    try {
        setOpened(false);
    } catch (const std::exception&) {
    }
}

void TAMReg::setApplication(const std::string& v) {
    if (v.empty()) throw EAMRegError(kNotEmpty);
    application_ = v;
    rebuildKeyPath();
}

void TAMReg::setCompany(const std::string& v) {
    if (v.empty()) throw EAMRegError(kNotEmpty);
    company_ = v;
    rebuildKeyPath();
}

void TAMReg::setGroup(const std::string& v) {
    if (v.empty()) throw EAMRegError(kNotEmpty);
    group_ = v;
    rebuildKeyPath();
}

void TAMReg::setUser(const std::string& v) {
    if (autoUser_) return;
    user_ = v;
    rebuildKeyPath();
}

void TAMReg::setAutoUser(bool on) {
    autoUser_ = on;
    if (on) {
        user_ = logonName();
        rebuildKeyPath();
    }
}

void TAMReg::rebuildKeyPath() {
    keyPath_ = "\\" + group_ + "\\" + company_ + "\\" + application_ + "\\";
    if (!user_.empty()) keyPath_ += user_ + "\\";
}

std::string TAMReg::fullKey(const std::string& name) const {
    std::string key = rootKeyName(root_) + keyPath_ + name;
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return key;
}

void TAMReg::setOpened(bool open) {
    if (open == Opened()) return;
    if (open) {
        if (file_.empty()) {
            store_ = std::make_unique<platform::RegistryStore>(memory_);
        } else {
            try {
                store_ = std::make_unique<platform::RegistryStore>(platform::loadRegistryFile(file_));
            } catch (const platform::RegistryError& e) {
                throw EAMRegError(e.what());
            }
        }
        dirty_ = false;
        return;
    }
    if (dirty_ && file_.empty()) memory_ = *store_;
    if (dirty_ && !file_.empty()) {
        try {
            platform::saveRegistryFile(file_, *store_);
        } catch (const platform::RegistryError& e) {
            throw EAMRegError(e.what());
        }
    }
    store_.reset();
    dirty_ = false;
}

void TAMReg::openForSaving() {
    if (Opened()) return;
    try {
        setOpened(true);
    } catch (const EAMRegError&) {
        // A file that cannot be read is replaced by what is saved now, as the player asked.
        store_ = std::make_unique<platform::RegistryStore>();
        dirty_ = true;
    }
}

const platform::RegValue* TAMReg::loadValue(const std::string& name) {
    if (!store_) throw EAMRegError("Registry not opened");
    return store_->value(fullKey(name), name);
}

bool TAMReg::LoadFlag(const std::string& name) {
    if (!store_) throw EAMRegError("Registry not opened");
    if (!store_->keyExists(fullKey(name))) return false;
    return LoadNumber(name) != 0;
}

int32_t TAMReg::LoadNumber(const std::string& name) {
    if (!store_) throw EAMRegError("Registry not opened");
    if (!store_->keyExists(fullKey(name))) return 0;
    const platform::RegValue* v = loadValue(name);
    if (!v) throw EAMRegError(quotedMessage("Failed to get data for", name));
    if (v->type != platform::kRegDword) throw EAMRegError(quotedMessage("Invalid data type for", name));
    return static_cast<int32_t>(v->dword);
}

std::string TAMReg::LoadText(const std::string& name) {
    if (!store_) throw EAMRegError("Registry not opened");
    if (!store_->keyExists(fullKey(name))) return {};
    const platform::RegValue* v = loadValue(name);
    if (!v) return {};
    if (v->type != platform::kRegSz && v->type != platform::kRegExpandSz)
        throw EAMRegError(quotedMessage("Invalid data type for", name));
    return v->text;
}

void TAMReg::save(const std::string& name, platform::RegValue value) {
    if (!store_) return;
    store_->setValue(fullKey(name), name, std::move(value));
    dirty_ = true;
}

void TAMReg::SaveFlag(const std::string& name, bool value) { save(name, platform::RegValue::number(value ? 1 : 0)); }

void TAMReg::SaveNumber(const std::string& name, int32_t value) {
    save(name, platform::RegValue::number(static_cast<uint32_t>(value)));
}

void TAMReg::SaveText(const std::string& name, const std::string& value) {
    // A string value ends at its first zero.
    save(name, platform::RegValue::string(value.substr(0, value.find('\0'))));
}

}  // namespace orbigolf::frontend
