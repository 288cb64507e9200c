#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nodewick::exporter {

// What the run changed or left out to write a record at all (a clamped size, a
// pad without copper, a layer missing from the list). Every warning is counted;
// the first ones are kept word for word, so that a design with a fault on
// every pad does not fill the memory with the same sentence.
class Warnings {
public:
    static constexpr std::size_t kListed = 100;

    void add(std::string message)
    {
        ++count_;
        if (listed_.size() < kListed)
            listed_.push_back(std::move(message));
    }

    std::int64_t count() const noexcept { return count_; }

    // The kept warnings, and a last line telling how many more there were.
    std::vector<std::string> list() const
    {
        std::vector<std::string> all = listed_;
        if (count_ > static_cast<std::int64_t>(listed_.size()))
            all.push_back("... and " + std::to_string(count_ - static_cast<std::int64_t>(listed_.size())) +
                          " more warnings");
        return all;
    }

private:
    std::vector<std::string> listed_;
    std::int64_t count_ = 0;
};

}  // namespace nodewick::exporter
