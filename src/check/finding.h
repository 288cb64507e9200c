#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the checker has to say about a netlist: each finding is placed at a
// line and a column of the netlist file, both counted from 1. A finding about
// the file as a whole, or about a pad of the design that has no record at
// all, has line 0 and column 0.
namespace nodewick::check {

enum class Severity { Error, Warning };

struct Finding {
    Severity severity = Severity::Error;
    std::int64_t line = 0;
    int column = 0;
    std::string message;
};

class Findings {
public:
    void error(std::int64_t line, int column, std::string message)
    {
        add(Severity::Error, line, column, std::move(message));
    }
    void warning(std::int64_t line, int column, std::string message)
    {
        add(Severity::Warning, line, column, std::move(message));
    }
    void add(Severity severity, std::int64_t line, int column, std::string message)
    {
        list_.push_back({severity, line, column, std::move(message)});
    }

    const std::vector<Finding>& list() const noexcept { return list_; }
    bool empty() const noexcept { return list_.empty(); }
    std::size_t count(Severity severity) const noexcept;
    // In file order: by line, then column; findings of the file as a whole
    // last. Findings of one place keep the order they were made in.
    void sort();

private:
    std::vector<Finding> list_;
};

}  // namespace nodewick::check
