// A function the program always calls through one place, so that tests can put their own in
// instead of a dialog or a sound: Set with an empty function puts the real one back.
//
//   Replaceable<SoundFunction>& Player() {
//       static Replaceable<SoundFunction> play(PlayWithQt);
//       return play;
//   }
#pragma once

#include <utility>

namespace halmora {

template <typename Function>
class Replaceable {
public:
    explicit Replaceable(Function real) : real_(std::move(real)), current_(real_) {}

    void Set(Function replacement) { current_ = replacement ? std::move(replacement) : real_; }

    template <typename... Args>
    decltype(auto) operator()(Args&&... args) const {
        return current_(std::forward<Args>(args)...);
    }

private:
    Function real_;
    Function current_;
};

}  // namespace halmora
