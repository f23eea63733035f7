#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace rpx::test {

// A fresh folder removed with everything in it when the test ends.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    void Write(const std::string& name, const std::string& content) const;
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

private:
    std::filesystem::path m_path;
};

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
// The whole file as text, empty when it cannot be read.
std::string ReadFileText(const std::filesystem::path& path);

} // namespace rpx::test
