// A value that runs its owner's reaction whenever it is assigned a different value, so that
// program code reads like property assignment: `Timer->Interval = 800;`.
#pragma once

#include <functional>
#include <utility>

namespace vcl {

template <class T>
class Property {
  public:
    explicit Property(T initial = T{}, std::function<void()> changed = {})
        : value_(std::move(initial)), changed_(std::move(changed)) {}
    Property(const Property&) = delete;
    // Takes the other property's value; the reaction stays this property's own.
    Property& operator=(const Property& other) {
        Set(other.value_);
        return *this;
    }

    Property& operator=(const T& value) {
        Set(value);
        return *this;
    }
    operator const T&() const { return value_; }
    const T& operator()() const { return value_; }
    const T* operator->() const { return &value_; }

    // Returns whether the value changed.
    bool Set(const T& value) {
        if (value_ == value) return false;
        value_ = value;
        if (changed_) changed_();
        return true;
    }
    // For state that comes from the backend (what the user typed or chose): no reaction runs.
    void SetQuietly(const T& value) { value_ = value; }
    void OnChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  private:
    T value_;
    std::function<void()> changed_;
};

}  // namespace vcl
