#pragma once

#include <string>

namespace horalet::testing {

// A fresh folder under /tmp for one test, removed with everything in it
// when the object goes.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Sets (or, with no value, unsets) one environment variable for the life of
// the object and then puts the old value back.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(std::string name, const char* value);
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;
    ~ScopedEnvironmentVariable();

private:
    std::string name_;
    bool hadValue_ = false;
    std::string oldValue_;
};

// The whole content of a file; empty when it cannot be read.
std::string fileContents(const std::string& path);
void writeFile(const std::string& path, const std::string& contents);

} // namespace horalet::testing
