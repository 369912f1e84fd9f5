// For tests of code that reads and writes files relative to the current
// directory: makes a fresh directory, works inside it while the object
// lives, then returns to where it was and removes it.
#ifndef LOBBYUI_TESTS_SCRATCH_DIRECTORY_H
#define LOBBYUI_TESTS_SCRATCH_DIRECTORY_H

#include <stdint.h>
#include <stdio.h>

#include <filesystem>
#include <string>

class ScratchDirectory {
public:
    ScratchDirectory() : m_previous(std::filesystem::current_path()) {
        static int s_count = 0;
        std::filesystem::path base = std::filesystem::temp_directory_path();
        for (;;) {
            m_path = base / ("lobbyui-test-" + std::to_string(++s_count) + "-" + std::to_string(reinterpret_cast<uintptr_t>(this) & 0xFFFFF));
            if (std::filesystem::create_directory(m_path)) break;
        }
        std::filesystem::current_path(m_path);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(m_previous, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // Writes bytes as they are (no line-end translation) to a path relative
    // to the scratch directory, making its folders.
    static void Write(const std::string& relative, const std::string& bytes) {
        std::filesystem::path p(relative);
        if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
        FILE* f = fopen(relative.c_str(), "wb");
        if (!f) return;
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    static std::string Read(const std::string& relative) {
        std::string bytes;
        FILE* f = fopen(relative.c_str(), "rb");
        if (!f) return "<missing>";
        char buffer[512];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        fclose(f);
        return bytes;
    }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

#endif
