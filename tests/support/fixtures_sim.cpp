// The fixtures of native builds: the simulated platform, with fault injection.
#include "tests/support/fixtures.h"

#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_window.h"

namespace testsupport {
namespace {

class SimFileFixture : public FileFixture {
public:
    SimFileFixture() { files_.AddFolder(Root()); }
    platform::FileSystem& Files() override { return files_; }
    std::string Root() const override { return "C:\\Users\\Tester\\AppData\\Local\\Temp\\TrimlodeTest\\"; }
    void MakeFolders(const std::string& path) override {
        files_.AddFolder(path);
        files_.SetSecurity(path, platform::FolderSecurity{false, true});
    }
    void WriteFile(const std::string& path, const std::string& content) override {
        files_.AddFile(path, content);
    }
    std::optional<std::string> ReadFile(const std::string& path) override { return files_.Content(path); }
    void SetAttributes(const std::string& path, std::uint32_t attributes) override {
        files_.SetAttributes(path, attributes);
    }
    bool SetSecurity(const std::string& path, const platform::FolderSecurity& security) override {
        files_.SetSecurity(path, security);
        return true;
    }
    bool Exists(const std::string& path) override { return files_.Exists(path); }
    std::vector<std::string> List(const std::string& folder) override { return files_.List(folder); }
    void Lock(const std::string& path) override { files_.Lock(path); }
    void Unlock(const std::string& path) override { files_.Unlock(path); }
    bool HoldsUnpairedSurrogates() override { return true; }
    bool CanInjectFaults() const override { return true; }
    void InjectFault(const std::string& operation, const std::string& path, std::uint32_t code) override {
        files_.InjectFault(operation, path, code);
    }

private:
    platform::sim::SimFileSystem files_;
};

class SimRegistryFixture : public RegistryFixture {
public:
    platform::Registry& Registry() override { return registry_; }
    std::string ScratchKey() const override { return "SOFTWARE\\TrimlodeTest-sim"; }
    void SetValue(const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override {
        registry_.SetValue(ScratchKey(), name, type, data);
    }
    void SetString(const std::string& name, const std::string& utf8, std::uint32_t type) override {
        registry_.SetString(ScratchKey(), name, utf8, type);
    }
    bool CanInjectFaults() const override { return true; }
    void InjectReadFailure(const std::string& name) override {
        registry_.InjectReadFailure(ScratchKey(), name);
    }

private:
    platform::sim::SimRegistry registry_;
};

} // namespace

class SimWindowFixture : public WindowFixture {
public:
    platform::WindowLibrary& Windows() override { return windows_; }
    void Click(platform::Form& form, const std::string& control) override { Sim(form).Click(control); }
    void ChooseItem(platform::Form& form, const std::string& radioGroup, int index) override {
        Sim(form).ChooseItem(radioGroup, index);
    }
    std::string Focused(platform::Form& form, const std::vector<std::string>&) override {
        return Sim(form).FocusedControl();
    }

private:
    static platform::sim::SimForm& Sim(platform::Form& form) {
        return dynamic_cast<platform::sim::SimForm&>(form);
    }

    platform::sim::SimWindowLibrary windows_;
};

std::unique_ptr<WindowFixture> MakeWindowFixture() {
    return std::make_unique<SimWindowFixture>();
}

std::unique_ptr<FileFixture> MakeFileFixture() {
    return std::make_unique<SimFileFixture>();
}

std::unique_ptr<RegistryFixture> MakeRegistryFixture() {
    return std::make_unique<SimRegistryFixture>();
}

} // namespace testsupport
