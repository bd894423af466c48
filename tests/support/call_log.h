// One ordered list of the calls that the test doubles received, so that a test can compare the
// order across the windowing layer and the platform.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

class CallLog {
 public:
  void add(std::string call) { entries_.push_back(std::move(call)); }
  const std::vector<std::string>& all() const { return entries_; }
  // The entries that start with `prefix`, in order.
  std::vector<std::string> startingWith(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const std::string& entry : entries_)
      if (std::string_view(entry).starts_with(prefix)) found.push_back(entry);
    return found;
  }
  // The entries that are not queries (queries are recorded as "? name").
  std::vector<std::string> commands() const {
    std::vector<std::string> found;
    for (const std::string& entry : entries_)
      if (!entry.starts_with("? ")) found.push_back(entry);
    return found;
  }
  void clear() { entries_.clear(); }

 private:
  std::vector<std::string> entries_;
};

}  // namespace testing_support
