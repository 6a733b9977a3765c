#pragma once
// Sets a flag for the length of a scope and clears it however the scope is
// left, also by an exception.

namespace quor {

class flag_guard {
public:
    explicit flag_guard(bool& flag) : flag_(flag) { flag_ = true; }
    ~flag_guard() { flag_ = false; }
    flag_guard(const flag_guard&) = delete;
    flag_guard& operator=(const flag_guard&) = delete;

private:
    bool& flag_;
};

}  // namespace quor
