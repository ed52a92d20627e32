#include <algorithm>

#include "vcl/Classes.h"

namespace vcl {

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
    if (owner_ != nullptr) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_ != nullptr) std::erase(owner_->components_, this);
}

void TComponent::DestroyComponents() {
    // Taken off the list before it goes, so that a component destroyed meanwhile by another
    // one's destructor is not destroyed twice.
    while (!components_.empty()) {
        std::unique_ptr<TComponent> latest(components_.back());
        components_.pop_back();
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_) {
        if (SameText(c->Name, name)) return c;
    }
    return nullptr;
}

}  // namespace vcl
