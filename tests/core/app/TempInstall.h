#pragma once
// A throw-away installation tree under /tmp for one test:
//   <root>/language/mysetup.ini, <root>/Version.ini, <root>/V100/language/*.ini

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace pmr::test {

class TempInstall {
public:
    TempInstall() {
        std::random_device rd;
        root_ = std::filesystem::path("/tmp") /
                ("pmr-app-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(root_ / "language");
        std::filesystem::create_directories(root_ / "V100" / "language");
    }
    ~TempInstall() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TempInstall(const TempInstall&) = delete;
    TempInstall& operator=(const TempInstall&) = delete;

    std::string Root() const { return root_.string(); }
    std::string Program() const { return (root_ / "V100").string(); }
    std::string Setup() const { return (root_ / "language" / "mysetup.ini").string(); }
    std::string InProgram(const std::string& name) const {
        return (root_ / "V100" / name).string();
    }
    std::string InRoot(const std::string& name) const { return (root_ / name).string(); }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

private:
    std::filesystem::path root_;
};

} // namespace pmr::test
