// Ownership of components, and the string list used by memos, combo boxes and radio groups.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/System.h"

namespace vcl {

// A component is owned by its owner and destroyed with it (latest first). Destroying a component
// earlier, for instance through a std::unique_ptr, takes it out of its owner's list.
class TComponent : public TObject {
  public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string Name;
    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int i) const { return components_.at(static_cast<size_t>(i)); }
    TComponent* FindComponent(const std::string& name) const;
    template <class T>
    T* Find(const std::string& name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }

  protected:
    // Destroys the owned components, latest first.
    void DestroyComponents();

  private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
};

// Raised by TStrings for an index outside the list.
class EStringListError : public Exception {
  public:
    using Exception::Exception;
};

class TStrings {
  public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    int Count() const { return static_cast<int>(lines_.size()); }
    // Line i; past the end (or before the start) an empty text, never an error.
    std::string Get(int i) const;
    int Add(const std::string& s);
    // Inserting at Count() appends; outside 0..Count() raises EStringListError.
    void Insert(int i, const std::string& s);
    // Outside 0..Count()-1 raises EStringListError.
    void Delete(int i);
    void Clear();
    // First line equal to s when letter case is ignored, or -1.
    int IndexOf(const std::string& s) const;
    // Lines joined, each followed by a line feed.
    std::string Text() const;
    void SetText(const std::string& text);
    void Assign(const std::vector<std::string>& lines);
    const std::vector<std::string>& Lines() const { return lines_; }

    // `Lines->Strings[i]` reads line i.
    class Indexer {
      public:
        explicit Indexer(const TStrings& owner) : owner_(owner) {}
        std::string operator[](int i) const { return owner_.Get(i); }

      private:
        const TStrings& owner_;
    };
    const Indexer Strings{*this};

    void OnChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  private:
    void Changed();
    std::vector<std::string> lines_;
    std::function<void()> changed_;
};

// Letter case folded for ASCII letters (what note names and item texts need).
bool SameText(const std::string& a, const std::string& b);

}  // namespace vcl
