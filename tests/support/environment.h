#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace nodewick::testing {

// Sets an environment variable, or removes it when value is null. On Windows
// an empty value removes the variable too: Windows keeps no empty variables.
inline void SetEnvironment(const char* name, const char* value)
{
#ifdef _WIN32
    ::_putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
#endif
}

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        SetEnvironment(name, value);
    }
    ~ScopedVariable() { SetEnvironment(name_, old_ ? old_->c_str() : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace nodewick::testing
